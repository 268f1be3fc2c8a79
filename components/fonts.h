// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QStringList>

// The layouts name the fonts they were drawn with. Where a family is missing, a free family
// with similar metrics stands in so the layout keeps its proportions.
namespace Fonts {

QFont designFont(const QString &family, qreal pointSize, int weight = 400);
QStringList familiesFor(const QString &family);

} // namespace Fonts
