// SPDX-License-Identifier: MIT
#include "components/privatefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace PrivateFile {

bool makeFolder(const QString &path)
{
    const QString absolute = QDir::cleanPath(QDir(path).absolutePath());
    if (QFileInfo(absolute).isDir())
        return true;
    const QString parent = QFileInfo(absolute).path();
    if (parent == absolute || !makeFolder(parent))
        return false;
    // Another copy of the program may have made it meanwhile.
    return QDir().mkdir(absolute, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner) ||
           QFileInfo(absolute).isDir();
}

bool create(const QString &path)
{
    if (QFileInfo::exists(path))
        return true;
    if (!makeFolder(QFileInfo(path).absolutePath()))
        return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                     QFile::ReadOwner | QFile::WriteOwner) ||
           QFileInfo::exists(path);
}

} // namespace PrivateFile
