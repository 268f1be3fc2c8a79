// SPDX-License-Identifier: MIT
#pragma once

#include "record/speechedit.h"
#include "record/speechrecord.h"
#include "timing/speechcategories.h"

#include <QString>

class QSqlError;
class QSqlQuery;
class QVariant;

// What the store's own sources share; nothing outside the store includes it.
namespace StoreInternals {

// How long the write at STOP, or an edit from the report, may wait for another copy's lock: that
// copy's one-speech transaction takes a few milliseconds, one flush of the log included, so this
// covers it many times over, while the time STOP shows is late by a quarter of a second at most.
inline constexpr int StopBusyTimeoutMs = 250;
// Everything else, the retries above all, runs while a speech is timed and never waits for a
// lock: a speech the file cannot take at once stays in memory until the next retry.
inline constexpr int NeverWaitMs = 0;

QString describe(const QSqlError &error);

// Runs a statement to its very end and returns its error. A statement that hands back rows
// (RETURNING, a checkpoint's) may fail only as its last row is read, and a COMMIT's failure
// (a full disk) must never pass for success: every write of the store goes through here.
QSqlError runToEnd(QSqlQuery &q);
QSqlError runToEnd(QSqlQuery &q, const QString &statement);

// A null text would be stored as NULL; the record's texts are empty at worst.
QVariant storedText(const QString &text);

inline bool isCategoryRow(int rowIndex)
{
    return rowIndex >= SpeechCategories::FirstRow &&
           rowIndex < SpeechCategories::FirstRow + SpeechCategories::RowCount;
}

// A change by hand (category, time, back to as timed) made to the speech as the file has it or
// as it is shown while the change waits.
void applyCorrection(SpeechRecord &s, const SpeechEdit &e);

} // namespace StoreInternals
