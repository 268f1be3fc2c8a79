// SPDX-License-Identifier: MIT
#include "speaker/scaletofit.h"

#include <cmath>

ScaledToFit scaleToFit(const QSize &designed, const QSize &pixels, double unitsPerPixel)
{
    ScaledToFit fit;
    if (!designed.isEmpty())
        fit.scale = qMin(pixels.width() * unitsPerPixel / designed.width(),
                         pixels.height() * unitsPerPixel / designed.height());
    const auto shown = [&](int units) {
        return static_cast<int>(std::lround(units * fit.scale / unitsPerPixel));
    };
    const QSize size(shown(designed.width()), shown(designed.height()));
    fit.shown = QRect(
        QPoint((pixels.width() - size.width()) / 2, (pixels.height() - size.height()) / 2), size);
    return fit;
}
