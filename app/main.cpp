// SPDX-License-Identifier: MIT
#include "app/displaystart.h"
#include "app/lecternworkstimer.h"
#include "app/terminationsignal.h"
#include "app/version.h"
#include "translations/programlanguage.h"

#include <QApplication>
#include <QTimer>

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
    ProgramLanguage::install(&app);
    LecternWorksTimer window;
    // Asked to end (the desktop logging out, say): closed as by Quit, so a run is recorded.
    TerminationSignal termination;
    QObject::connect(&termination, &TerminationSignal::received, &window,
                     &LecternWorksTimer::closeWithoutAsking);
    window.show();
    // What an earlier run had to leave in a recovery file, offered once the window is up.
    QTimer::singleShot(0, &window, &LecternWorksTimer::offerRecovery);
    return QApplication::exec();
}
