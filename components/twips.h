// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <cmath>

// The stored layouts measure in twips: 1440 per inch, so 15 per logical pixel at 96 dpi.
// Qt's high-dpi scaling turns logical pixels into device pixels.
namespace Twips {

inline constexpr double PerPixel = 15.0;

inline int toPixels(int twips)
{
    return static_cast<int>(std::lround(twips / PerPixel));
}

inline QRect toPixels(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

} // namespace Twips
