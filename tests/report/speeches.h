// SPDX-License-Identifier: MIT
#pragma once

#include "record/speechrecord.h"

#include <QDateTime>
#include <QMetaType>
#include <QTimeZone>

Q_DECLARE_METATYPE(SpeechRecord)

// Speeches as the timer records them, for the report's tests.
namespace Speeches {

inline const QDateTime MeetingStart(QDate(2026, 12, 7), QTime(19, 30), QTimeZone(3600));

// An Ice Breaker (4 to 6 minutes) started the given minutes into the meeting.
inline SpeechRecord iceBreaker(int minute, int elapsedSeconds, const QString &name = QString(),
                               int graceSeconds = 30)
{
    const auto run = SpeechRecord::started(MeetingStart.addSecs(minute * 60), 1,
                                           QStringLiteral("Ice Breaker Speech   (4 to 6 Minutes)"),
                                           {"04:00", "05:00", "06:00"}, {240, 300, 360}, false);
    const auto lamp = elapsedSeconds >= 360   ? SpeechRecord::Lamp::Red
                      : elapsedSeconds >= 300 ? SpeechRecord::Lamp::Yellow
                      : elapsedSeconds >= 240 ? SpeechRecord::Lamp::Green
                                              : SpeechRecord::Lamp::None;
    SpeechRecord s = SpeechRecord::finished(run, elapsedSeconds, lamp, true, graceSeconds);
    s.speakerName = name;
    return s;
}

// The TEST row at FAST speed: a rehearsal.
inline SpeechRecord rehearsal(int minute)
{
    const auto run =
        SpeechRecord::started(MeetingStart.addSecs(minute * 60), 7, QStringLiteral("Timer TEST"),
                              {"00:01", "00:02", "00:03"}, {1, 2, 3}, true);
    return SpeechRecord::finished(run, 4, SpeechRecord::Lamp::Red, true, 30);
}

// The CUSTOM row with no thresholds typed.
inline SpeechRecord custom(int minute, int elapsedSeconds)
{
    const auto run =
        SpeechRecord::started(MeetingStart.addSecs(minute * 60), 6, QStringLiteral("CUSTOM Events"),
                              {"00:00", "00:00", "00:00"}, {0, 0, 0}, false);
    return SpeechRecord::finished(run, elapsedSeconds, SpeechRecord::Lamp::None, true, 30);
}

} // namespace Speeches
