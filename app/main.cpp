// SPDX-License-Identifier: MIT
#include "displaystart.h"
#include "lecternworkstimer.h"
#include "version.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    DisplayStartGuard displayStart(argc > 0 ? argv[0] : nullptr);
    QApplication app(argc, argv);
    displayStart.finish();
    QApplication::setApplicationName(Version::ProductName);
    QApplication::setApplicationVersion(Version::ProductVersion);
    // Wayland's app_id comes from it, so the shell finds the desktop entry and its icon.
    QGuiApplication::setDesktopFileName(Version::DesktopFileName);
    LecternWorksTimer window;
    window.show();
    return QApplication::exec();
}
