// SPDX-License-Identifier: MIT
#include "app/screencapture.h"

#include "app/programmodule.h"

namespace {

ScreenCaptureModule *loadModule()
{
    QString error;
    auto *module = qobject_cast<ScreenCaptureModule *>(
        loadProgramModule(QStringLiteral(LW_CAPTURE_MODULE_FILE), &error));
    if (!module)
        qWarning("light for screen capture: not available: %s", qPrintable(error));
    return module;
}

} // namespace

std::unique_ptr<ScreenCapture> ScreenCapture::create(const Handlers &handlers)
{
    static ScreenCaptureModule *const module = loadModule();
    return module ? module->create(handlers) : nullptr;
}
