// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

#include <iterator>

// The speech categories and the test speeds, one row each: every other place that needs a
// category's name or thresholds, or a test speed's menu entry, derives it from these tables.
namespace SpeechCategories {

struct Thresholds
{
    const char *green = nullptr;
    const char *yellow = nullptr;
    const char *red = nullptr;
};

struct Category
{
    // As stored in the row's record; the runs of blanks belong to it.
    const char *EventName;
    // Written into the row at start-up; none for rows the operator or the test speed fills.
    Thresholds defaults;
};

// The context of the rows' names and the speeds' captions in the program's translations.
inline constexpr char TextContext[] = "SpeechCategories";

// Rows 1 to 7, in order.
inline constexpr Category Rows[] = {
    {QT_TRANSLATE_NOOP("SpeechCategories", "Ice Breaker Speech   (4 to 6 Minutes)"),
     {"04:00", "05:00", "06:00"}},
    {QT_TRANSLATE_NOOP("SpeechCategories", "Standard Speech      (5 to 7 Minutes)"),
     {"05:00", "06:00", "07:00"}},
    {QT_TRANSLATE_NOOP("SpeechCategories", "Advanced Seech     (8 to 10 Minutes)"),
     {"08:00", "09:00", "10:00"}},
    {QT_TRANSLATE_NOOP("SpeechCategories", "Speech Evaluation    (2 to 3 Minutes)"),
     {"02:00", "02:30", "03:00"}},
    {QT_TRANSLATE_NOOP("SpeechCategories", "Table Topics            (1 to 2 Minutes)"),
     {"01:00", "01:30", "02:00"}},
    {QT_TRANSLATE_NOOP("SpeechCategories", "CUSTOM Events"), {}},
    {QT_TRANSLATE_NOOP("SpeechCategories", "Timer TEST"), {}},
};

inline constexpr int FirstRow = 1;
inline constexpr int RowCount = int(std::size(Rows));
// The row whose thresholds the operator types.
inline constexpr int CustomRow = 6;
// The row whose thresholds the test speeds write.
inline constexpr int TestRow = 7;

// A speech can be planned in any row but the TEST row: a rehearsal is not planned.
inline constexpr bool isPlannable(int index)
{
    return index >= FirstRow && index < FirstRow + RowCount && index != TestRow;
}

// The most speeches a meeting's plan holds: more than a meeting could hear, few enough that a
// step of the plan stays quick while a speech is timed.
inline constexpr int MaxPlannedSpeeches = 500;

inline constexpr const Category &row(int index)
{
    return Rows[index - FirstRow];
}

// The row's name in the program's language, its padding blanks trimmed, as lists offer it.
QString shownName(int index);

struct TestSpeed
{
    qint16 menuIndex; // the item's index in the menu array
    const char *caption;
    Thresholds times;
};

inline constexpr TestSpeed TestSpeeds[] = {
    {10, QT_TRANSLATE_NOOP("SpeechCategories", "&FAST: 1 - 2 - 3"), {"00:01", "00:02", "00:03"}},
    {20, QT_TRANSLATE_NOOP("SpeechCategories", "&MED: 2 - 4 - 6"), {"00:02", "00:04", "00:06"}},
    {30, QT_TRANSLATE_NOOP("SpeechCategories", "&SLOW: 3 - 6 - 9"), {"00:03", "00:06", "00:09"}},
};

// The speed chosen at start-up: MED.
inline constexpr qint16 StartUpSpeed = TestSpeeds[1].menuIndex;

// The test speed with this menu index; nullptr for any other index.
inline constexpr const TestSpeed *findTestSpeed(qint16 menuIndex)
{
    for (const TestSpeed &speed : TestSpeeds) {
        if (speed.menuIndex == menuIndex)
            return &speed;
    }
    return nullptr;
}

inline constexpr qint16 SecondsPerMinute = 60;

// A threshold field's number: the digits it holds, unfilled or stray places skipped, so a box
// the operator has not filled in reads as 0 instead of failing.
qint16 fieldValue(QStringView field);

// A threshold's absolute time in seconds, from its first and last two characters; its minutes
// and seconds are stored on the way.
qint16 thresholdSeconds(const QString &text, qint16 &minutes, qint16 &seconds);

// One stage of the light as its threshold's text gives it.
struct StageDelay
{
    qint16 minutes = 0;
    qint16 seconds = 0;
    qint16 delay = 0;      // seconds from the stage before it
    qint16 changeTime = 0; // seconds from START: where the next stage counts from
};

// A later stage waits for the difference to the stage before it, which changed at
// previousChangeTime; the first stage counts from START, 0. Out of order, the delay is negative.
StageDelay stageDelay(const QString &thresholdText, qint16 previousChangeTime);

} // namespace SpeechCategories
