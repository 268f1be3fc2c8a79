// SPDX-License-Identifier: MIT
#pragma once

#include "record/speechrecord.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// One speech of the meeting's plan as the record keeps it: who speaks, in which category row,
// judged by which thresholds, and the speech once it is timed.
struct PlanEntry
{
    qint64 id = 0; // chosen by the store as the row is added, so a row waiting in memory has one
    QString speakerName;
    int rowIndex = 1;                      // the category row, 1 to 7
    std::array<QString, 3> thresholdTexts; // green, yellow, red as the time boxes take them
    std::array<int, 3> thresholdSeconds{}; // the same in seconds
    qint64 speechId = 0;                   // the speech timed for it; 0 while not spoken

    // A row with these thresholds, their texts as the time boxes take them ("04:00").
    static PlanEntry make(const QString &speakerName, int rowIndex,
                          const std::array<int, 3> &thresholdSeconds);
    // "MM:SS", as a time box holds it.
    static QString thresholdText(int seconds);
    // The category row's description, padding blanks trimmed, as a speech records it.
    QString description() const;

    friend bool operator==(const PlanEntry &a, const PlanEntry &b)
    {
        return a.id == b.id && a.speakerName == b.speakerName && a.rowIndex == b.rowIndex &&
               a.thresholdTexts == b.thresholdTexts && a.thresholdSeconds == b.thresholdSeconds &&
               a.speechId == b.speechId;
    }
};

// One row of the meeting's window: a planned row not yet spoken, a speech timed for a planned
// row (one row, not two), or a speech timed without a plan.
struct AgendaItem
{
    PlanEntry planned;                  // id 0: the speech was timed without a plan
    std::optional<SpeechRecord> speech; // none while the planned row is not spoken
    bool speechWaiting = false;         // the speech is held in memory until the file takes it

    bool isPlanned() const { return planned.id != 0; }
    bool isSpoken() const { return speech.has_value(); }
};
