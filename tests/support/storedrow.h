// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The stored data of row `number` (1 to 7) as compiled into the program; empty if missing.
inline QByteArray storedRow(int number)
{
    QFile file(QStringLiteral(":/rows/timerevent%1.bin").arg(number));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
