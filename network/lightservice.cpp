// SPDX-License-Identifier: MIT
#include "network/lightservice.h"

#include "controls/signal_light/horizontaltimer.h"
#include "controls/signal_light/sharedlamps.h"
#include "network/lightserver.h"

LightService::LightService(QObject *parent) : QObject(parent)
{
    m_thread.setObjectName(QStringLiteral("light on other devices"));
    m_server = new LightServer;
    m_server->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_server, &QObject::deleteLater);
    // Across threads these are queued: the window hears of a device between its own events.
    connect(m_server, &LightServer::startRequested, this, &LightService::startRequested);
    connect(m_server, &LightServer::stopRequested, this, &LightService::stopRequested);
    connect(m_server, &LightServer::rowRequested, this, &LightService::rowRequested);
    connect(m_server, &LightServer::pairingUrlChanged, this, [this](const QUrl &url) {
        m_pairingUrl = url;
        emit pairingUrlChanged(url);
    });
    connect(m_server, &LightServer::devicesChanged, this,
            [this](const QList<PairedDevice> &devices) {
                m_devices = devices;
                emit devicesChanged(devices);
            });
    connect(&SharedLamps::instance(), &SharedLamps::changed, this, &LightService::pushState);
    m_thread.start();
    pushState();
}

LightService::~LightService()
{
    QMetaObject::invokeMethod(m_server, [server = m_server] { server->stop(); });
    m_thread.quit();
    m_thread.wait();
}

void LightService::start(const QHostAddress &address, quint16 port)
{
    QMetaObject::invokeMethod(m_server, [this, server = m_server, address, port] {
        const bool listening = server->start(address, port);
        const QString error = server->errorString();
        QMetaObject::invokeMethod(this, [this, listening, error] { listened(listening, error); });
    });
}

void LightService::stop()
{
    QMetaObject::invokeMethod(m_server, [this, server = m_server] {
        server->stop();
        QMetaObject::invokeMethod(this, [this] { listened(false, QString()); });
    });
}

void LightService::listened(bool listening, const QString &error)
{
    m_listening = listening;
    m_error = error;
    if (!listening)
        m_pairingUrl.clear();
    emit listeningChanged(listening);
}

void LightService::setDevices(const QList<PairedDevice> &devices)
{
    m_devices = devices;
    QMetaObject::invokeMethod(m_server,
                              [server = m_server, devices] { server->setDevices(devices); });
}

void LightService::setRole(const QString &deviceId, PairedDevice::Role role)
{
    QMetaObject::invokeMethod(
        m_server, [server = m_server, deviceId, role] { server->setRole(deviceId, role); });
}

void LightService::revoke(const QString &deviceId)
{
    QMetaObject::invokeMethod(m_server,
                              [server = m_server, deviceId] { server->revoke(deviceId); });
}

void LightService::setRunState(bool running, int row, int elapsedSeconds)
{
    m_state.running = running;
    m_state.row = row;
    m_state.elapsedSeconds = elapsedSeconds;
    pushState();
}

void LightService::setRows(const QStringList &rows)
{
    m_state.rows = rows;
    pushState();
}

void LightService::setNextSpeaker(const QString &name)
{
    m_state.nextSpeaker = name;
    pushState();
}

void LightService::pushState()
{
    const SharedLamps &lamps = SharedLamps::instance();
    m_state.green = lamps.isLit(HorizontalTimer::Green);
    m_state.yellow = lamps.isLit(HorizontalTimer::Yellow);
    // The overtime flash's dark moments are shown as the window shows them.
    m_state.red = lamps.isLit(HorizontalTimer::Red) && !lamps.redBlinkedOff();
    QMetaObject::invokeMethod(m_server,
                              [server = m_server, state = m_state] { server->setState(state); });
}
