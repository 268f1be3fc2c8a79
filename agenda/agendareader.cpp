// SPDX-License-Identifier: MIT
#include "agenda/agendareader.h"

#include "agenda/agendacolumns.h"
#include "agenda/csvtext.h"
#include "timing/clocktext.h"
#include "timing/speakername.h"
#include "timing/timetext.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QStringConverter>
#include <QStringList>

#include <algorithm>
#include <optional>

namespace {

using Problem = RejectedLine::Problem;

constexpr QChar Quote = u'"';
constexpr QChar LineEnd = u'\n';
constexpr QChar Tab = u'\t';
constexpr QChar Comma = u',';
constexpr QChar Semicolon = u';';
constexpr int BytesPerMegabyte = 1024 * 1024;
// UTF-16 as some spreadsheets save "Unicode text".
const QByteArray Utf16Marks[] = {QByteArrayLiteral("\xFF\xFE"), QByteArrayLiteral("\xFE\xFF")};

struct Reason
{
    Problem problem;
    QString text;
};

// One record of the text: a line, or more when a quoted field holds line breaks.
struct Record
{
    int lineNumber = 0;
    QString text;
    QStringList fields;
    bool brokenQuotes = false;

    bool blank() const
    {
        return std::all_of(fields.begin(), fields.end(),
                           [](const QString &f) { return f.trimmed().isEmpty(); });
    }
};

AgendaReading refused(Problem problem, const QString &reason)
{
    return {{}, {{0, QString(), reason, problem}}};
}

AgendaReading binary()
{
    return refused(Problem::Binary,
                   QCoreApplication::translate(
                       "AgendaReader", "Not text: it holds NUL bytes or control characters"));
}

AgendaReading notUtf8()
{
    return refused(Problem::NotUtf8, QCoreApplication::translate("AgendaReader", "Not UTF-8 text"));
}

// Windows-1252 is Latin-1 but for 0x80 to 0x9F; five of those bytes stand for nothing.
constexpr char16_t Windows1252High[] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
constexpr uchar FirstHigh = 0x80;

// The bytes as Windows-1252; nullopt when one of them stands for nothing there.
std::optional<QString> fromWindows1252(const QByteArray &bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = uchar(bytes[i]);
        const bool high = byte >= FirstHigh && byte - FirstHigh < int(std::size(Windows1252High));
        const char16_t c = high ? Windows1252High[byte - FirstHigh] : char16_t(byte);
        if (c == 0 && byte != 0)
            return std::nullopt;
        text[i] = QChar(c);
    }
    return text;
}

AgendaReading tooMany()
{
    return refused(
        Problem::TooManySpeeches,
        QCoreApplication::translate("AgendaReader", "Over %1 speeches: too many for an agenda")
            .arg(SpeechCategories::MaxPlannedSpeeches));
}

AgendaReading tooLarge()
{
    return refused(Problem::TooLarge, QCoreApplication::translate(
                                          "AgendaReader", "Over %1 MB: too large for an agenda")
                                          .arg(AgendaReader::MaxFileBytes / BytesPerMegabyte));
}

bool isControl(char16_t c)
{
    return (c < 0x20 && c != Tab && c != LineEnd && c != u'\r') || c == 0x7F;
}

// RFC 4180 with the given separator, over a text whose line ends are all LF; blank records left
// out, and none split after the first over atMost.
QList<Record> splitRecords(QStringView text, QChar separator, qsizetype atMost)
{
    QList<Record> records;
    int line = 1;
    qsizetype i = 0;
    while (i < text.size()) {
        Record record;
        record.lineNumber = line;
        const qsizetype start = i;
        QString field;
        bool fieldStart = true;
        bool ended = false;
        while (i < text.size() && !ended) {
            const QChar c = text[i++];
            if (fieldStart && c == Quote) {
                bool closed = false;
                while (i < text.size() && !closed) {
                    const QChar q = text[i++];
                    if (q == Quote && i < text.size() && text[i] == Quote)
                        field += text[i++];
                    else if (q == Quote)
                        closed = true;
                    else
                        field += q;
                    line += q == LineEnd;
                }
                record.brokenQuotes |=
                    !closed || (i < text.size() && text[i] != separator && text[i] != LineEnd);
                fieldStart = false;
            } else if (c == separator) {
                record.fields << field;
                field.clear();
                fieldStart = true;
            } else if (c == LineEnd) {
                ++line;
                ended = true;
            } else {
                field += c;
                fieldStart = false;
            }
        }
        record.fields << field;
        record.text = text.sliced(start, i - start - (ended ? 1 : 0)).toString();
        if (!record.blank())
            records << record;
        if (records.size() > atMost)
            break;
    }
    return records;
}

QString firstLine(QStringView text)
{
    for (const QStringView line : text.split(LineEnd)) {
        if (!line.trimmed().isEmpty())
            return line.toString();
    }
    return {};
}

// The column each field holds; -1 for columns the header does not name.
struct Layout
{
    std::array<qsizetype, AgendaColumns::Count> field{};

    // The fields a line needs: those of the name and the category.
    qsizetype needed() const
    {
        return std::max(field[AgendaColumns::Name], field[AgendaColumns::Category]) + 1;
    }
};

Layout orderedLayout()
{
    Layout layout;
    for (int c = 0; c < AgendaColumns::Count; ++c)
        layout.field[c] = c;
    return layout;
}

QString columnName(int column)
{
    return QCoreApplication::translate(AgendaColumns::TextContext, AgendaColumns::Names[column]);
}

int columnNamed(const QString &text)
{
    for (int c = 0; c < AgendaColumns::Count; ++c) {
        for (const QString &name : {QString::fromLatin1(AgendaColumns::Names[c]), columnName(c)}) {
            if (text.trimmed().compare(name, Qt::CaseInsensitive) == 0)
                return c;
        }
    }
    return -1;
}

bool namesColumns(const Record &record)
{
    return std::all_of(record.fields.begin(), record.fields.end(), [](const QString &f) {
        return f.trimmed().isEmpty() || columnNamed(f) >= 0;
    });
}

std::optional<Reason> readHeader(const Record &header, Layout &layout)
{
    layout.field.fill(-1);
    for (qsizetype i = 0; i < header.fields.size(); ++i) {
        const int column = columnNamed(header.fields[i]);
        if (column < 0)
            continue;
        if (layout.field[column] >= 0)
            return Reason{Problem::Header,
                          QCoreApplication::translate(
                              "AgendaReader", "The first line names the column \"%1\" twice")
                              .arg(header.fields[i].trimmed())};
        layout.field[column] = i;
    }
    if (layout.field[AgendaColumns::Name] < 0 || layout.field[AgendaColumns::Category] < 0)
        return Reason{Problem::Header,
                      QCoreApplication::translate("AgendaReader",
                                                  "The first line does not name the columns: %1, "
                                                  "%2, and %3, %4, %5 for CUSTOM")
                          .arg(columnName(AgendaColumns::Name), columnName(AgendaColumns::Category),
                               columnName(AgendaColumns::Green), columnName(AgendaColumns::Yellow),
                               columnName(AgendaColumns::Red))};
    return std::nullopt;
}

std::optional<int> rowOf(const QString &typed, std::optional<Reason> &why)
{
    const QString category = typed.simplified();
    const bool number =
        !category.isEmpty() && std::all_of(category.begin(), category.end(),
                                           [](QChar c) { return c >= u'0' && c <= u'9'; });
    // The rows' names as the program writes them, in English, and as its language shows them.
    const auto named = [&category](int row) {
        return PlannedSpeech::inRow({}, row).description().startsWith(category,
                                                                      Qt::CaseInsensitive) ||
               SpeechCategories::shownName(row).startsWith(category, Qt::CaseInsensitive);
    };
    QList<int> rows;
    for (int row = SpeechCategories::FirstRow; row <= SpeechCategories::RowCount; ++row) {
        if (number ? category == QString::number(row) : !category.isEmpty() && named(row))
            rows << row;
    }
    if (rows.size() == 1)
        return rows.front();
    if (rows.isEmpty()) {
        QStringList choices;
        for (int row = SpeechCategories::FirstRow; row <= SpeechCategories::RowCount; ++row)
            choices << QCoreApplication::translate("AgendaReader", "%1 %2")
                           .arg(row)
                           .arg(SpeechCategories::shownName(row));
        why = {Problem::UnknownCategory,
               QCoreApplication::translate("AgendaReader",
                                           "Unknown category \"%1\": give a row's number or the "
                                           "start of its name: %2")
                   .arg(category, choices.join(QCoreApplication::translate("AgendaReader", "; ")))};
    } else {
        QStringList descriptions;
        for (const int row : rows)
            descriptions << SpeechCategories::shownName(row);
        why = {Problem::AmbiguousCategory,
               QCoreApplication::translate("AgendaReader", "\"%1\" could be %2")
                   .arg(category,
                        descriptions.join(QCoreApplication::translate("AgendaReader", " or ")))};
    }
    return std::nullopt;
}

// A threshold in seconds as the time boxes take it, M:SS or MM:SS; 0 when blank. Anything the
// box would drop or read otherwise is not a time, so nothing is silently changed.
std::optional<int> typedSeconds(const QString &field)
{
    // Spreadsheets write a duration as a time of day: "0:05:00" is five minutes.
    static const QRegularExpression zeroHours(QStringLiteral("^0{1,2}:(?=\\d+:\\d+$)"));
    const QString text = field.trimmed().remove(zeroHours);
    if (text.isEmpty())
        return 0;
    qsizetype colon = -1;
    qsizetype digits[2] = {0, 0};
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype at = i;
        const char32_t c = TimeText::nextCodePoint(text, i);
        if (TimeText::isSeparator(c) && colon < 0)
            colon = at;
        else if (QChar::isDigit(c))
            ++digits[colon < 0 ? 0 : 1];
        else
            return std::nullopt;
    }
    if (colon < 0 || digits[0] < 1 || digits[0] > TimeText::MinutePlaces ||
        digits[1] != TimeText::SecondPlaces)
        return std::nullopt;
    qint16 minutes = 0, seconds = 0;
    const int total =
        SpeechCategories::thresholdSeconds(TimeText::timeOf(text, colon), minutes, seconds);
    if (seconds >= SpeechCategories::SecondsPerMinute)
        return std::nullopt;
    return total;
}

QString thresholdName(int index)
{
    return columnName(AgendaColumns::FirstThreshold + index);
}

QString ownThresholds(const PlannedSpeech &speech)
{
    QStringList texts;
    for (const int seconds : speech.thresholdSeconds) {
        if (seconds > 0)
            texts << clockText(seconds);
    }
    return texts.isEmpty()
               ? QCoreApplication::translate("AgendaReader", "none, the test speed sets them")
               : texts.join(QCoreApplication::translate("AgendaReader", ", "));
}

std::optional<Reason> readThresholds(const Record &record, const Layout &layout,
                                     PlannedSpeech &speech)
{
    std::array<int, 3> typed{};
    bool given = false;
    for (int i = 0; i < int(typed.size()); ++i) {
        const qsizetype at = layout.field[AgendaColumns::FirstThreshold + i];
        const QString text = at >= 0 && at < record.fields.size() ? record.fields[at] : QString();
        const std::optional<int> seconds = typedSeconds(text);
        if (!seconds)
            return Reason{Problem::NotATime,
                          QCoreApplication::translate(
                              "AgendaReader", "The %1 threshold \"%2\" is not a time (M:SS)")
                              .arg(thresholdName(i), text.trimmed())};
        typed[i] = *seconds;
        given |= *seconds > 0;
    }
    if (!speech.isCustom()) {
        for (std::size_t i = 0; i < typed.size(); ++i) {
            if (typed[i] != 0 && typed[i] != speech.thresholdSeconds[i])
                return Reason{
                    Problem::NotTheRowsThresholds,
                    QCoreApplication::translate(
                        "AgendaReader",
                        "%1 has thresholds of its own (%2); only a CUSTOM speech takes "
                        "others")
                        .arg(SpeechCategories::shownName(speech.rowIndex), ownThresholds(speech))};
        }
        return std::nullopt;
    }
    if (std::find(typed.begin(), typed.end(), 0) != typed.end())
        return Reason{
            Problem::CustomWithoutThresholds,
            QCoreApplication::translate(
                "AgendaReader", "A CUSTOM speech needs its green, yellow and red thresholds")};
    if (!(typed[0] < typed[1] && typed[1] < typed[2]))
        return Reason{Problem::OutOfOrder,
                      QCoreApplication::translate(
                          "AgendaReader",
                          "The thresholds are out of order: green, yellow and red must rise")};
    speech.thresholdSeconds = typed;
    return std::nullopt;
}

std::optional<Reason> readSpeech(const Record &record, const Layout &layout, PlannedSpeech &speech)
{
    if (record.brokenQuotes)
        return Reason{Problem::BrokenQuotes,
                      QCoreApplication::translate("AgendaReader",
                                                  "A quoted field does not end where it should")};
    if (record.fields.size() < layout.needed())
        return Reason{Problem::TooFewColumns,
                      QCoreApplication::translate("AgendaReader",
                                                  "Too few columns: a name and a category needed")};
    const QString name =
        SpeakerName::cleaned(CsvText::unguarded(record.fields[layout.field[AgendaColumns::Name]]));
    if (name != SpeakerName::cleanedAndCut(name))
        return Reason{
            Problem::NameTooLong,
            QCoreApplication::translate("AgendaReader", "The name is longer than %1 characters")
                .arg(SpeakerName::MaxLength)};
    std::optional<Reason> why;
    const std::optional<int> row = rowOf(record.fields[layout.field[AgendaColumns::Category]], why);
    if (!row)
        return why;
    if (!SpeechCategories::isPlannable(*row))
        return Reason{Problem::Rehearsal,
                      QCoreApplication::translate("AgendaReader",
                                                  "A rehearsal (the TEST row) is not planned")};
    speech = PlannedSpeech::inRow(name, *row);
    return readThresholds(record, layout, speech);
}

// The text as records; a first record that names the columns is the header, and a text that
// must have one is refused without it.
AgendaReading readText(QString text, QChar separator, bool headerRequired)
{
    if (text.size() > AgendaReader::MaxFileBytes)
        return tooLarge();
    if (std::any_of(text.cbegin(), text.cend(), [](QChar c) { return isControl(c.unicode()); }))
        return binary();
    text.replace(QStringLiteral("\r\n"), QString(LineEnd)).replace(u'\r', LineEnd);
    if (separator.isNull()) {
        const QString header = firstLine(text);
        separator = header.count(Semicolon) > header.count(Comma) ? Semicolon : Comma;
    }
    AgendaReading reading;
    Layout layout = orderedLayout();
    bool first = true;
    // A header, and one line too many.
    const QList<Record> records =
        splitRecords(text, separator, SpeechCategories::MaxPlannedSpeeches + 1);
    if (records.size() > SpeechCategories::MaxPlannedSpeeches + 1 ||
        (records.size() > SpeechCategories::MaxPlannedSpeeches && !headerRequired &&
         !namesColumns(records.first())))
        return tooMany();
    for (const Record &record : records) {
        if (std::exchange(first, false) && (headerRequired || namesColumns(record))) {
            if (const std::optional<Reason> why = readHeader(record, layout))
                return {{}, {{record.lineNumber, record.text, why->text, why->problem}}};
            continue;
        }
        PlannedSpeech speech;
        if (const std::optional<Reason> why = readSpeech(record, layout, speech))
            reading.rejected << RejectedLine{record.lineNumber, record.text, why->text,
                                             why->problem};
        else
            reading.speeches << speech;
    }
    return reading;
}

} // namespace

namespace AgendaReader {

AgendaReading readPasted(const QString &text)
{
    return readText(text, Tab, false);
}

AgendaReading readCsv(const QByteArray &bytes, Encoding encoding)
{
    if (bytes.size() > MaxFileBytes)
        return tooLarge();
    const bool utf16 =
        std::any_of(std::begin(Utf16Marks), std::end(Utf16Marks),
                    [&bytes](const QByteArray &mark) { return bytes.startsWith(mark); });
    if (utf16)
        return notUtf8();
    if (bytes.contains('\0'))
        return binary();
    if (encoding == Encoding::Windows1252) {
        const std::optional<QString> text = fromWindows1252(bytes);
        return text ? readText(*text, QChar(), true) : notUtf8();
    }
    QStringDecoder decoder(QStringConverter::Utf8);
    const QString text = decoder.decode(bytes);
    if (!decoder.hasError())
        return readText(text, QChar(), true);
    if (fromWindows1252(bytes))
        return refused(
            Problem::Windows1252,
            QCoreApplication::translate(
                "AgendaReader", "Not UTF-8 text; it reads as Western European (Windows-1252)"));
    return notUtf8();
}

AgendaReading readCsvFile(const QString &path, Encoding encoding)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(Problem::Unreadable,
                       QCoreApplication::translate("AgendaReader", "Cannot read the file: %1")
                           .arg(file.errorString()));
    // A size the file system does not know (a pipe) is found out by reading one byte too many.
    if (file.size() > MaxFileBytes)
        return tooLarge();
    return readCsv(file.read(MaxFileBytes + 1), encoding);
}

} // namespace AgendaReader
