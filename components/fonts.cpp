// SPDX-License-Identifier: MIT
#include "components/fonts.h"

#include <QFontDatabase>
#include <QHash>

namespace Fonts {

namespace {

// Asked once a family. The installed families are compared as they stand: resolving the name
// through fontconfig's aliases as well would give back almost half of what this saves.
bool installed(const QString &family)
{
    static QHash<QString, bool> known;
    auto it = known.constFind(family);
    if (it == known.cend())
        it = known.insert(family, QFontDatabase::families().contains(family, Qt::CaseInsensitive));
    return it.value();
}

} // namespace

QStringList familiesFor(const QString &family)
{
    QStringList families;
    // A family that is not installed is left out rather than left for Qt to replace: Qt would
    // rank every installed font against it, a millisecond of start-up, to reach the stand-in.
    if (installed(family))
        families.append(family);
    if (family.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0)
        families.append(QStringLiteral("Liberation Sans"));
    families.append(QStringLiteral("DejaVu Sans"));
    return families;
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
