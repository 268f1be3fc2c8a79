// SPDX-License-Identifier: MIT
#pragma once

#include "app/devicelight.h"

#include <QObject>
#include <QPointer>
#include <QtPlugin>

class PairingWindow;

// The light on other devices behind the window: the service on its thread and the pairing
// window once it is opened.
class LightRoom : public QObject, public DeviceLight
{
    Q_OBJECT

public:
    explicit LightRoom(const Handlers &handlers);
    ~LightRoom() override;

    void setRows(const QStringList &rows) override;
    void setRunState(bool running, int row, int elapsedSeconds) override;
    void setNextSpeaker(const QString &text) override;
    void setLamps(bool green, bool yellow, bool red, bool flashDark) override;
    void setDevices(const QByteArray &devicesJson) override;
    void start(const LightChoices &choices) override;
    void stop() override;
    void showPairingWindow(const LightChoices &choices, QWidget *parent) override;
    LightService *service() override { return m_service; }

private:
    Handlers m_handlers;
    LightService *m_service = nullptr;
    QPointer<PairingWindow> m_pairingWindow; // owned by the window it opens over
};

// The module's entry, made by Qt's plugin loader.
class LightModule : public QObject, public DeviceLightModule
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID DeviceLightModule_iid)
    Q_INTERFACES(DeviceLightModule)

public:
    std::unique_ptr<DeviceLight> create(const DeviceLight::Handlers &handlers) override;
};
