// SPDX-License-Identifier: MIT
#pragma once

#include <array>

// The earliest and latest lamps that light at all, whatever order their thresholds were typed
// in: the window a speech qualifies in, before the grace period.
struct LampWindow
{
    int first = 0; // seconds; both 0 when no threshold is set
    int last = 0;
    bool empty() const { return last <= 0; }
};

LampWindow lampWindow(const std::array<int, 3> &thresholdSeconds);
