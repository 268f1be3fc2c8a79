// SPDX-License-Identifier: MIT
#include "agenda/plannedspeech.h"

#include "timing/clocktext.h"
#include "timing/timetext.h"

namespace {

int defaultSeconds(const char *text)
{
    if (!text)
        return 0;
    qint16 minutes = 0, seconds = 0;
    return SpeechCategories::thresholdSeconds(QString::fromLatin1(text), minutes, seconds);
}

} // namespace

PlannedSpeech PlannedSpeech::inRow(const QString &speakerName, int rowIndex)
{
    const SpeechCategories::Thresholds &own = SpeechCategories::row(rowIndex).defaults;
    return {speakerName,
            rowIndex,
            {defaultSeconds(own.green), defaultSeconds(own.yellow), defaultSeconds(own.red)}};
}

PlannedSpeech PlannedSpeech::custom(const QString &speakerName, const std::array<int, 3> &seconds)
{
    return {speakerName, SpeechCategories::CustomRow, seconds};
}

QString PlannedSpeech::description() const
{
    return QString::fromLatin1(SpeechCategories::row(rowIndex).EventName).simplified();
}

std::array<QString, 3> PlannedSpeech::thresholdTexts() const
{
    std::array<QString, 3> texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (thresholdSeconds[i] == 0)
            continue;
        // As the box shows the time pasted into it.
        const QString clock = clockText(thresholdSeconds[i]);
        texts[i] = TimeText::timeOf(clock, clock.indexOf(QLatin1Char(TimeText::Separator)));
    }
    return texts;
}
