// SPDX-License-Identifier: MIT
#include "components/besidetimer.h"

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

} // namespace BesideTimer
