// SPDX-License-Identifier: MIT
#pragma once

#include <QJsonObject>
#include <QStringList>

// What a device is shown: the lamps as the window shows them, whether a speech is timed, its
// time so far, the rows a controller may choose from and who speaks next, when known.
struct LightState
{
    bool green = false;
    bool yellow = false;
    bool red = false;
    // Red is lit but dark for a moment of the overtime flash; a video without the flash shows it.
    bool flashDark = false;
    bool running = false;
    int elapsedSeconds = 0;
    // 1 for the first row, 0 for none.
    int row = 0;
    QStringList rows;
    QString nextSpeaker;
    // When the window's lamps last changed, in milliseconds since the epoch: the page, on the
    // same machine or one with a set clock, tells how long they took to reach it.
    qint64 lampsChangedAtMs = 0;

    QJsonObject toJson() const;
    bool operator==(const LightState &other) const;
    bool operator!=(const LightState &other) const { return !(*this == other); }
};
