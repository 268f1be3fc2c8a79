// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QObject;

// The root object of the program's module in fileName, kept loaded for the program's life; null
// when it cannot be loaded, with the loader's reason in error.
QObject *loadProgramModule(const QString &fileName, QString *error);
