// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// The grace periods a speech may run under its first lamp or over its last and still qualify,
// one row each: the Options menu's items and the verdict both derive from this table.
namespace GracePeriod {

struct Choice
{
    qint16 seconds; // also the item's index in the menu array
    const char *caption;
};

inline constexpr Choice Choices[] = {
    {0, "&None"},
    {15, "&15 Seconds"},
    {30, "&30 Seconds"},
};

// The common club rule, until the operator chooses another.
inline constexpr qint16 DefaultSeconds = 30;

// The grace period in force, as the operator last chose it (remembered between starts).
int currentSeconds();
// Remembers a choice; a number that is not in the table is ignored.
void setCurrentSeconds(int seconds);

} // namespace GracePeriod
