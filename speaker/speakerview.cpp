// SPDX-License-Identifier: MIT
#include "speaker/speakerview.h"

#include "components/twips.h"
#include "controls/signal_light/horizontaltimer.h"
#include "speaker/scaletofit.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include <utility>

namespace {

constexpr int RunningHeightTwips = 4500;
constexpr int StoppedHeightTwips = 7800;
constexpr Qt::WindowStates HeldByTheShell = Qt::WindowMaximized | Qt::WindowFullScreen;
// Long enough for a busy shell to answer; only a window maximised with no shell waits it out.
constexpr int ShellGraceMs = 1000;

// Whether the window's frame as Qt reports it is the one on the screen. Under Wayland Qt knows
// the frame it draws itself but not a title bar the shell draws; under XWayland the window
// manager may report no frame at all, or its shadow as one.
bool frameKnown(const QWidget *window)
{
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland")))
        return window->frameGeometry() != window->geometry() ||
               window->windowFlags().testFlag(Qt::FramelessWindowHint);
    return platform != QLatin1String("xcb") || !qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

} // namespace

SpeakerView::SpeakerView(QMainWindow *window, HorizontalTimer *light, QWidget *rows,
                         const StoredLayout &design)
    : QObject(window), m_window(window), m_light(light), m_rows(rows), m_designLayout(design)
{
}

void SpeakerView::enter()
{
    // The window as it comes back. A maximised window's normal geometry may already be the
    // maximised one (some window managers resize before they report the state): the shell
    // restores such a window itself.
    m_returnState = m_window->windowState();
    m_returnPlace = m_returnState == Qt::WindowNoState ? m_window->geometry() : QRect();
    m_runStateChangedInView = false;
    m_active = true;
    m_awaitingNormalState = false;
    emit activeChanged(true);
    m_rows->setVisible(false);
    // Out of sight but not hidden: a hidden menu bar takes its items' shortcuts and its
    // access keys with it, and the keys work here as everywhere.
    m_window->menuBar()->setFixedHeight(0);
    QWidget *client = m_window->centralWidget();
    QPalette dark = client->palette();
    dark.setColor(QPalette::Window, Qt::black);
    client->setPalette(dark);
    client->setAutoFillBackground(true);
    m_window->showFullScreen();
    m_window->layout()->activate();
    fitLightToScreen();
}

void SpeakerView::leave()
{
    m_active = false;
    emit activeChanged(false);
    QWidget *client = m_window->centralWidget();
    client->setAutoFillBackground(false);
    client->setPalette(QPalette());
    m_window->menuBar()->setMaximumHeight(QWIDGETSIZE_MAX);
    placeAtScale(1.0);
    showRunState();
}

void SpeakerView::runStateChanged(bool running)
{
    m_running = running;
    showRunState();
}

void SpeakerView::windowResized()
{
    if (m_active)
        fitLightToScreen();
    else if (m_awaitingNormalState && !(m_window->windowState() & HeldByTheShell))
        applyOuterHeight();
}

// The one answer to what the window shows: while a speech is timed, the light alone; the
// rows too otherwise, except in the speaker's view. The rows go before the window shrinks and
// come back before it grows; out of sight is not enough, as they would still take keys.
void SpeakerView::showRunState()
{
    m_rows->setVisible(!m_running && !m_active);
    setOuterHeight();
}

void SpeakerView::setOuterHeight()
{
    // The speaker's view keeps the screen; leaving it sets the height the run state asks.
    if (m_active) {
        m_runStateChangedInView = true;
        return;
    }
    // Back from the speaker's view with no START or STOP there: a maximised window is given
    // back to the shell to maximise again.
    if ((std::exchange(m_returnState, Qt::WindowNoState) & Qt::WindowMaximized) &&
        !m_runStateChangedInView) {
        m_window->setWindowState(Qt::WindowMaximized);
        return;
    }
    if (!(m_window->windowState() & HeldByTheShell)) {
        applyOuterHeight();
        return;
    }
    // The shell holds a maximised or full-screen window at its size, and Wayland ends a
    // program that resizes it there. The window is let go first and sized when the shell
    // has restored its normal geometry and frame, or after a grace period where no shell
    // answers (an X server with no window manager).
    m_awaitingNormalState = true;
    m_window->setWindowState(m_window->windowState() & ~HeldByTheShell);
    QTimer::singleShot(ShellGraceMs, this, [this] {
        if (m_awaitingNormalState && !(m_window->windowState() & HeldByTheShell))
            applyOuterHeight();
    });
}

void SpeakerView::applyOuterHeight()
{
    m_awaitingNormalState = false;
    // The height includes the frame and title bar that the window manager adds. Where that
    // frame is unknown the client area takes the designed heights, the shell's frame added:
    // neither a strip below the light nor a row cut off.
    const int frame = m_window->frameGeometry().height() - m_window->geometry().height();
    const int twips = m_running ? RunningHeightTwips : StoppedHeightTwips;
    const int height = frameKnown(m_window) ? qMax(1, Twips::toPixels(twips) - frame)
                                            : m_window->menuBar()->sizeHint().height() +
                                                  m_designLayout.clientSize().height() -
                                                  Twips::toPixels(StoppedHeightTwips - twips);
    if (m_returnPlace.isNull()) {
        m_window->resize(m_window->width(), height);
        return;
    }
    // Back from the speaker's view: where the window stood, as wide as it was, and as high
    // unless a START or STOP in the view asked for the run state's height.
    m_window->setGeometry(m_returnPlace.x(), m_returnPlace.y(), m_returnPlace.width(),
                          m_runStateChangedInView ? height : m_returnPlace.height());
    m_returnPlace = QRect();
}

// The light with the button on it as large as the screen allows, its panel centred, the rest
// dark.
void SpeakerView::fitLightToScreen()
{
    const QRect light = m_designLayout.placement(m_light->objectName());
    const ScaledToFit fit = scaleToFit(light.size(), m_window->centralWidget()->size(),
                                       Twips::PerPixel, m_light->panelPlacement());
    const QPoint designedAt(Twips::toPixels(light.left(), fit.scale),
                            Twips::toPixels(light.top(), fit.scale));
    placeAtScale(fit.scale, fit.shown.topLeft() - designedAt);
}

void SpeakerView::placeAtScale(double scale, const QPoint &origin)
{
    m_designLayout.placeAt(m_window, scale, origin);
    m_light->setScale(scale);
}
