// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// The overtime flash: once a speech has run past its red lamp by more than the grace period,
// the lit red lamp is drawn dark every other second until STOP, on every light. It follows the
// tick's own count, so it needs no clock of its own, and it leaves the colour state alone.
class OvertimeFlash
{
public:
    // Whether the operator chose it; remembered between starts, off until chosen.
    static bool chosen();
    static void setChosen(bool on);

    // A new speech: its red lamp has not lit yet.
    void start();
    // After each tick's colour change, with the seconds counted and where to ask the grace
    // period in force, which is asked when the red lamp lights.
    void tick(qint16 elapsedSeconds, int (*graceSeconds)());
    // STOP, or the option turned off: the red lamp steady again.
    void stop();

private:
    static constexpr qint16 NotYet = -1;
    int m_limit = NotYet; // the last second before the flash, once red is lit
};
