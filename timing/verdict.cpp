// SPDX-License-Identifier: MIT
#include "timing/verdict.h"

#include "timing/clocktext.h"
#include "timing/lampwindow.h"

#include <QCoreApplication>

#include <algorithm>

Verdict judgeSpeech(const std::array<int, 3> &thresholdSeconds, int elapsedSeconds,
                    int graceSeconds, bool rehearsal)
{
    if (rehearsal)
        return {};
    const LampWindow lamps = lampWindow(thresholdSeconds);
    if (lamps.empty())
        return {Verdict::Kind::NoLimits, 0};
    const int grace = std::max(0, graceSeconds);
    if (elapsedSeconds < lamps.first - grace)
        return {Verdict::Kind::Under, lamps.first - grace - elapsedSeconds};
    if (elapsedSeconds > lamps.last + grace)
        return {Verdict::Kind::Over, elapsedSeconds - lamps.last - grace};
    return {Verdict::Kind::Qualified, 0};
}

namespace {

struct Words
{
    Verdict::Kind kind;
    const char *text;     // for a table's cell
    const char *sentence; // for the middle of a sentence
};

// %1 is how far under or over.
constexpr Words Phrases[] = {
    {Verdict::Kind::NoLimits, QT_TRANSLATE_NOOP("Verdict", "No limits"),
     QT_TRANSLATE_NOOP("Verdict", "no limits")},
    {Verdict::Kind::Qualified, QT_TRANSLATE_NOOP("Verdict", "Qualified"),
     QT_TRANSLATE_NOOP("Verdict", "qualified")},
    {Verdict::Kind::Under, QT_TRANSLATE_NOOP("Verdict", "Under by %1"),
     QT_TRANSLATE_NOOP("Verdict", "under time by %1")},
    {Verdict::Kind::Over, QT_TRANSLATE_NOOP("Verdict", "Over by %1"),
     QT_TRANSLATE_NOOP("Verdict", "over time by %1")},
};

QString phrase(const Verdict &verdict, const char *Words::*form)
{
    for (const Words &words : Phrases) {
        if (words.kind != verdict.kind)
            continue;
        const QString phrase = QCoreApplication::translate("Verdict", words.*form);
        return phrase.contains(QLatin1String("%1")) ? phrase.arg(clockText(verdict.bySeconds))
                                                    : phrase;
    }
    return QString();
}

} // namespace

QString Verdict::text() const
{
    return phrase(*this, &Words::text);
}

QString Verdict::sentence() const
{
    return phrase(*this, &Words::sentence);
}
