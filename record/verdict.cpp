// SPDX-License-Identifier: MIT
#include "verdict.h"

#include "clocktext.h"

#include <QCoreApplication>

#include <algorithm>
#include <climits>

Verdict judgeSpeech(const std::array<int, 3> &thresholdSeconds, int elapsedSeconds,
                    int graceSeconds, bool rehearsal)
{
    if (rehearsal)
        return {};
    // The earliest and latest lamps that light at all, whatever order they were typed in.
    int first = INT_MAX;
    int last = 0;
    for (const int seconds : thresholdSeconds) {
        if (seconds <= 0)
            continue;
        first = std::min(first, seconds);
        last = std::max(last, seconds);
    }
    if (last == 0)
        return {Verdict::Kind::NoLimits, 0};
    const int grace = std::max(0, graceSeconds);
    if (elapsedSeconds < first - grace)
        return {Verdict::Kind::Under, first - grace - elapsedSeconds};
    if (elapsedSeconds > last + grace)
        return {Verdict::Kind::Over, elapsedSeconds - last - grace};
    return {Verdict::Kind::Qualified, 0};
}

QString Verdict::text() const
{
    switch (kind) {
    case Kind::NoLimits:
        return QCoreApplication::translate("Verdict", "No limits");
    case Kind::Qualified:
        return QCoreApplication::translate("Verdict", "Qualified");
    case Kind::Under:
        return QCoreApplication::translate("Verdict", "Under by %1").arg(clockText(bySeconds));
    case Kind::Over:
        return QCoreApplication::translate("Verdict", "Over by %1").arg(clockText(bySeconds));
    case Kind::None:
        break;
    }
    return QString();
}

QString Verdict::sentence() const
{
    switch (kind) {
    case Kind::NoLimits:
        return QCoreApplication::translate("Verdict", "no limits");
    case Kind::Qualified:
        return QCoreApplication::translate("Verdict", "qualified");
    case Kind::Under:
        return QCoreApplication::translate("Verdict", "under time by %1").arg(clockText(bySeconds));
    case Kind::Over:
        return QCoreApplication::translate("Verdict", "over time by %1").arg(clockText(bySeconds));
    case Kind::None:
        break;
    }
    return QString();
}
