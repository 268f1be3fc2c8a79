// SPDX-License-Identifier: MIT
#include "app/displaystart.h"
#include "app/lecternworkstimer.h"
#include "app/sessionplatform.h"
#include "app/terminationsignal.h"
#include "app/version.h"
#include "translations/programlanguage.h"

#include <QApplication>
#include <QTimer>

#ifdef LW_FONTCONFIG
#include <fontconfig/fontconfig.h>

#include <thread>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#endif

int main(int argc, char *argv[])
{
    // Chosen before any other thread runs: the environment is not safe to change beside one.
    SessionPlatform::Choice platform(argc, argv);
#ifdef LW_FONTCONFIG
    // Fontconfig reads its configuration and font cache before the first text is laid out: a
    // quarter of start-up. Read on another core while Qt connects to the display, it is ready
    // by the time the window lays out its first text.
    std::thread fontConfiguration(FcInit);
#endif
    DisplayStartGuard displayStart(argc > 0 ? argv[0] : nullptr);
    QApplication app(argc, argv);
    displayStart.finish();
    // X11's WM_CLASS takes its class from the application name and Wayland's app_id from the
    // desktop file name: both name the desktop entry, so the shell finds it and its icon.
    QApplication::setApplicationName(Version::DesktopFileName);
    QApplication::setApplicationVersion(Version::ProductVersion);
    QGuiApplication::setDesktopFileName(Version::DesktopFileName);
#ifdef LW_FONTCONFIG
    fontConfiguration.join();
#ifdef __GLIBC__
    // What fontconfig read its files with lies free in that thread's own memory arena, which
    // nothing else allocates from: handed back rather than kept resident.
    malloc_trim(0);
#endif
#endif
    platform.finish();
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
