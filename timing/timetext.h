// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

// How a typed or pasted text becomes a time in the MM:SS form the threshold boxes hold.
namespace TimeText {

inline constexpr qsizetype MinutePlaces = 2;
inline constexpr qsizetype SecondPlaces = 2;
inline constexpr char Separator = ':';

// Reads the character at i, joining a surrogate pair, and moves i past it.
char32_t nextCodePoint(QStringView text, qsizetype &i);
// Any Unicode decimal digit counts; the boxes only ever store ASCII ones.
QChar asciiDigit(char32_t c);
// The separator, or the fullwidth colon East Asian input methods type for it.
bool isSeparator(char32_t c);
// The first places digits of text as ASCII ones; a huge text is not read to its end.
QString asciiDigitsOf(QStringView text, qsizetype places);
// A text with a separator at colon read as minutes before it and seconds after it, each
// right-aligned: "5:30" gives "05:30". Digits beyond a field's places are dropped. "" when the
// text holds no digit.
QString timeOf(QStringView text, qsizetype colon);

} // namespace TimeText
