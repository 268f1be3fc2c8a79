// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

class QSaveFile;

// Commits a QSaveFile only when every byte reached the disk. QSaveFile::commit() alone is not
// enough: on a full disk Qt 6.4 can report the commit as done while error() says the write
// failed, and the file left behind is empty or cut short. On false the file is discarded, the
// old file at its path is untouched, and why says what failed: the reason is read before the
// write is cancelled, which would replace it with its own.
bool commitChecked(QSaveFile &file, QString *why = nullptr);

// Writes the file at path whole through write() and commits it as above; empty on success,
// else why it could not be written.
QString saveWhole(const QString &path, const std::function<bool(QSaveFile &)> &write);
