// SPDX-License-Identifier: MIT
#include "network/lightservice.h"

#include "network/lightserver.h"

#include <QDateTime>
#include <QTimer>

#include <utility>

LightService::LightService(QObject *parent) : QObject(parent)
{
    m_thread.setObjectName(QStringLiteral("light on other devices"));
    // The server is made on its thread: the HTTP server keeps parts that would not move there.
    m_home = new QObject;
    m_home->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_home, &QObject::deleteLater);
    m_thread.start();
    onServer([this] {
        m_server = new LightServer(m_home);
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
        connect(m_server, &LightServer::attemptFailed, m_home,
                [this](const FailedAttempt &attempt) { gatherFailure(attempt); });
    });
    pushState();
}

LightService::~LightService()
{
    onServer([this] { m_server->stop(); });
    m_thread.quit();
    m_thread.wait();
}

template <typename Work> void LightService::onServer(Work work)
{
    QMetaObject::invokeMethod(m_home, std::move(work), Qt::QueuedConnection);
}

void LightService::start(const QHostAddress &address, quint16 port)
{
    onServer([this, address, port] {
        const bool listening = m_server->start(address, port);
        const QString error = m_server->errorString();
        QMetaObject::invokeMethod(this, [this, listening, error] { listened(listening, error); });
    });
}

void LightService::stop()
{
    onServer([this] {
        m_server->stop();
        QMetaObject::invokeMethod(this, [this] { listened(false, QString()); });
    });
}

// On the server's thread: a flood of failures from many addresses reaches the window as one
// change a while, never as one event for each.
void LightService::gatherFailure(const FailedAttempt &attempt)
{
    m_newFailures.prepend(attempt);
    m_newFailures = m_newFailures.mid(0, FailedAttemptsKept);
    if (m_newFailures.size() > 1)
        return;
    QTimer::singleShot(FailureBatchMs, m_home, [this] {
        QMetaObject::invokeMethod(this, [this, failures = std::exchange(m_newFailures, {})] {
            m_failedAttempts = (failures + m_failedAttempts).mid(0, FailedAttemptsKept);
            emit failedAttemptsChanged();
        });
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
    onServer([this, devices] { m_server->setDevices(devices); });
}

void LightService::setRole(const QString &deviceId, PairedDevice::Role role)
{
    onServer([this, deviceId, role] { m_server->setRole(deviceId, role); });
}

void LightService::revoke(const QString &deviceId)
{
    onServer([this, deviceId] { m_server->revoke(deviceId); });
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

void LightService::setLamps(bool green, bool yellow, bool red, bool flashDark)
{
    m_flashDark = flashDark;
    m_green = green;
    m_yellow = yellow;
    m_red = red;
    pushState();
}

void LightService::pushState()
{
    // A colour step darkens one lamp and lights the next as separate changes; the window paints
    // only where they end, and so do the devices: what is handed over is the state once this
    // turn of the event loop is done.
    if (std::exchange(m_pushPending, true))
        return;
    m_pushRequestedAtMs = QDateTime::currentMSecsSinceEpoch();
    QMetaObject::invokeMethod(this, &LightService::sendState, Qt::QueuedConnection);
}

void LightService::sendState()
{
    m_pushPending = false;
    if (m_green != m_state.green || m_yellow != m_state.yellow || m_red != m_state.red)
        m_state.lampsChangedAtMs = m_pushRequestedAtMs;
    m_state.green = m_green;
    m_state.yellow = m_yellow;
    m_state.red = m_red;
    m_state.flashDark = m_flashDark;
    onServer([this, state = m_state] { m_server->setState(state); });
}
