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
    // X11's WM_CLASS takes its class from the application name and Wayland's app_id from the
    // desktop file name: both name the desktop entry, so the shell finds it and its icon.
    QApplication::setApplicationName(Version::DesktopFileName);
    QApplication::setApplicationVersion(Version::ProductVersion);
    QGuiApplication::setDesktopFileName(Version::DesktopFileName);
    LecternWorksTimer window;
    window.show();
    return QApplication::exec();
}
