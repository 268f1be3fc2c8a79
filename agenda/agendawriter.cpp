// SPDX-License-Identifier: MIT
#include "agenda/agendawriter.h"

#include "agenda/agendacolumns.h"
#include "agenda/csvtext.h"
#include "timing/clocktext.h"

#include <QStringList>

namespace {

const QString LineEnd = QStringLiteral("\r\n");
constexpr QChar Separator = u',';
constexpr QChar ByteOrderMark = QChar(0xFEFF);

// A name that starts with the guard is guarded too, or reading would take its first character
// for the guard.
QString nameCell(const QString &name)
{
    if (name.startsWith(CsvText::Guard))
        return CsvText::field(CsvText::Guard + name);
    return CsvText::text(name);
}

} // namespace

namespace AgendaWriter {

QByteArray csv(const QList<PlannedSpeech> &speeches)
{
    QStringList header;
    for (const char *name : AgendaColumns::Names)
        header << QLatin1String(name);
    QString out = ByteOrderMark + header.join(Separator) + LineEnd;
    for (const PlannedSpeech &speech : speeches) {
        QStringList fields{nameCell(speech.speakerName), CsvText::field(speech.description())};
        for (const int seconds : speech.thresholdSeconds)
            fields << (speech.isCustom() ? clockText(seconds) : QString());
        out += fields.join(Separator) + LineEnd;
    }
    return out.toUtf8();
}

} // namespace AgendaWriter
