// SPDX-License-Identifier: MIT
#include "network/devicename.h"

#include <QCoreApplication>

#include <cstddef>

namespace {

struct Mark
{
    const char *token;
    const char *name;
};

// The first that a browser's text holds names it: many carry the tokens of those they grew from
// (Edge and Opera say "Chrome/", Chrome says "Safari/").
const Mark Browsers[] = {
    {"Edg", "Edge"},
    {"OPR/", "Opera"},
    {"Opera", "Opera"},
    {"SamsungBrowser/", "Samsung Internet"},
    {"Firefox/", "Firefox"},
    {"FxiOS/", "Firefox"},
    {"Chromium/", "Chromium"},
    {"Chrome/", "Chrome"},
    {"CriOS/", "Chrome"},
    {"Safari/", "Safari"},
};

const Mark Systems[] = {
    {"Android", "Android"},
    {"iPhone", "iPhone"},
    {"iPad", "iPad"},
    {"CrOS", "ChromeOS"},
    {"Windows", "Windows"},
    {"Macintosh", "macOS"},
    {"Linux", "Linux"},
};

template <std::size_t Count> QString firstNamed(const QString &agent, const Mark (&marks)[Count])
{
    for (const Mark &mark : marks) {
        if (agent.contains(QLatin1String(mark.token)))
            return QLatin1String(mark.name);
    }
    return {};
}

} // namespace

QString readableDeviceName(const QString &agent)
{
    const QString browser = firstNamed(agent, Browsers);
    const QString system = firstNamed(agent, Systems);
    if (browser.isEmpty())
        return agent;
    if (system.isEmpty())
        return browser;
    //: A paired device: a browser on a system, "Chrome on Android".
    return QCoreApplication::translate("PairingWindow", "%1 on %2").arg(browser, system);
}
