// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

// Where a window of the timer's (the report or one of its dialogs) opens: beside the timer,
// never over its light or its category rows. Rectangles only, so that it is worked out without
// a screen.
namespace BesideTimer {

// Between the timer's frame and the window.
inline constexpr int Gap = 8;

// The frame a window manager draws around a client area, from the two rectangles.
QMargins frameMargins(const QRect &frame, const QRect &client);

// The window right of the timer, else left, else below, else above, where it fits whole; else
// shrunk into the one of those rooms that shows most of it at no less than its least size;
// level with the timer where the room allows. The screen is its available area; wanted and
// least are the window's client sizes, its frame is taken to be as wide as the timer's.
// Returns the window's frame rectangle, or a null rectangle when no room holds it at its least
// size: then the window manager places it.
QRect place(const QRect &screen, const QRect &timerFrame, const QRect &timerClient,
            const QSize &wanted, const QSize &least);

// The timer's frame and the window's, as a pair.
struct Arrangement
{
    QRect timerFrame;
    QRect window;
};

// The window placed as place() does; where it would not show whole there, the timer moved to
// the screen's left edge when the window then shows more of itself beside it. With sideBySide
// the timer goes to the left edge whenever the window has room there.
Arrangement arrange(const QRect &screen, const QRect &timerFrame, const QRect &timerClient,
                    const QSize &wanted, const QSize &least, bool sideBySide = false);

// Moves the timer and places the window, at its own size, as arrange() says (through XWayland
// the timer stays, as place() has it); where no room holds the window at its least size, it is
// only kept within the screen and the window manager places it.
void openBeside(QWidget *timer, QWidget *window, const QSize &least, bool sideBySide = false);

} // namespace BesideTimer
