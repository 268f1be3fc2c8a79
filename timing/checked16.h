// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <limits>

// Signed 16-bit arithmetic for counters that hold at a limit instead of wrapping round: each
// result is worked out wide, then held within the 16-bit range.
namespace Checked16 {

inline constexpr int Min = std::numeric_limits<qint16>::min();
inline constexpr int Max = std::numeric_limits<qint16>::max();

inline constexpr qint16 hold(int wide)
{
    return static_cast<qint16>(wide < Min ? Min : (wide > Max ? Max : wide));
}

inline constexpr qint16 holdingAdd(qint16 a, qint16 b)
{
    return hold(int(a) + int(b));
}
inline constexpr qint16 holdingSub(qint16 a, qint16 b)
{
    return hold(int(a) - int(b));
}
inline constexpr qint16 holdingMul(qint16 a, qint16 b)
{
    return hold(int(a) * int(b));
}

} // namespace Checked16
