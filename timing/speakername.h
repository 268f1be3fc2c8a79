// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The one rule for names (a speaker's, a meeting's title, its timer's): every control character
// (newline and tab too) becomes a blank, runs of blanks one, none at either end, direction
// overrides and isolates go.
namespace SpeakerName {

// In characters, a surrogate pair counting as one.
inline constexpr int MaxLength = 100;

// The name by the rule, however long.
QString cleaned(const QString &name);
// Cleaned, and cut to MaxLength at a whole character.
QString cleanedAndCut(const QString &name);

} // namespace SpeakerName
