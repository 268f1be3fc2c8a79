// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

// The platform the program asks Qt for. In a Wayland session with XWayland at hand the timer
// runs as an X11 client: there it places the report beside the light and the speaker's window
// leaves the keyboard to the operator, which a Wayland shell decides alone. Set
// QT_QPA_PLATFORM=wayland (or pass -platform wayland) to run natively.
namespace SessionPlatform {

struct Environment
{
    QByteArray qpaPlatform;    // QT_QPA_PLATFORM
    QByteArray sessionType;    // XDG_SESSION_TYPE
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    QByteArray x11Display;     // DISPLAY, set where XWayland runs
    bool platformArgument = false;
};

// What QT_QPA_PLATFORM becomes: X11 first, Wayland where XWayland cannot be reached; empty
// where the user chose, or the session is not Wayland's, and Qt's own choice stands.
QByteArray chosen(const Environment &environment);

// Sets the choice for the application object about to be made; a guard so that the programs
// the timer starts later choose for themselves.
class Choice
{
public:
    Choice(int argc, char **argv);
    ~Choice();
    Choice(const Choice &) = delete;
    Choice &operator=(const Choice &) = delete;

    // Once the application object exists: the environment as it was.
    void finish();

private:
    bool m_set = false;
};

} // namespace SessionPlatform
