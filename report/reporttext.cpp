// SPDX-License-Identifier: MIT
#include "report/reporttext.h"

#include "agenda/csvtext.h"
#include "report/speechlabels.h"
#include "timing/clocktext.h"
#include "timing/speechcategories.h"

#include <QCoreApplication>
#include <QLocale>
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
        return QCoreApplication::translate("ReportText", "rehearsal");
    if (speech.mistakenStart)
        return QCoreApplication::translate("ReportText", "mistaken start");
    return speech.verdict().sentence();
}

// A CUSTOM speech's category says its minutes, as the other rows' names do.
QString spokenCategory(const SpeechRecord &speech)
{
    const QString category = SpeechLabels::category(speech);
    const auto &t = speech.thresholdSeconds;
    const auto first = std::find_if(t.begin(), t.end(), [](int seconds) { return seconds > 0; });
    if (speech.rowIndex != SpeechCategories::CustomRow || first == t.end())
        return category;
    return QCoreApplication::translate("ReportText", "%1 (%2 to %3)")
        .arg(category, clockText(*first), clockText(*std::max_element(t.begin(), t.end())));
}

bool missed(const SpeechRecord &speech)
{
    const Verdict::Kind kind = speech.verdict().kind;
    return !speech.mistakenStart && (kind == Verdict::Kind::Under || kind == Verdict::Kind::Over);
}

// Cells are written as the agenda's are.
constexpr auto csvField = &CsvText::field;
constexpr auto csvText = &CsvText::text;

QString yesNo(bool value)
{
    return value ? QStringLiteral("yes") : QStringLiteral("no");
}

} // namespace

QString ReportText::meetingWhen(const Meeting &meeting)
{
    //: The meeting's day and time in QDateTime's format: "Mon 7 Dec 2026, 19:30"
    return QLocale().toString(meeting.startedAt, tr("ddd d MMM yyyy, HH:mm"));
}

QString ReportText::summary(const QList<SpeechRecord> &speeches)
{
    int count = 0, qualified = 0, under = 0, over = 0;
    for (const SpeechRecord &s : speeches) {
        if (s.rehearsal || s.mistakenStart)
            continue;
        ++count;
        switch (s.verdict().kind) {
        case Verdict::Kind::Qualified:
            ++qualified;
            break;
        case Verdict::Kind::Under:
            ++under;
            break;
        case Verdict::Kind::Over:
            ++over;
            break;
        case Verdict::Kind::NoLimits:
        case Verdict::Kind::None:
            break;
        }
    }
    if (count == 0)
        return tr("No speeches");
    const QString speechCount = count == 1 ? tr("1 speech") : tr("%1 speeches").arg(count);
    return tr("%1: %2 qualified, %3 under time, %4 over time")
        .arg(speechCount)
        .arg(qualified)
        .arg(under)
        .arg(over);
}

std::optional<int> ReportText::commonGrace(const QList<SpeechRecord> &speeches)
{
    std::optional<int> grace;
    for (const SpeechRecord &s : speeches) {
        if (!SpeechLabels::judged(s))
            continue;
        if (grace && *grace != s.graceSeconds)
            return std::nullopt;
        grace = s.graceSeconds;
    }
    return grace;
}

QString ReportText::handMark(const SpeechRecord &speech)
{
    return speech.byHand == SpeechRecord::ByHand::No ? QString() : tr("set by hand");
}

QString ReportText::markedVerdict(const SpeechRecord &speech)
{
    const QString mark = handMark(speech);
    return SpeechLabels::verdict(speech) +
           (mark.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(mark));
}

QString ReportText::documentTitle(const Meeting &meeting)
{
    const QString title = meeting.title.isEmpty() ? tr("Timer's Report") : meeting.title;
    return meeting.startedAt.isValid() ? tr("%1, %2").arg(title, meetingWhen(meeting)) : title;
}

QStringList ReportText::heading(const Meeting &meeting, const QList<SpeechRecord> &speeches)
{
    QStringList lines{meeting.title.isEmpty() ? tr("Timer's Report") : meeting.title};
    QString when =
        meeting.startedAt.isValid() ? tr("Meeting of %1").arg(meetingWhen(meeting)) : QString();
    if (!meeting.timerName.isEmpty())
        when += (when.isEmpty() ? QString() : QStringLiteral("; ")) +
                tr("timer: %1").arg(meeting.timerName);
    if (!when.isEmpty())
        lines << when;
    QString counts = summary(speeches);
    if (const std::optional<int> grace = commonGrace(speeches))
        counts += tr("; grace: %1").arg(SpeechLabels::grace(*grace).toLower());
    lines << counts;
    return lines;
}

QString ReportText::readAloud(const Meeting &meeting, const QList<SpeechRecord> &speeches)
{
    QStringList lines = heading(meeting, speeches);
    QStringList notQualified;
    QStringList setByHand;
    bool anyQualified = false;
    const bool graceEach = !commonGrace(speeches) && !speeches.isEmpty();
    int number = 0;
    for (const SpeechRecord &speech : speeches) {
        const QString category = spokenCategory(speech);
        const QString who = speech.speakerName.isEmpty()
                                ? category
                                : speech.speakerName + QStringLiteral(", ") + category;
        QString line = QStringLiteral("%1. %2: %3, %4")
                           .arg(++number)
                           .arg(who, clockText(speech.elapsedSeconds), sentence(speech));
        if (graceEach && SpeechLabels::judged(speech))
            line += tr(" (grace: %1)").arg(SpeechLabels::grace(speech.graceSeconds).toLower());
        // Told once at the end, not in the middle of a line read out.
        if (!handMark(speech).isEmpty())
            setByHand << SpeechLabels::who(speech);
        lines << line;
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
    if (!setByHand.isEmpty())
        lines << tr("Set by hand after timing: %1.").arg(setByHand.join(QStringLiteral("; ")));
    return lines.join(u'\n') + QStringLiteral("\n");
}

QByteArray ReportText::csv(const Meeting &meeting, const QList<SpeechRecord> &speeches)
{
    // The headings and the yes and no stay English in every language: programs read them.
    static const QStringList header{QStringLiteral("Started"),        QStringLiteral("Speaker"),
                                    QStringLiteral("Category"),       QStringLiteral("Green"),
                                    QStringLiteral("Green (s)"),      QStringLiteral("Yellow"),
                                    QStringLiteral("Yellow (s)"),     QStringLiteral("Red"),
                                    QStringLiteral("Red (s)"),        QStringLiteral("Elapsed"),
                                    QStringLiteral("Elapsed (s)"),    QStringLiteral("Lamp"),
                                    QStringLiteral("Verdict"),        QStringLiteral("Set by hand"),
                                    QStringLiteral("Grace (s)"),      QStringLiteral("Rehearsal"),
                                    QStringLiteral("Mistaken start"), QStringLiteral("Stopped"),
                                    QStringLiteral("Meeting"),        QStringLiteral("Timer")};
    QString out = QChar(0xFEFF) + header.join(u',') + QStringLiteral("\r\n");
    for (const SpeechRecord &s : speeches) {
        QStringList fields{s.startedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                           csvText(s.speakerName), csvText(SpeechLabels::category(s))};
        for (const int seconds : s.thresholdSeconds)
            fields << clockText(seconds) << QString::number(seconds);
        fields << clockText(s.elapsedSeconds) << QString::number(s.elapsedSeconds)
               << SpeechLabels::lamp(s.lampReached) << csvField(SpeechLabels::verdict(s))
               << yesNo(s.byHand != SpeechRecord::ByHand::No) << QString::number(s.graceSeconds)
               << yesNo(s.rehearsal) << yesNo(s.mistakenStart) << yesNo(s.stopped)
               << csvText(meeting.title) << csvText(meeting.timerName);
        out += fields.join(u',') + QStringLiteral("\r\n");
    }
    return out.toUtf8();
}
