// SPDX-License-Identifier: MIT
#pragma once

#include "record/meeting.h"
#include "record/speechrecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The report in the forms it is handed on as text, and the words the page shares with them.
namespace ReportText {

// "Mon 7 Dec 2026, 19:30", the meeting's name in the picker, the window's title and on paper.
QString meetingWhen(const Meeting &meeting);
// "5 speeches: 3 qualified, 1 under time, 1 over time"; rehearsals and mistaken starts apart.
QString summary(const QList<SpeechRecord> &speeches);
// The grace every judged speech had, when they all had the same one.
std::optional<int> commonGrace(const QList<SpeechRecord> &speeches);
// "set by hand" for a speech changed or added after the timer recorded it; empty otherwise.
QString handMark(const SpeechRecord &speech);
// The verdict as the table words it, the hand's mark after it.
QString markedVerdict(const SpeechRecord &speech);

// "Club of the Lectern, Mon 7 Dec 2026, 19:30": the meeting's title (or "Timer's Report") and
// time, as a document's title.
QString documentTitle(const Meeting &meeting);

// The head of the copied text and of each page: the title (or "Timer's Report"), the meeting's
// time and its timer, the summary with the grace when it is one for all.
QStringList heading(const Meeting &meeting, const QList<SpeechRecord> &speeches);

// As the timer reads it out: the heading, one line per speech, "1. Ann Lee, Ice Breaker Speech
// (4 to 6 Minutes): 5:42, qualified", then who did not qualify. A speech's grace is told with it
// when the meeting's speeches had different ones.
QString readAloud(const Meeting &meeting, const QList<SpeechRecord> &speeches);

// RFC 4180 in UTF-8 (with a byte order mark, so spreadsheets take it as UTF-8), a header row,
// CRLF line ends, seconds as numbers and M:SS as text; the meeting's title and timer in columns
// of their own.
QByteArray csv(const Meeting &meeting, const QList<SpeechRecord> &speeches);

} // namespace ReportText
