// SPDX-License-Identifier: MIT
#pragma once

#include "record/speechrecord.h"

#include <QColor>
#include <QString>

// How the report names a speech's parts, the same on screen, in text and on paper.
namespace SpeechLabels {

// The category as the row described it, its minutes included, without the padding.
QString category(const SpeechRecord &speech);
// The speaker's name, or the category while nobody has typed one.
QString who(const SpeechRecord &speech);
QString lamp(SpeechRecord::Lamp lamp);
// A threshold as M:SS; empty for one that lights no lamp.
QString threshold(int seconds);
// "Qualified", "Over time by 0:41", ...; rehearsals and mistaken starts say what they are.
QString verdict(const SpeechRecord &speech);
// The grace period a verdict was judged with: "None", "15 s".
QString grace(int seconds);
// Whether the speech was judged against limits, so that its grace counts.
bool judged(const SpeechRecord &speech);
// The verdict's colour, always shown with its words.
QColor verdictColor(const SpeechRecord &speech);

// The report's table, on the screen and on paper.
enum Column {
    Time,
    Speaker,
    Category,
    Green,
    Yellow,
    Red,
    Elapsed,
    Lamp,
    VerdictColumn,
    Grace,
    ColumnCount
};
QString heading(int column);
QString cell(const SpeechRecord &speech, int column);

} // namespace SpeechLabels
