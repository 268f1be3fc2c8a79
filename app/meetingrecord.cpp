// SPDX-License-Identifier: MIT
#include "app/meetingrecord.h"

#include <QCoreApplication>
#include <QPluginLoader>

namespace {

// Where the module sits: beside the program as installed and in the build tree alike, unless
// LW_MODULE_DIR names another folder (the tests name their build's).
QString moduleFile()
{
    const QString dir =
        qEnvironmentVariable("LW_MODULE_DIR", QCoreApplication::applicationDirPath() + u'/' +
                                                  QLatin1String(LW_RECORD_MODULE_DIR));
    return dir + u'/' + QLatin1String(LW_RECORD_MODULE_FILE);
}

MeetingRecordModule *loadModule()
{
    QPluginLoader loader(moduleFile());
    auto *module = qobject_cast<MeetingRecordModule *>(loader.instance());
    if (!module)
        qWarning("meeting record: not kept: %s", qPrintable(loader.errorString()));
    return module;
}

} // namespace

std::unique_ptr<MeetingRecord> MeetingRecord::open(const QString &filePath)
{
    static MeetingRecordModule *const module = loadModule();
    return module ? module->open(filePath) : nullptr;
}
