// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <array>

// Whether a speech's time qualifies: within the window from the earliest to the latest non-zero
// threshold, widened by the grace period on both sides.
struct Verdict
{
    enum class Kind { None, NoLimits, Qualified, Under, Over };
    Kind kind = Kind::None; // None: a rehearsal, judged by nobody
    int bySeconds = 0;      // how far under or over the window

    // "Qualified", "Under by 0:12", "Over by 0:41", "No limits"; empty for None.
    QString text() const;
    // The record's own words: "qualified", "under time by 0:12", "over time by 0:41", "no limits".
    QString sentence() const;

    friend bool operator==(const Verdict &a, const Verdict &b)
    {
        return a.kind == b.kind && a.bySeconds == b.bySeconds;
    }
};

Verdict judgeSpeech(const std::array<int, 3> &thresholdSeconds, int elapsedSeconds,
                    int graceSeconds, bool rehearsal);
