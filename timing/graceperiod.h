// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <algorithm>
#include <iterator>

// The grace periods a speech may run under its first lamp or over its last and still qualify,
// one row each: the Options menu's items and the verdict both derive from this table.
namespace GracePeriod {

struct Choice
{
    qint16 seconds; // also the item's index in the menu array
    const char *caption;
};

inline constexpr Choice Choices[] = {
    {0, QT_TRANSLATE_NOOP("GracePeriod", "&None")},
    {15, QT_TRANSLATE_NOOP("GracePeriod", "&15 Seconds")},
    {30, QT_TRANSLATE_NOOP("GracePeriod", "&30 Seconds")},
};

// The common club rule, until the operator chooses another.
inline constexpr qint16 DefaultSeconds = 30;

// Whether the menu offers this grace period.
inline bool isChoice(int seconds)
{
    return std::any_of(std::begin(Choices), std::end(Choices),
                       [seconds](const Choice &c) { return c.seconds == seconds; });
}

} // namespace GracePeriod
