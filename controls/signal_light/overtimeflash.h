// SPDX-License-Identifier: MIT
#pragma once

#include "timing/lampwindow.h"

#include <QtGlobal>

#include <array>
#include <functional>

// The overtime flash: once a speech has run past its last lamp by more than the grace period
// (where the verdict turns to "over time"), the lit red lamp is drawn dark every other second
// until STOP, on every light. It follows the tick's own count, so it needs no clock of its own,
// and it leaves the colour state alone.
class OvertimeFlash
{
public:
    // A new speech, with its thresholds as timed.
    void start(const std::array<int, 3> &thresholdSeconds);
    // After each tick's colour change, with the seconds counted and where to ask the grace
    // period in force, which is asked only once the last lamp is passed.
    void tick(qint16 elapsedSeconds, const std::function<int()> &graceSeconds);
    // STOP, or the option turned off: the red lamp steady again.
    void stop();

private:
    LampWindow m_lamps;
};
