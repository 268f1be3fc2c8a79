// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>

// Watches the construction of the application object. Qt ends a platform that cannot start
// (no DISPLAY, an X server that does not answer, no Wayland compositor) with a fatal message
// and abort(), after lines about reinstalling. While a guard is watching, that becomes one line
// naming the display that was tried, and exit status 1. What Qt says during a start that works
// is held back and passed on, unchanged, by finish().
class DisplayStartGuard
{
public:
    explicit DisplayStartGuard(const char *argv0);
    ~DisplayStartGuard();
    DisplayStartGuard(const DisplayStartGuard &) = delete;
    DisplayStartGuard &operator=(const DisplayStartGuard &) = delete;

    // Hands messages back to the handler there was before and passes on those held back.
    void finish();

private:
    bool m_watching = true;
};
