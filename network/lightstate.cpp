// SPDX-License-Identifier: MIT
#include "network/lightstate.h"

#include <QJsonArray>

QJsonObject LightState::toJson() const
{
    return QJsonObject{
        {QStringLiteral("lamps"), QJsonObject{{QStringLiteral("green"), green},
                                              {QStringLiteral("yellow"), yellow},
                                              {QStringLiteral("red"), red},
                                              {QStringLiteral("flashDark"), flashDark}}},
        {QStringLiteral("running"), running},
        {QStringLiteral("elapsed"), elapsedSeconds},
        {QStringLiteral("row"), row},
        {QStringLiteral("rows"), QJsonArray::fromStringList(rows)},
        {QStringLiteral("next"), nextSpeaker},
        {QStringLiteral("lampsAt"), double(lampsChangedAtMs)},
    };
}

bool LightState::operator==(const LightState &other) const
{
    return green == other.green && yellow == other.yellow && red == other.red &&
           flashDark == other.flashDark &&
           running == other.running && elapsedSeconds == other.elapsedSeconds && row == other.row &&
           rows == other.rows && nextSpeaker == other.nextSpeaker;
}
