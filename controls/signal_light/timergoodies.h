// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// The light's colour state is process-wide: every light shares it, and it outlives any one light.
namespace TimerGoodies {

extern qint32 CurrentTimerColor;
// 0 is false, any other value true; the window passes true as -1.
extern qint16 LeaveOldColorsFlag;

} // namespace TimerGoodies
