// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>

// How the program writes a CSV cell, and reads back the one kept as text.
namespace CsvText {

// Put before a typed text a spreadsheet would otherwise run as a formula.
inline constexpr char16_t Guard = u'\'';

// RFC 4180: quoted, its quotes doubled, when it holds a comma, a quote or a line break.
QString field(const QString &text);
// Whether a spreadsheet runs a cell that starts so as a formula.
bool isFormula(QStringView text);
// Typed text kept as text: a name like "=SUM(A1)" is shown, never run.
QString text(const QString &text);
// A cell as the agenda is written, without its guard: one before a formula or before another
// guard, which the agenda's names get so that one starting with the guard reads back whole.
QString unguarded(const QString &cell);

} // namespace CsvText
