// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// The window's title with " (record not saved)" on its end while speeches wait in memory.
QString titleShowingSaved(const QString &title, bool saved);
