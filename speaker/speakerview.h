// SPDX-License-Identifier: MIT
#pragma once

#include "components/storedlayout.h"

#include <QObject>
#include <QRect>

class HorizontalTimer;
class QMainWindow;
class QWidget;

// The speaker's view with one screen: the operator's window full screen, its light scaled as one
// to fill the screen on black, and back where and as the window stood. Coming back is the run
// state's height at a remembered place, so the view also gives the window that height: the rows
// and the stopped height, or the light alone while a speech is timed.
class SpeakerView : public QObject
{
    Q_OBJECT

public:
    // design is the layout the window was built from; rows go out of sight in the view.
    SpeakerView(QMainWindow *window, HorizontalTimer *light, QWidget *rows,
                const StoredLayout &design);

    bool isActive() const { return m_active; }
    void enter();
    void leave();
    // START or STOP: the rows and the height follow at once, or when the shell lets the window
    // go, or, in the view, when it is left.
    void runStateChanged(bool running);
    // From the window's resizeEvent, once the window's layout has followed.
    void windowResized();

signals:
    void activeChanged(bool active);

private:
    void showRunState();
    void setOuterHeight();
    void applyOuterHeight();
    void fitLightToScreen();
    void placeAtScale(double scale, const QPoint &origin = QPoint());

    QMainWindow *m_window = nullptr;
    HorizontalTimer *m_light = nullptr;
    QWidget *m_rows = nullptr;
    StoredLayout m_designLayout;
    bool m_running = false;
    bool m_active = false;
    bool m_runStateChangedInView = false;
    bool m_awaitingNormalState = false;
    QRect m_returnPlace; // the normal geometry to come back to
    Qt::WindowStates m_returnState = Qt::WindowNoState;
};
