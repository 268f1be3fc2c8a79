// SPDX-License-Identifier: MIT
#include "app/meetingrecord.h"

#include "app/programmodule.h"

namespace {

MeetingRecordModule *loadModule()
{
    QString error;
    auto *module = qobject_cast<MeetingRecordModule *>(
        loadProgramModule(QStringLiteral(LW_RECORD_MODULE_FILE), &error));
    if (!module)
        qWarning("meeting record: not kept: %s", qPrintable(error));
    return module;
}

} // namespace

std::unique_ptr<MeetingRecord> MeetingRecord::open(const QString &filePath)
{
    static MeetingRecordModule *const module = loadModule();
    return module ? module->open(filePath) : nullptr;
}
