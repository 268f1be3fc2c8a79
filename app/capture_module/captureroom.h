// SPDX-License-Identifier: MIT
#pragma once

#include "app/screencapture.h"

#include <QObject>
#include <QPointer>
#include <QtPlugin>

class CaptureWindow;

// The light for screen capture behind the program's window: its own window, made at the first
// showing and kept, hidden, when closed.
class CaptureRoom : public QObject, public ScreenCapture
{
    Q_OBJECT

public:
    explicit CaptureRoom(const Handlers &handlers);
    ~CaptureRoom() override;

    void setLamps(bool green, bool yellow, bool red, bool flashDark) override;
    void setElapsedSeconds(int seconds) override;
    void show(const QString &remembered, QWidget *parent) override;
    QWidget *window() override;

private:
    Handlers m_handlers;
    QPointer<CaptureWindow> m_window; // owned by the window it opens over
    bool m_green = false, m_yellow = false, m_red = false, m_flashDark = false;
    int m_elapsed = 0;
};

// The module's entry, made by Qt's plugin loader.
class CaptureModule : public QObject, public ScreenCaptureModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ScreenCaptureModule_iid)
    Q_INTERFACES(ScreenCaptureModule)

public:
    std::unique_ptr<ScreenCapture> create(const ScreenCapture::Handlers &handlers) override;
};
