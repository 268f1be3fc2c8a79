// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// A paired device as a person names it, "Chrome on Android", from what its browser reported;
// what names no known browser or system is given back as it stands.
QString readableDeviceName(const QString &agent);
