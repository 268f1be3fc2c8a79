// SPDX-License-Identifier: MIT
#include "controls/signal_light/timergoodies.h"

namespace TimerGoodies {

qint32 CurrentTimerColor = 0;
qint16 LeaveOldColorsFlag = 0;

} // namespace TimerGoodies
