// SPDX-License-Identifier: MIT
#pragma once

#include <QGuiApplication>
#include <QObject>

#include <functional>
#include <memory>

class QMenu;
class QScreen;
class QWidget;
class SpeakerWindow;

// The speaker's screen: with two screens or more, the light full screen in a window of its own
// on a screen other than the operator's window: the one the operator chose if it is there, else
// the next one after the window's. Chosen, the window's own screen means the window's own view.
class SpeakerScreen : public QObject
{
    Q_OBJECT

public:
    explicit SpeakerScreen(QWidget *operatorWindow);
    ~SpeakerScreen() override;

    // The screen the speaker's window would take now, leaving out one going away; none where
    // the window is to show the view itself.
    QScreen *screenForSpeaker(const QScreen *leaving = nullptr) const;
    // Opens the speaker's window; false, and nothing opened, with a single screen.
    bool open();
    void close();
    bool isOpen() const { return m_window != nullptr; }
    SpeakerWindow *window() const { return m_window.get(); }

    // The screen chosen by name (remembered by the window); a shown window moves there.
    void choose(const QString &screenName);
    QString chosen() const { return m_chosen; }
    // The screens by name and size, as items carrying the name; the one in use checked.
    void listScreensIn(QMenu *menu) const;
    // Where the screens plugged in are asked; a test stands in its own.
    void setScreenList(std::function<QList<QScreen *>()> screens)
    {
        m_screens = std::move(screens);
    }

signals:
    void openChanged(bool open);

private:
    void screenRemoved(QScreen *screen);

    QWidget *m_operatorWindow = nullptr;
    std::unique_ptr<SpeakerWindow> m_window;
    QString m_chosen;
    std::function<QList<QScreen *>()> m_screens = &QGuiApplication::screens;
};
