// SPDX-License-Identifier: MIT
#include "overtimeflash.h"

#include "horizontaltimer.h"
#include "programsettings.h"
#include "sharedlamps.h"
#include "timergoodies.h"

namespace {
const QString SettingsKey = QStringLiteral("light/flashWhenOverTime");
} // namespace

bool OvertimeFlash::chosen()
{
    return ProgramSettings().value(SettingsKey, false).toBool();
}

void OvertimeFlash::setChosen(bool on)
{
    ProgramSettings().setValue(SettingsKey, on);
}

void OvertimeFlash::start()
{
    m_limit = NotYet;
    SharedLamps::instance().setRedBlinkedOff(false);
}

void OvertimeFlash::tick(qint16 elapsedSeconds, int (*graceSeconds)())
{
    if (TimerGoodies::CurrentTimerColor != HorizontalTimer::Red) {
        m_limit = NotYet;
        SharedLamps::instance().setRedBlinkedOff(false);
        return;
    }
    // The limit is set when red lights, so the grace period is asked once a speech.
    if (m_limit == NotYet)
        m_limit = elapsedSeconds + graceSeconds();
    // Dark in the first second past the limit, lit in the next, and so on.
    const int over = elapsedSeconds - m_limit;
    SharedLamps::instance().setRedBlinkedOff(over > 0 && over % 2 == 1);
}

void OvertimeFlash::stop()
{
    SharedLamps::instance().setRedBlinkedOff(false);
}
