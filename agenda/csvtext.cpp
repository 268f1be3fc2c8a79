// SPDX-License-Identifier: MIT
#include "agenda/csvtext.h"

#include <algorithm>

namespace {

const QString CsvSpecials = QStringLiteral(",\"\r\n");
// A spreadsheet runs a cell that starts with one of these as a formula.
const QString FormulaStarts = QStringLiteral("=+-@\t\r");

} // namespace

namespace CsvText {

QString field(const QString &text)
{
    const bool quote =
        std::any_of(text.begin(), text.end(), [](QChar c) { return CsvSpecials.contains(c); });
    if (!quote)
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

bool isFormula(QStringView text)
{
    return !text.isEmpty() && FormulaStarts.contains(text.front());
}

QString text(const QString &text)
{
    return field(isFormula(text) ? Guard + text : text);
}

QString unguarded(const QString &cell)
{
    const QStringView rest = QStringView(cell).sliced(cell.startsWith(Guard) ? 1 : 0);
    const bool guarded = rest.size() < cell.size() && (isFormula(rest) || rest.startsWith(Guard));
    return guarded ? cell.sliced(1) : cell;
}

} // namespace CsvText
