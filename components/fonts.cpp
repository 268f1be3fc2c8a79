// SPDX-License-Identifier: MIT
#include "components/fonts.h"

namespace Fonts {

QStringList familiesFor(const QString &family)
{
    if (family.compare(QLatin1String("Verdana"), Qt::CaseInsensitive) == 0)
        return {family, QStringLiteral("DejaVu Sans")};
    if (family.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0)
        return {family, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    return {family, QStringLiteral("DejaVu Sans")};
}

QFont designFont(const QString &family, qreal pointSize, int weight)
{
    QFont font;
    font.setFamilies(familiesFor(family));
    font.setPointSizeF(pointSize);
    // Stored weights run 100..900 in steps of 100, as Qt's own enumeration does.
    font.setWeight(QFont::Weight(qBound(100, weight, 900)));
    return font;
}

} // namespace Fonts
