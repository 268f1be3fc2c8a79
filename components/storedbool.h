// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

// A Boolean held in 16 bits: true is all bits set, false is 0, and any other value reads true.
namespace StoredBool {

inline constexpr qint16 True = -1;
inline constexpr qint16 False = 0;

inline constexpr qint16 from(bool value)
{
    return value ? True : False;
}

} // namespace StoredBool
