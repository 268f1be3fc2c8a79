// SPDX-License-Identifier: MIT
#include "app/programmodule.h"

#include <QCoreApplication>
#include <QPluginLoader>

QObject *loadProgramModule(const QString &fileName, QString *error)
{
    // Beside the program as installed and in the build tree alike, unless LW_MODULE_DIR names
    // another folder (the tests name their build's).
    const QString dir =
        qEnvironmentVariable("LW_MODULE_DIR", QCoreApplication::applicationDirPath() + u'/' +
                                                  QLatin1String(LW_PROGRAM_MODULE_DIR));
    QPluginLoader loader(dir + u'/' + fileName);
    QObject *root = loader.instance();
    if (!root)
        *error = loader.errorString();
    return root;
}
