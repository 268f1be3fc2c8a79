// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <cmath>

// The stored layouts measure in twips: 1440 per inch, so 15 per logical pixel at 96 dpi.
// Qt's high-dpi scaling turns logical pixels into device pixels. A scale enlarges the designed
// layout as a whole, such as the light filling a screen; the designed window is scale 1.
namespace Twips {

inline constexpr double PerPixel = 15.0;

inline int toPixels(int twips, double scale = 1.0)
{
    return static_cast<int>(std::lround(twips * scale / PerPixel));
}

inline QRect toPixels(int left, int top, int width, int height, double scale = 1.0)
{
    return {toPixels(left, scale), toPixels(top, scale), toPixels(width, scale),
            toPixels(height, scale)};
}

} // namespace Twips
