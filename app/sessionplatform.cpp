// SPDX-License-Identifier: MIT
#include "app/sessionplatform.h"

#include <QtGlobal>

#include <cstring>
#include <utility>

namespace SessionPlatform {

namespace {
const char PlatformVariable[] = "QT_QPA_PLATFORM";
const QByteArray ThroughXWayland = QByteArrayLiteral("xcb;wayland");
} // namespace

QByteArray chosen(const Environment &environment)
{
    if (!environment.qpaPlatform.isEmpty() || environment.platformArgument ||
        environment.x11Display.isEmpty())
        return {};
    if (environment.waylandDisplay.isEmpty() && environment.sessionType != "wayland")
        return {};
    return ThroughXWayland;
}

Choice::Choice(int argc, char **argv)
{
    Environment environment{qgetenv(PlatformVariable), qgetenv("XDG_SESSION_TYPE"),
                            qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY")};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            environment.platformArgument = true;
    }
    const QByteArray platform = chosen(environment);
    if (platform.isEmpty())
        return;
    qputenv(PlatformVariable, platform);
    m_set = true;
}

Choice::~Choice()
{
    finish();
}

void Choice::finish()
{
    if (std::exchange(m_set, false))
        qunsetenv(PlatformVariable);
}

} // namespace SessionPlatform
