// SPDX-License-Identifier: MIT
#include "record/planentry.h"

#include "timing/speechcategories.h"

PlanEntry PlanEntry::make(const QString &speakerName, int rowIndex,
                          const std::array<int, 3> &thresholdSeconds)
{
    PlanEntry entry;
    entry.speakerName = speakerName;
    entry.rowIndex = rowIndex;
    entry.thresholdSeconds = thresholdSeconds;
    for (size_t i = 0; i < thresholdSeconds.size(); ++i)
        entry.thresholdTexts[i] = thresholdText(thresholdSeconds[i]);
    return entry;
}

QString PlanEntry::thresholdText(int seconds)
{
    const int perMinute = SpeechCategories::SecondsPerMinute;
    return QStringLiteral("%1:%2")
        .arg(seconds / perMinute, 2, 10, QLatin1Char('0'))
        .arg(seconds % perMinute, 2, 10, QLatin1Char('0'));
}

QString PlanEntry::description() const
{
    return SpeechRecord::rowDescription(rowIndex);
}
