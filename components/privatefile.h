// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Files that hold what only the user should read (the paired devices' key hashes, the members'
// names) and their folders are made readable by their owner alone when the program creates
// them; ones that exist already keep what the user gave them.
namespace PrivateFile {

// Creates the folder and each one missing above it, owner-only; true when it exists after.
bool makeFolder(const QString &path);
// Creates the file empty and owner-only, with its folders, unless it exists; true when it
// exists after.
bool create(const QString &path);

} // namespace PrivateFile
