// SPDX-License-Identifier: MIT
#pragma once

#include "network/lightchoices.h"

#include <QByteArray>
#include <QStringList>
#include <QtPlugin>

#include <functional>
#include <memory>

class LightService;
class QWidget;

// The light on other devices, as the window uses it. It needs Qt Network, the HTTP and WebSocket
// servers and the QR encoder, so it lives in a module of its own that the program loads only
// once the light is wanted: at start when switched on at start, else at its window's opening.
class DeviceLight
{
public:
    // What devices ask of the window and what it keeps; called on the window's thread.
    struct Handlers
    {
        // With the commanding device's name, as the pairing window lists it.
        std::function<void(const QString &deviceName)> startRequested;
        std::function<void(const QString &deviceName)> stopRequested;
        std::function<void(int row)> rowRequested;
        std::function<void(const LightChoices &choices)> choicesChanged;
        std::function<void(const QByteArray &devicesJson)> devicesChanged;
    };

    virtual ~DeviceLight() = default;

    // Loads the module at the first call; null when it cannot be loaded, which is told once.
    static std::unique_ptr<DeviceLight> create(const Handlers &handlers);

    // The rows' names, and the run: whether a speech is timed, the row chosen, the seconds so far.
    virtual void setRows(const QStringList &rows) = 0;
    virtual void setRunState(bool running, int row, int elapsedSeconds) = 0;
    // Whose speech comes next by the plan, as devices show it; empty for no one.
    virtual void setNextSpeaker(const QString &text) = 0;
    // The window's lamps; red as shown, dark in the overtime flash's dark moments (flashDark).
    virtual void setLamps(bool green, bool yellow, bool red, bool flashDark) = 0;
    // The paired devices as the settings keep them.
    virtual void setDevices(const QByteArray &devicesJson) = 0;
    virtual void start(const LightChoices &choices) = 0;
    virtual void stop() = 0;
    // Opens the pairing window over parent, made with choices at its first opening.
    virtual void showPairingWindow(const LightChoices &choices, QWidget *parent) = 0;
    // What serves the devices, for what drives it without a device (the benchmark, the tests).
    virtual LightService *service() = 0;
};

// What the module gives the program: the light, made on demand.
class DeviceLightModule
{
public:
    virtual ~DeviceLightModule() = default;
    virtual std::unique_ptr<DeviceLight> create(const DeviceLight::Handlers &handlers) = 0;
};

#define DeviceLightModule_iid "org.lecternworks.timer.DeviceLightModule/1.1"
Q_DECLARE_INTERFACE(DeviceLightModule, DeviceLightModule_iid)
