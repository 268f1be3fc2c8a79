// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QAction;
class QWidget;
class SpeakerScreen;
class SpeakerView;

// The keys of the speaker's view, on the operator's window: F11 (and the desktop's own
// full-screen keys) opens the speaker's screen where there is another screen, else the window's
// own view, and closes either; Esc closes whichever is open and means nothing otherwise.
class SpeakerKeys : public QObject
{
    Q_OBJECT

public:
    SpeakerKeys(QWidget *window, SpeakerView *view, SpeakerScreen *screen);

    // What F11 does; true when it entered the window's own view.
    bool toggle();

signals:
    // F11 (or another full-screen key) was pressed.
    void togglePressed();

private:
    SpeakerView *m_view = nullptr;
    SpeakerScreen *m_screen = nullptr;
    QAction *m_toggle = nullptr;
    QAction *m_leave = nullptr;
};
