// SPDX-License-Identifier: MIT
#include "components/besidetimer.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <iterator>

namespace BesideTimer {

QMargins frameMargins(const QRect &frame, const QRect &client)
{
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

QRect place(const QRect &screen, const QRect &timerFrame, const QRect &timerClient,
            const QSize &wanted, const QSize &least)
{
    const QMargins frame = frameMargins(timerFrame, timerClient);
    const QRect near = timerFrame.adjusted(-Gap, -Gap, Gap, Gap);
    const QRect rooms[] = {
        QRect(QPoint(near.right() + 1, screen.top()), screen.bottomRight()),
        QRect(screen.topLeft(), QPoint(near.left() - 1, screen.bottom())),
        QRect(QPoint(screen.left(), near.bottom() + 1), screen.bottomRight()),
        QRect(screen.topLeft(), QPoint(screen.right(), near.top() - 1)),
    };

    const QSize outerWanted = wanted.grownBy(frame);
    const QSize outerLeast = least.grownBy(frame);
    const auto holds = [](const QSize &size) {
        return [size](const QRect &room) {
            return room.width() >= size.width() && room.height() >= size.height();
        };
    };
    const auto shownArea = [&outerWanted](const QRect &room) {
        const QSize shown = outerWanted.boundedTo(room.size());
        return qint64(shown.width()) * shown.height();
    };
    const QRect *room = std::find_if(std::begin(rooms), std::end(rooms), holds(outerWanted));
    if (room == std::end(rooms)) {
        for (const QRect &r : rooms) {
            if (holds(outerLeast)(r) &&
                (room == std::end(rooms) || shownArea(r) > shownArea(*room)))
                room = &r;
        }
    }
    if (room == std::end(rooms))
        return {};
    const QRect &chosen = *room;
    const QSize placed = outerWanted.boundedTo(chosen.size());
    const auto within = [](int wish, int low, int high) {
        return std::max(low, std::min(wish, high));
    };
    return {QPoint(within(timerFrame.left(), chosen.left(), chosen.right() + 1 - placed.width()),
                   within(timerFrame.top(), chosen.top(), chosen.bottom() + 1 - placed.height())),
            placed};
}

Arrangement arrange(const QRect &screen, const QRect &timerFrame, const QRect &timerClient,
                    const QSize &wanted, const QSize &least, bool sideBySide)
{
    const QRect stays = place(screen, timerFrame, timerClient, wanted, least);
    const QSize whole = wanted.grownBy(frameMargins(timerFrame, timerClient));
    if (!sideBySide && stays.size() == whole)
        return {timerFrame, stays};
    const int lowest = screen.bottom() + 1 - timerFrame.height();
    QRect moved = timerFrame;
    moved.moveTopLeft({screen.left(), std::max(screen.top(), std::min(timerFrame.top(), lowest))});
    const QPoint by = moved.topLeft() - timerFrame.topLeft();
    const QRect beside = place(screen, moved, timerClient.translated(by), wanted, least);
    const auto area = [](const QRect &r) { return qint64(r.width()) * r.height(); };
    // Moved only where the window then has room: else the move would gain nothing.
    if (!beside.isNull() && (sideBySide || area(beside) > area(stays)))
        return {moved, beside};
    return {timerFrame, stays};
}

void openBeside(QWidget *timer, QWidget *window, const QSize &least, bool sideBySide)
{
    const QRect screen = timer->screen()->availableGeometry();
    const QMargins frame = frameMargins(timer->frameGeometry(), timer->geometry());
    // A Wayland shell may keep an X11 window where it put it, and Qt would not know: there the
    // timer stays, lest the window go beside where it is not.
    const bool throughXWayland = QGuiApplication::platformName() == QLatin1String("xcb") &&
                                 qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    const QRect timerFrame = timer->frameGeometry();
    Arrangement placed{timerFrame, {}};
    if (throughXWayland)
        placed.window = place(screen, timerFrame, timer->geometry(), window->size(), least);
    else
        placed = arrange(screen, timerFrame, timer->geometry(), window->size(), least, sideBySide);
    if (placed.timerFrame != timerFrame)
        timer->move(placed.timerFrame.topLeft());
    if (placed.window.isNull()) {
        window->resize(window->size().boundedTo(screen.size().shrunkBy(frame)));
        return;
    }
    window->resize(placed.window.size().shrunkBy(frame));
    window->move(placed.window.topLeft());
}

} // namespace BesideTimer
