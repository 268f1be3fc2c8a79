// SPDX-License-Identifier: MIT
#include "speaker/scaletofit.h"

#include <cmath>

ScaledToFit scaleToFit(const QSize &designed, const QSize &pixels, double unitsPerPixel,
                       const QRect &seen)
{
    ScaledToFit fit;
    if (!designed.isEmpty())
        fit.scale = qMin(pixels.width() * unitsPerPixel / designed.width(),
                         pixels.height() * unitsPerPixel / designed.height());
    const auto shown = [&](int units) {
        return static_cast<int>(std::lround(units * fit.scale / unitsPerPixel));
    };
    const QSize size(shown(designed.width()), shown(designed.height()));
    const QRect centred = seen.isEmpty() ? QRect(QPoint(), designed) : seen;
    fit.shown =
        QRect(QPoint((pixels.width() - shown(centred.width())) / 2 - shown(centred.left()),
                     (pixels.height() - shown(centred.height())) / 2 - shown(centred.top())),
              size);
    return fit;
}
