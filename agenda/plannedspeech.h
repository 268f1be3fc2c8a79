// SPDX-License-Identifier: MIT
#pragma once

#include "timing/speechcategories.h"

#include <QString>

#include <array>

// One speech of the meeting's agenda, before it is timed: who speaks, in which category row, and
// the thresholds the light will use.
struct PlannedSpeech
{
    QString speakerName; // cleaned by the program's one rule for names; may be empty
    int rowIndex = SpeechCategories::FirstRow; // the category row, 1 to 7, as SpeechRecord has it
    // Green, yellow, red: the row's own for rows with thresholds of their own, the typed ones for
    // CUSTOM, none (0) for the TEST row, whose thresholds the test speed gives.
    std::array<int, 3> thresholdSeconds{};

    // A speech in a row with thresholds of its own (or the TEST row), with them.
    static PlannedSpeech inRow(const QString &speakerName, int rowIndex);
    // A CUSTOM speech with its own thresholds.
    static PlannedSpeech custom(const QString &speakerName, const std::array<int, 3> &seconds);

    bool isCustom() const { return rowIndex == SpeechCategories::CustomRow; }
    // The row's description as the timer shows it, padding blanks trimmed.
    QString description() const;
    // The thresholds as a time box shows them ("05:30"), "" for none: what goes into row 6 for
    // a CUSTOM speech.
    std::array<QString, 3> thresholdTexts() const;

    friend bool operator==(const PlannedSpeech &a, const PlannedSpeech &b)
    {
        return a.speakerName == b.speakerName && a.rowIndex == b.rowIndex &&
               a.thresholdSeconds == b.thresholdSeconds;
    }
    friend bool operator!=(const PlannedSpeech &a, const PlannedSpeech &b) { return !(a == b); }
};
