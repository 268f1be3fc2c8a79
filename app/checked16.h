// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

#include <limits>
#include <optional>

// Signed 16-bit arithmetic that sees an overflow before it stores anything. Counters that reach
// a limit hold there (holding*) instead of wrapping round.
namespace Checked16 {

inline constexpr int Min = std::numeric_limits<qint16>::min();
inline constexpr int Max = std::numeric_limits<qint16>::max();

inline constexpr std::optional<qint16> fit(int wide)
{
    if (wide < Min || wide > Max)
        return std::nullopt;
    return static_cast<qint16>(wide);
}

inline constexpr std::optional<qint16> add(qint16 a, qint16 b)
{
    return fit(int(a) + int(b));
}
inline constexpr std::optional<qint16> sub(qint16 a, qint16 b)
{
    return fit(int(a) - int(b));
}
inline constexpr std::optional<qint16> mul(qint16 a, qint16 b)
{
    return fit(int(a) * int(b));
}

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
