// SPDX-License-Identifier: MIT
#pragma once

#include "timing/lampwindow.h"

#include <QtGlobal>

#include <array>
#include <functional>

// Which sound the tick plays: a chime for each lamp as it lights, counted out (one for the first
// lamp, two for the second, three for the third) so that the count tells the lamp without its
// colour, and a bell once the speech has run past its last lamp by more than the grace period,
// in the same second the overtime flash starts; the bell again every so often if so chosen. It
// follows the tick's own count and the lamp the light shows, like the flash.
class SoundCues
{
public:
    enum class Cue { None, OneChime, TwoChimes, ThreeChimes, Overtime };

    // The volumes offered, in percent, and the bell's repeat choices, in seconds (0: once).
    static constexpr std::array<int, 3> Volumes{25, 60, 100};
    static constexpr int DefaultVolume = 60;
    static constexpr std::array<int, 2> Repeats{0, 30};
    static constexpr int DefaultRepeat = 0;

    // A new speech, with its thresholds as timed.
    void start(const std::array<int, 3> &thresholdSeconds);
    // After each tick's colour change: the seconds counted, the lamp the light shows now (0 dark,
    // 1 green, 2 yellow, 3 red), and where to ask the grace period and the bell's repeat in
    // force, which are asked only once the last lamp is passed.
    Cue tick(qint16 elapsedSeconds, int lamp, const std::function<int()> &graceSeconds,
             const std::function<int()> &repeatSeconds);

private:
    LampWindow m_lamps;
    int m_lamp = 0;
};
