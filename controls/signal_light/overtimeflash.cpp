// SPDX-License-Identifier: MIT
#include "controls/signal_light/overtimeflash.h"

#include "controls/signal_light/horizontaltimer.h"
#include "controls/signal_light/sharedlamps.h"
#include "controls/signal_light/timergoodies.h"

void OvertimeFlash::start(const std::array<int, 3> &thresholdSeconds)
{
    m_lamps = lampWindow(thresholdSeconds);
    SharedLamps::instance().setRedBlinkedOff(false);
}

void OvertimeFlash::tick(qint16 elapsedSeconds, const std::function<int()> &graceSeconds)
{
    int over = 0;
    if (!m_lamps.empty() && elapsedSeconds > m_lamps.last &&
        TimerGoodies::CurrentTimerColor == HorizontalTimer::Red)
        over = elapsedSeconds - m_lamps.last - graceSeconds();
    // Dark in the first second past the limit, lit in the next, and so on.
    SharedLamps::instance().setRedBlinkedOff(over > 0 && over % 2 == 1);
}

void OvertimeFlash::stop()
{
    SharedLamps::instance().setRedBlinkedOff(false);
}
