// SPDX-License-Identifier: MIT
#pragma once

#include "agenda/plannedspeech.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A line of an agenda that could not be read, and why. Nothing of it is taken.
struct RejectedLine
{
    enum class Problem {
        TooLarge,
        Unreadable,
        Binary,
        NotUtf8,
        Windows1252, // not UTF-8, but it reads as Windows-1252: to be asked, never assumed
        Header,
        TooFewColumns,
        BrokenQuotes,
        UnknownCategory,
        AmbiguousCategory,
        NotATime,
        OutOfOrder,
        CustomWithoutThresholds,
        NotTheRowsThresholds,
        NameTooLong,
        Rehearsal,
        TooManySpeeches,
    };

    int lineNumber = 0; // 1 for the text's first line; 0 when the whole text is refused
    QString text;       // the line as it stood (a quoted field's line breaks kept)
    QString reason;     // for the operator, translated
    Problem problem = Problem::Header;

    friend bool operator==(const RejectedLine &a, const RejectedLine &b)
    {
        return a.lineNumber == b.lineNumber && a.text == b.text && a.reason == b.reason &&
               a.problem == b.problem;
    }
};

// What an agenda text held: the speeches read, in order, and the lines refused. Blank lines are
// neither.
struct AgendaReading
{
    QList<PlannedSpeech> speeches;
    QList<RejectedLine> rejected;
};

// Reads the agenda as clubs keep it in a spreadsheet. Columns: name, category, green, yellow, red
// (a header row names them, in any order, any case; columns it does not know are left alone).
// The category is its row number, 1 to 7, or the start of its description in any case ("ice
// breaker"); a start that fits two rows is refused. Thresholds are typed as the time boxes take
// them ("5:30"), and only a CUSTOM speech has its own: for another row they are blank or the
// row's own. A name is cleaned by the program's one rule for names and refused when it is still
// longer than the record keeps, never cut.
namespace AgendaReader {

// Larger files are refused before they are read.
inline constexpr qint64 MaxFileBytes = 1024 * 1024;

// Rows copied from a spreadsheet: tab-separated, one speech a line; a first line that names the
// columns is taken as the header, otherwise the columns are in the order above.
AgendaReading readPasted(const QString &text);
// How a CSV file's bytes are read: UTF-8, or Windows-1252 (what spreadsheets in Western Europe
// save as "CSV") once the operator said so.
enum class Encoding { Utf8, Windows1252 };

// A CSV file's bytes: UTF-8 (a byte order mark allowed) or as asked, a header row, comma or
// semicolon as the header uses, RFC 4180 quoting, CRLF or LF. Bytes that are not UTF-8 but read
// as Windows-1252 are refused whole as Problem::Windows1252.
AgendaReading readCsv(const QByteArray &bytes, Encoding encoding = Encoding::Utf8);
// The CSV file at path; a file over MaxFileBytes, or one that cannot be opened, is refused whole.
AgendaReading readCsvFile(const QString &path, Encoding encoding = Encoding::Utf8);

} // namespace AgendaReader
