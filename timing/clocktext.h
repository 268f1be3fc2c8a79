// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// A number of seconds as the record writes a time: "5:42", "0:07", "100:00".
inline QString clockText(int seconds)
{
    const int magnitude = seconds < 0 ? -seconds : seconds;
    return QStringLiteral("%1%2:%3")
        .arg(seconds < 0 ? QStringLiteral("-") : QString())
        .arg(magnitude / 60)
        .arg(magnitude % 60, 2, 10, QLatin1Char('0'));
}
