// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// What the operator chose for the light on other devices, remembered between starts.
struct LightChoices
{
    static constexpr quint16 DefaultPort = 8080;

    // Empty until the operator chose one; nothing listens before.
    QString address;
    quint16 port = DefaultPort;
    bool onAtStart = false;

    bool operator==(const LightChoices &other) const
    {
        return address == other.address && port == other.port && onAtStart == other.onAtStart;
    }
};
