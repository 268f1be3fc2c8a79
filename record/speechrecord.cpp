// SPDX-License-Identifier: MIT
#include "record/speechrecord.h"

#include "record/planentry.h"
#include "timing/speechcategories.h"

SpeechRecord SpeechRecord::started(const QDateTime &startedAt, int rowIndex,
                                   const QString &description,
                                   const std::array<QString, 3> &thresholdTexts,
                                   const std::array<int, 3> &thresholdSeconds, bool rehearsal)
{
    SpeechRecord run;
    run.startedAt = startedAt;
    run.rowIndex = rowIndex;
    run.description = description.simplified();
    run.thresholdTexts = thresholdTexts;
    run.thresholdSeconds = thresholdSeconds;
    run.rehearsal = rehearsal;
    return run;
}

SpeechRecord SpeechRecord::finished(SpeechRecord run, int elapsedSeconds, Lamp lampReached,
                                    bool stopped, int graceSeconds)
{
    run.elapsedSeconds = elapsedSeconds;
    run.lampReached = lampReached;
    run.stopped = stopped;
    run.graceSeconds = graceSeconds;
    run.mistakenStart = elapsedSeconds < MistakenStartSeconds && lampReached == Lamp::None;
    return run;
}

SpeechRecord SpeechRecord::addedByHand(const QDateTime &startedAt, int rowIndex,
                                       const std::array<int, 3> &thresholdSeconds,
                                       int elapsedSeconds, int graceSeconds)
{
    std::array<QString, 3> texts;
    for (size_t i = 0; i < texts.size(); ++i)
        texts[i] = PlanEntry::thresholdText(thresholdSeconds[i]);
    SpeechRecord speech =
        finished(started(startedAt, rowIndex, rowDescription(rowIndex), texts, thresholdSeconds,
                         rowIndex == SpeechCategories::TestRow),
                 elapsedSeconds, lampFor(thresholdSeconds, elapsedSeconds), true, graceSeconds);
    speech.byHand = ByHand::Added;
    return speech;
}

QString SpeechRecord::rowDescription(int rowIndex)
{
    if (rowIndex < SpeechCategories::FirstRow ||
        rowIndex >= SpeechCategories::FirstRow + SpeechCategories::RowCount)
        return QString();
    return SpeechCategories::shownName(rowIndex);
}

SpeechRecord::Lamp SpeechRecord::lampFor(const std::array<int, 3> &thresholdSeconds,
                                         int elapsedSeconds)
{
    // A zero threshold lights no lamp.
    Lamp lamp = Lamp::None;
    for (size_t i = 0; i < thresholdSeconds.size(); ++i) {
        if (thresholdSeconds[i] > 0 && elapsedSeconds >= thresholdSeconds[i])
            lamp = Lamp(i + 1);
    }
    return lamp;
}
