// SPDX-License-Identifier: MIT
#include "sound/soundcues.h"

#include <utility>

namespace {
constexpr int RedLamp = 3;
} // namespace

void SoundCues::start(const std::array<int, 3> &thresholdSeconds)
{
    m_lamps = lampWindow(thresholdSeconds);
    m_lamp = 0;
}

SoundCues::Cue SoundCues::tick(qint16 elapsedSeconds, int lamp,
                               const std::function<int()> &graceSeconds,
                               const std::function<int()> &repeatSeconds)
{
    const int before = std::exchange(m_lamp, lamp);
    if (lamp != before && lamp >= 1 && lamp <= RedLamp)
        return Cue(int(Cue::OneChime) + lamp - 1);
    if (m_lamps.empty() || lamp != RedLamp || elapsedSeconds <= m_lamps.last)
        return Cue::None;
    // The first second past the limit, as the flash counts it, and each repeat after it.
    const int over = elapsedSeconds - m_lamps.last - graceSeconds();
    if (over == 1)
        return Cue::Overtime;
    if (over < 1)
        return Cue::None;
    const int repeat = repeatSeconds();
    return repeat > 0 && (over - 1) % repeat == 0 ? Cue::Overtime : Cue::None;
}
