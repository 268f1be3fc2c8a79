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
    bool running = false;
    int elapsedSeconds = 0;
    // 1 for the first row, 0 for none.
    int row = 0;
    QStringList rows;
    QString nextSpeaker;

    QJsonObject toJson() const;
    bool operator==(const LightState &other) const;
    bool operator!=(const LightState &other) const { return !(*this == other); }
};
