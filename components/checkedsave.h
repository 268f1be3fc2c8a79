// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QSaveFile;

// Commits a QSaveFile only when every byte reached the disk. QSaveFile::commit() alone is not
// enough: on a full disk Qt 6.4 can report the commit as done while error() says the write
// failed, and the file left behind is empty or cut short. On false the file is discarded, the
// old file at its path is untouched, and why is the file's errorString().
bool commitChecked(QSaveFile &file);
