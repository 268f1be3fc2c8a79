// SPDX-License-Identifier: MIT
#pragma once

#include <QLoggingCategory>

// What the meeting's record tells on standard error: a file it cannot use, speeches kept in memory.
Q_DECLARE_LOGGING_CATEGORY(lcRecord)
