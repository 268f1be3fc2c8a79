// SPDX-License-Identifier: MIT
#include "report/speechlabels.h"

#include "timing/clocktext.h"

#include <QCoreApplication>

#include <array>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("SpeechLabels", text);
}

const std::array<const char *, SpeechLabels::ColumnCount> Headings{
    QT_TRANSLATE_NOOP("SpeechLabels", "Time"),     QT_TRANSLATE_NOOP("SpeechLabels", "Speaker"),
    QT_TRANSLATE_NOOP("SpeechLabels", "Category"), QT_TRANSLATE_NOOP("SpeechLabels", "Green"),
    QT_TRANSLATE_NOOP("SpeechLabels", "Yellow"),   QT_TRANSLATE_NOOP("SpeechLabels", "Red"),
    QT_TRANSLATE_NOOP("SpeechLabels", "Elapsed"),  QT_TRANSLATE_NOOP("SpeechLabels", "Lamp"),
    QT_TRANSLATE_NOOP("SpeechLabels", "Verdict"),  QT_TRANSLATE_NOOP("SpeechLabels", "Grace")};

} // namespace

QString SpeechLabels::category(const SpeechRecord &speech)
{
    return speech.description.simplified();
}

QString SpeechLabels::who(const SpeechRecord &speech)
{
    return speech.speakerName.isEmpty() ? category(speech) : speech.speakerName;
}

QString SpeechLabels::lamp(SpeechRecord::Lamp lamp)
{
    switch (lamp) {
    case SpeechRecord::Lamp::Green:
        return tr("Green");
    case SpeechRecord::Lamp::Yellow:
        return tr("Yellow");
    case SpeechRecord::Lamp::Red:
        return tr("Red");
    case SpeechRecord::Lamp::None:
        break;
    }
    return tr("None");
}

QString SpeechLabels::threshold(int seconds)
{
    return seconds > 0 ? clockText(seconds) : QString();
}

QString SpeechLabels::verdict(const SpeechRecord &speech)
{
    if (speech.rehearsal)
        return tr("Rehearsal");
    if (speech.mistakenStart)
        return tr("Mistaken start");
    QString sentence = speech.verdict().sentence();
    if (!sentence.isEmpty())
        sentence[0] = sentence[0].toUpper();
    return sentence;
}

QString SpeechLabels::grace(int seconds)
{
    return seconds > 0 ? tr("%1 s").arg(seconds) : tr("None");
}

bool SpeechLabels::judged(const SpeechRecord &speech)
{
    if (speech.rehearsal || speech.mistakenStart)
        return false;
    const Verdict::Kind kind = speech.verdict().kind;
    return kind == Verdict::Kind::Qualified || kind == Verdict::Kind::Under ||
           kind == Verdict::Kind::Over;
}

QColor SpeechLabels::verdictColor(const SpeechRecord &speech)
{
    if (speech.rehearsal || speech.mistakenStart)
        return QColor(0x70, 0x70, 0x70);
    switch (speech.verdict().kind) {
    case Verdict::Kind::Qualified:
        return QColor(0x1b, 0x7a, 0x2e);
    case Verdict::Kind::Under:
        return QColor(0xa8, 0x5c, 0x00);
    case Verdict::Kind::Over:
        return QColor(0xc0, 0x1c, 0x1c);
    case Verdict::Kind::NoLimits:
    case Verdict::Kind::None:
        break;
    }
    return QColor(0x70, 0x70, 0x70);
}

QString SpeechLabels::heading(int column)
{
    return column >= 0 && column < ColumnCount ? tr(Headings[column]) : QString();
}

QString SpeechLabels::cell(const SpeechRecord &speech, int column)
{
    switch (column) {
    case Time:
        return speech.startedAt.toString(QStringLiteral("HH:mm"));
    case Speaker:
        return speech.speakerName;
    case Category:
        return category(speech);
    case Green:
    case Yellow:
    case Red:
        return threshold(speech.thresholdSeconds[std::size_t(column - Green)]);
    case Elapsed:
        return clockText(speech.elapsedSeconds);
    case Lamp:
        return lamp(speech.lampReached);
    case VerdictColumn:
        return verdict(speech);
    case Grace:
        return grace(speech.graceSeconds);
    default:
        break;
    }
    return QString();
}
