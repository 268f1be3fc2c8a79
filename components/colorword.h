// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPalette>

// A stored colour word: 0x00BBGGRR for an RGB colour, or, with the top bit set, a system
// colour index in the low byte, which maps to the widget palette's role.
namespace ColorWord {

inline constexpr quint32 SystemFlag = 0x80000000u;
inline constexpr quint32 WindowBackground = SystemFlag | 5u;
inline constexpr quint32 WindowText = SystemFlag | 8u;
inline constexpr quint32 ButtonText = SystemFlag | 18u;

QColor toColor(quint32 word, const QPalette &palette);
QPalette::ColorRole systemRole(quint32 index);
quint32 parse(const QString &text, bool *ok = nullptr);

} // namespace ColorWord
