// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtPlugin>

#include <functional>
#include <memory>

class QWidget;

// Options ▸ Light for Screen Capture: the light alone in a window of its own for a video
// program's window capture. A module of its own, loaded at the item's first use.
class ScreenCapture
{
public:
    struct Handlers
    {
        // The window's layout, key colour, size or place changed, as one text to remember.
        std::function<void(const QString &remembered)> changed;
    };

    virtual ~ScreenCapture() = default;

    // Loads the module at the first call; null when it cannot be loaded, which is told once.
    static std::unique_ptr<ScreenCapture> create(const Handlers &handlers);

    // The window's lamps; red as shown, dark in the overtime flash's dark moments (flashDark).
    virtual void setLamps(bool green, bool yellow, bool red, bool flashDark) = 0;
    virtual void setElapsedSeconds(int seconds) = 0;
    // Shows the window, made over parent and laid out and placed as remembered at its first
    // showing; it goes with parent.
    virtual void show(const QString &remembered, QWidget *parent) = 0;
    // The window once shown; null before.
    virtual QWidget *window() = 0;
};

// What the module gives the program: the window, made on demand.
class ScreenCaptureModule
{
public:
    virtual ~ScreenCaptureModule() = default;
    virtual std::unique_ptr<ScreenCapture> create(const ScreenCapture::Handlers &handlers) = 0;
};

#define ScreenCaptureModule_iid "org.lecternworks.timer.ScreenCaptureModule/1.0"
Q_DECLARE_INTERFACE(ScreenCaptureModule, ScreenCaptureModule_iid)
