// SPDX-License-Identifier: MIT
#include "report/reporttext.h"

#include "report/speechlabels.h"
#include "timing/clocktext.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ReportText", text);
}

QString sentence(const SpeechRecord &speech)
{
    if (speech.rehearsal)
        return tr("rehearsal");
    if (speech.mistakenStart)
        return tr("mistaken start");
    return speech.verdict().sentence();
}

bool missed(const SpeechRecord &speech)
{
    const Verdict::Kind kind = speech.verdict().kind;
    return !speech.mistakenStart && (kind == Verdict::Kind::Under || kind == Verdict::Kind::Over);
}

const QString CsvSpecials = QStringLiteral(",\"\r\n");
// A spreadsheet runs a cell that starts with one of these as a formula.
const QString FormulaStarts = QStringLiteral("=+-@\t\r");

QString csvField(const QString &text)
{
    const bool quote =
        std::any_of(text.begin(), text.end(), [](QChar c) { return CsvSpecials.contains(c); });
    if (!quote)
        return text;
    return u'"' + QString(text).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

// Typed text kept as text: a name like "=SUM(A1)" is shown, never run.
QString csvText(const QString &text)
{
    const bool formula = !text.isEmpty() && FormulaStarts.contains(text.front());
    return csvField(formula ? u'\'' + text : text);
}

QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

} // namespace

QString ReportText::readAloud(const QList<SpeechRecord> &speeches)
{
    QStringList lines;
    QStringList notQualified;
    bool anyQualified = false;
    int number = 0;
    for (const SpeechRecord &speech : speeches) {
        const QString category = SpeechLabels::category(speech);
        const QString who = speech.speakerName.isEmpty()
                                ? category
                                : speech.speakerName + QStringLiteral(", ") + category;
        lines << QStringLiteral("%1. %2: %3, %4")
                     .arg(++number)
                     .arg(who, clockText(speech.elapsedSeconds), sentence(speech));
        if (missed(speech))
            notQualified << QStringLiteral("%1 (%2)").arg(SpeechLabels::who(speech),
                                                          speech.verdict().sentence());
        else if (!speech.mistakenStart && speech.verdict().kind == Verdict::Kind::Qualified)
            anyQualified = true;
    }
    if (!notQualified.isEmpty())
        lines << tr("Did not qualify: %1.").arg(notQualified.join(QStringLiteral("; ")));
    else if (anyQualified)
        lines << tr("Everyone qualified.");
    return lines.join(u'\n') + (lines.isEmpty() ? QString() : QStringLiteral("\n"));
}

QByteArray ReportText::csv(const QList<SpeechRecord> &speeches)
{
    static const QStringList header{QStringLiteral("Started"),     QStringLiteral("Speaker"),
                                    QStringLiteral("Category"),    QStringLiteral("Green"),
                                    QStringLiteral("Green (s)"),   QStringLiteral("Yellow"),
                                    QStringLiteral("Yellow (s)"),  QStringLiteral("Red"),
                                    QStringLiteral("Red (s)"),     QStringLiteral("Elapsed"),
                                    QStringLiteral("Elapsed (s)"), QStringLiteral("Lamp reached"),
                                    QStringLiteral("Verdict"),     QStringLiteral("Grace (s)"),
                                    QStringLiteral("Rehearsal"),   QStringLiteral("Mistaken start"),
                                    QStringLiteral("Stopped")};
    QString out = QChar(0xFEFF) + header.join(u',') + QStringLiteral("\r\n");
    for (const SpeechRecord &s : speeches) {
        QStringList fields{s.startedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                           csvText(s.speakerName), csvText(s.description.trimmed())};
        for (const int seconds : s.thresholdSeconds)
            fields << clockText(seconds) << QString::number(seconds);
        fields << clockText(s.elapsedSeconds) << QString::number(s.elapsedSeconds)
               << SpeechLabels::lamp(s.lampReached) << csvField(SpeechLabels::verdict(s))
               << QString::number(s.graceSeconds) << yesNo(s.rehearsal) << yesNo(s.mistakenStart)
               << yesNo(s.stopped);
        out += fields.join(u',') + QStringLiteral("\r\n");
    }
    return out.toUtf8();
}
