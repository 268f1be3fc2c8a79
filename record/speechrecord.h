// SPDX-License-Identifier: MIT
#pragma once

#include "timing/verdict.h"

#include <QDateTime>
#include <QString>
#include <QtGlobal>

#include <array>
#include <optional>

// One timed speech as the meeting's record keeps it: what was timed, how long it ran, how far the
// light got, and the verdict under the grace period in force when it was recorded.
struct SpeechRecord
{
    enum class Lamp { None = 0, Green = 1, Yellow = 2, Red = 3 };
    // Whether the record was set right by hand after the timer recorded it.
    enum class ByHand { No = 0, Changed = 1, Added = 2 };

    // What the timer recorded, kept when a speech is changed by hand.
    struct AsTimed
    {
        int rowIndex = 0;
        QString description;
        std::array<QString, 3> thresholdTexts;
        std::array<int, 3> thresholdSeconds{};
        int elapsedSeconds = 0;
        Lamp lampReached = Lamp::None;
        bool mistakenStart = false;
        bool rehearsal = false;
    };

    qint64 id = 0;        // the store's key; 0 until stored
    qint64 meetingId = 0; // the meeting it belongs to; 0 until stored
    QDateTime startedAt;  // wall-clock time of START, local time with its UTC offset
    int rowIndex = 0;     // the category row, 1 to 7
    QString description;  // the row's description as shown, padding blanks trimmed
    std::array<QString, 3> thresholdTexts; // green, yellow, red as the START read them
    std::array<int, 3> thresholdSeconds{}; // the same in seconds
    int elapsedSeconds = 0;                // the count STOP shows
    Lamp lampReached = Lamp::None;
    bool stopped = true;            // false: the program closed during the run
    bool mistakenStart = false;     // under 2 s with no lamp lit
    bool rehearsal = false;         // the TEST row
    int graceSeconds = 0;           // the grace period the verdict was judged with
    QString speakerName;            // empty until someone types it
    QString startedBy;              // the paired device whose START began it; empty: the window
    QString stoppedBy;              // the paired device whose STOP ended it; empty: the window
    bool editWaiting = false;       // a change to it is held in memory until the file takes it
    ByHand byHand = ByHand::No;     // "set by hand": changed after the timer recorded it, or added
    std::optional<AsTimed> asTimed; // for ByHand::Changed: the values it was timed with

    // The run as START found it; the description loses its padding blanks.
    static SpeechRecord started(const QDateTime &startedAt, int rowIndex,
                                const QString &description,
                                const std::array<QString, 3> &thresholdTexts,
                                const std::array<int, 3> &thresholdSeconds, bool rehearsal);
    // The same run as it ended, judged with the grace period in force.
    static SpeechRecord finished(SpeechRecord run, int elapsedSeconds, Lamp lampReached,
                                 bool stopped, int graceSeconds);

    // A speech the timer missed, added by hand: no lamp but what its time and thresholds give.
    static SpeechRecord addedByHand(const QDateTime &startedAt, int rowIndex,
                                    const std::array<int, 3> &thresholdSeconds, int elapsedSeconds,
                                    int graceSeconds);
    // A category row's description as the timer's row shows it, in the program's language, padding
    // blanks trimmed; empty for no such row.
    static QString rowDescription(int rowIndex);
    // The lamp a run of this length reaches under these thresholds.
    static Lamp lampFor(const std::array<int, 3> &thresholdSeconds, int elapsedSeconds);

    // A START pressed by mistake: stopped this soon with no lamp lit.
    static constexpr int MistakenStartSeconds = 2;

    Verdict verdict() const
    {
        return judgeSpeech(thresholdSeconds, elapsedSeconds, graceSeconds, rehearsal);
    }
};
