// SPDX-License-Identifier: MIT
#pragma once

#include <iterator>

// The agenda file's columns, as its header row names them.
namespace AgendaColumns {

enum Column { Name, Category, Green, Yellow, Red };

inline constexpr const char *Names[] = {"name", "category", "green", "yellow", "red"};
inline constexpr int Count = int(std::size(Names));
inline constexpr int FirstThreshold = Green;

} // namespace AgendaColumns
