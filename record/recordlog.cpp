// SPDX-License-Identifier: MIT
#include "record/recordlog.h"

// Qt's default message pattern puts the name before each line: "meeting record: cannot write: ...".
Q_LOGGING_CATEGORY(lcRecord, "meeting record")
