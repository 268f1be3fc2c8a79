// SPDX-License-Identifier: MIT
#include "timergoodies.h"

namespace TimerGoodies {

qint32 CurrentTimerColor = 0;
qint16 LeaveOldColorsFlag = 0;

} // namespace TimerGoodies
