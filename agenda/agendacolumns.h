// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <iterator>

// The agenda file's columns, as its header row names them: in English, as the program writes
// them, or in the program's language.
namespace AgendaColumns {

enum Column { Name, Category, Green, Yellow, Red };

inline constexpr char TextContext[] = "AgendaColumns";
inline constexpr const char *Names[] = {
    QT_TRANSLATE_NOOP("AgendaColumns", "name"), QT_TRANSLATE_NOOP("AgendaColumns", "category"),
    QT_TRANSLATE_NOOP("AgendaColumns", "green"), QT_TRANSLATE_NOOP("AgendaColumns", "yellow"),
    QT_TRANSLATE_NOOP("AgendaColumns", "red")};
inline constexpr int Count = int(std::size(Names));
inline constexpr int FirstThreshold = Green;

} // namespace AgendaColumns
