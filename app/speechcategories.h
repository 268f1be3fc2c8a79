// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// Thresholds the program writes into rows: the defaults of the five standard categories and
// the three test speeds of the "Timer TEST" row.
namespace SpeechCategories {

struct Thresholds
{
    const char *green;
    const char *yellow;
    const char *red;
};

inline constexpr int FirstRow = 1;
inline constexpr int RowCount = 7;
inline constexpr int DefaultRowCount = 5;
inline constexpr int TestRow = 7;

// Indexed by row - 1, rows 1 to 5.
inline constexpr Thresholds DefaultTimes[DefaultRowCount] = {
    {"04:00", "05:00", "06:00"}, // Ice Breaker
    {"05:00", "06:00", "07:00"}, // Standard
    {"08:00", "09:00", "10:00"}, // Advanced
    {"02:00", "02:30", "03:00"}, // Evaluation
    {"01:00", "01:30", "02:00"}, // Table Topics
};

inline constexpr qint16 Fast = 10;
inline constexpr qint16 Medium = 20;
inline constexpr qint16 Slow = 30;

inline constexpr Thresholds TestSpeed(qint16 menuIndex)
{
    return menuIndex == Fast     ? Thresholds{"00:01", "00:02", "00:03"}
           : menuIndex == Medium ? Thresholds{"00:02", "00:04", "00:06"}
                                 : Thresholds{"00:03", "00:06", "00:09"};
}

inline constexpr bool isTestSpeed(qint16 menuIndex)
{
    return menuIndex == Fast || menuIndex == Medium || menuIndex == Slow;
}

} // namespace SpeechCategories
