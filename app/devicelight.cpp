// SPDX-License-Identifier: MIT
#include "app/devicelight.h"

#include "app/programmodule.h"

namespace {

DeviceLightModule *loadModule()
{
    QString error;
    auto *module = qobject_cast<DeviceLightModule *>(
        loadProgramModule(QStringLiteral(LW_LIGHT_MODULE_FILE), &error));
    if (!module)
        qWarning("light on other devices: not available: %s", qPrintable(error));
    return module;
}

} // namespace

std::unique_ptr<DeviceLight> DeviceLight::create(const Handlers &handlers)
{
    static DeviceLightModule *const module = loadModule();
    return module ? module->create(handlers) : nullptr;
}
