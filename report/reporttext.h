// SPDX-License-Identifier: MIT
#pragma once

#include "record/speechrecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The report in the forms it is handed on as text.
namespace ReportText {

// As the timer reads it out: one line per speech, "1. Ann Lee, Ice Breaker Speech: 5:42,
// qualified", then who did not qualify.
QString readAloud(const QList<SpeechRecord> &speeches);

// RFC 4180 in UTF-8 (with a byte order mark, so spreadsheets take it as UTF-8), a header row,
// CRLF line ends, seconds as numbers and M:SS as text.
QByteArray csv(const QList<SpeechRecord> &speeches);

} // namespace ReportText
