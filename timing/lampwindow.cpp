// SPDX-License-Identifier: MIT
#include "timing/lampwindow.h"

#include <algorithm>

LampWindow lampWindow(const std::array<int, 3> &thresholdSeconds)
{
    LampWindow window;
    for (const int seconds : thresholdSeconds) {
        if (seconds <= 0)
            continue;
        window.first = window.empty() ? seconds : std::min(window.first, seconds);
        window.last = std::max(window.last, seconds);
    }
    return window;
}
