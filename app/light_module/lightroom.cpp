// SPDX-License-Identifier: MIT
#include "app/light_module/lightroom.h"

#include "components/besidetimer.h"
#include "network/deviceregistry.h"
#include "network/lightservice.h"
#include "network/pairingwindow.h"

#include <QHostAddress>

LightRoom::LightRoom(const Handlers &handlers)
    : m_handlers(handlers), m_service(new LightService(this))
{
    connect(m_service, &LightService::startRequested, this,
            [this](const QString &device) { m_handlers.startRequested(device); });
    connect(m_service, &LightService::stopRequested, this,
            [this](const QString &device) { m_handlers.stopRequested(device); });
    connect(m_service, &LightService::rowRequested, this,
            [this](int row) { m_handlers.rowRequested(row); });
    connect(m_service, &LightService::devicesChanged, this,
            [this](const QList<PairedDevice> &devices) {
                m_handlers.devicesChanged(DeviceRegistry::toJson(devices));
            });
}

LightRoom::~LightRoom() = default;

void LightRoom::setRows(const QStringList &rows)
{
    m_service->setRows(rows);
}

void LightRoom::setRunState(bool running, int row, int elapsedSeconds)
{
    m_service->setRunState(running, row, elapsedSeconds);
}

void LightRoom::setNextSpeaker(const QString &text)
{
    m_service->setNextSpeaker(text);
}

void LightRoom::setLamps(bool green, bool yellow, bool red, bool flashDark)
{
    m_service->setLamps(green, yellow, red, flashDark);
}

void LightRoom::setDevices(const QByteArray &devicesJson)
{
    m_service->setDevices(DeviceRegistry::fromJson(devicesJson));
}

void LightRoom::start(const LightChoices &choices)
{
    m_service->start(QHostAddress(choices.address), choices.port);
}

void LightRoom::stop()
{
    m_service->stop();
}

void LightRoom::showPairingWindow(const LightChoices &choices, QWidget *parent)
{
    if (!m_pairingWindow) {
        m_pairingWindow = new PairingWindow(m_service, choices, parent);
        connect(m_pairingWindow, &PairingWindow::choicesChanged, this,
                [this](const LightChoices &chosen) { m_handlers.choicesChanged(chosen); });
        if (parent) {
            m_pairingWindow->adjustSize();
            BesideTimer::openBeside(parent->window(), m_pairingWindow,
                                    m_pairingWindow->minimumSizeHint());
        }
    }
    m_pairingWindow->show();
    m_pairingWindow->raise();
    m_pairingWindow->activateWindow();
}

std::unique_ptr<DeviceLight> LightModule::create(const DeviceLight::Handlers &handlers)
{
    return std::make_unique<LightRoom>(handlers);
}
