// SPDX-License-Identifier: MIT
#include "app/displaystart.h"

#include "app/version.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

namespace {

struct HeldMessage
{
    QtMsgType type = QtDebugMsg;
    QByteArray file;
    QByteArray function;
    QByteArray category;
    int line = 0;
    QString text;
};

// The handler is a plain function, so what it needs lives here; there is one start per process.
QtMessageHandler previousHandler = nullptr;
QByteArray programName;
std::mutex heldLock;
std::vector<HeldMessage> held;

const char *orNull(const QByteArray &bytes)
{
    return bytes.isNull() ? nullptr : bytes.constData();
}

// The platforms Qt tries, in its order: QT_QPA_PLATFORM when set, else Wayland first in a
// Wayland session, and X11 in any case.
QStringList platformsTried()
{
    const QString chosen = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!chosen.isEmpty())
        return chosen.split(u';', Qt::SkipEmptyParts);
    if (qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland"))
        return {QStringLiteral("wayland"), QStringLiteral("xcb")};
    return {QStringLiteral("xcb")};
}

QString describe(const QString &platform)
{
    // A platform may carry arguments after a colon, as in "xcb:nograb".
    const QString name = platform.section(u':', 0, 0).trimmed().toLower();
    if (name == QLatin1String("xcb")) {
        const QString display = qEnvironmentVariable("DISPLAY");
        if (display.isEmpty())
            return QStringLiteral("X11, but DISPLAY is not set");
        return QStringLiteral("X11 display \"%1\"").arg(display);
    }
    if (name.startsWith(QLatin1String("wayland"))) {
        QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
        if (display.isEmpty())
            display = QStringLiteral("wayland-0");
        return QStringLiteral("Wayland display \"%1\"").arg(display);
    }
    return QStringLiteral("platform \"%1\"").arg(name);
}

void replayHeld()
{
    std::vector<HeldMessage> messages;
    {
        const std::lock_guard<std::mutex> lock(heldLock);
        messages.swap(held);
    }
    for (const HeldMessage &m : messages) {
        const QMessageLogContext context(orNull(m.file), m.line, orNull(m.function),
                                         orNull(m.category));
        previousHandler(m.type, context, m.text);
    }
}

void watchStart(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        const std::lock_guard<std::mutex> lock(heldLock);
        held.push_back(
            {type, context.file, context.function, context.category, context.line, text});
        return;
    }
    // Qt's own account of the failure, for whoever asks for its plugin diagnostics.
    if (qEnvironmentVariableIsSet("QT_DEBUG_PLUGINS")) {
        replayHeld();
        previousHandler(QtWarningMsg, context, text);
    }
    QStringList tried;
    for (const QString &platform : platformsTried())
        tried << describe(platform);
    const QByteArray line = programName + ": no graphical display could be opened (tried " +
                            tried.join(QLatin1String("; ")).toLocal8Bit() + ")\n";
    std::fputs(line.constData(), stderr);
    std::fflush(stderr);
    // The application object is half built and Qt would abort next; exit() would run its
    // static destructors on that, so leave without them.
    std::_Exit(1);
}

} // namespace

DisplayStartGuard::DisplayStartGuard(const char *argv0)
{
    const char *slash = argv0 ? std::strrchr(argv0, '/') : nullptr;
    programName = slash ? QByteArray(slash + 1) : QByteArray(argv0);
    if (programName.isEmpty())
        programName = Version::DesktopFileName.toLocal8Bit();
    previousHandler = qInstallMessageHandler(watchStart);
}

DisplayStartGuard::~DisplayStartGuard()
{
    finish();
}

void DisplayStartGuard::finish()
{
    if (!m_watching)
        return;
    m_watching = false;
    qInstallMessageHandler(previousHandler);
    replayHeld();
}
