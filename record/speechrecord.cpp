// SPDX-License-Identifier: MIT
#include "record/speechrecord.h"

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
