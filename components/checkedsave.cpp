// SPDX-License-Identifier: MIT
#include "components/checkedsave.h"

#include <QSaveFile>

bool commitChecked(QSaveFile &file, QString *why)
{
    if (!file.flush() || file.error() != QFileDevice::NoError) {
        if (why)
            *why = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (file.commit() && file.error() == QFileDevice::NoError)
        return true;
    if (why)
        *why = file.errorString();
    return false;
}

QString saveWhole(const QString &path, const std::function<bool(QSaveFile &)> &write)
{
    QSaveFile file(path);
    QString why;
    if (file.open(QIODevice::WriteOnly) && write(file) && commitChecked(file, &why))
        return QString();
    return why.isEmpty() ? file.errorString() : why;
}
