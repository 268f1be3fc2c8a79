// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>

// An area drawn at one size, as large as the pixels allow, scaled as one and centred; what is
// left over stays as bars above and below or at the sides. Where the eye takes a part of the
// area for the whole (a panel short of the area's edge), that part is centred instead.
struct ScaledToFit
{
    double scale = 1.0;
    // Where the scaled area stands among the pixels.
    QRect shown;
};

// The designed size is measured in units, unitsPerPixel of them to a pixel at scale 1 (15 for
// twips). An empty design stays at scale 1. seen: the part centred, in the design's units; the
// whole design when empty.
ScaledToFit scaleToFit(const QSize &designed, const QSize &pixels, double unitsPerPixel = 1.0,
                       const QRect &seen = QRect());
