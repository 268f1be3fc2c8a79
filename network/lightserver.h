// SPDX-License-Identifier: MIT
#pragma once

#include "network/deviceregistry.h"
#include "network/failurelimiter.h"
#include "network/lightstate.h"

#include <QAbstractHttpServer>
#include <QHash>
#include <QHostAddress>
#include <QPointer>
#include <QUrl>

#include <functional>
#include <memory>

class GuardedTcpServer;
class QTimer;
class QWebSocket;

// What the server takes from a client at most, and for how long.
struct LightServerLimits
{
    int maxConnections = 32;
    // One device cannot take every connection from the others.
    int maxConnectionsPerAddress = 8;
    int maxHeaderBytes = 8 * 1024;
    int maxBodyBytes = 4 * 1024;
    // A whole request, or a WebSocket's key, arrives within this or the connection goes.
    int requestTimeoutMs = 10'000;
    // A WebSocket that answers no ping for two of these goes.
    int heartbeatMs = 15'000;
    qint64 pairingCodeLifetimeMs = 120'000;
    FailureLimiter::Limits failures;
};

// The light for other devices: the page, pairing, each device's state pushed over a WebSocket
// and a controller's commands. It listens on one address and port of the operator's choosing
// and on nothing while stopped. Every state or command needs a paired device's key, sent in a
// header or as a WebSocket's first message.
class LightServer : public QAbstractHttpServer
{
    Q_OBJECT

public:
    using Clock = std::function<qint64()>;
    using Limits = LightServerLimits;
    // Close codes of a WebSocket the server ends, which the page tells apart.
    enum CloseCode : quint16 { NotPaired = 4001, Refused = 4003 };

    explicit LightServer(QObject *parent = nullptr, Clock clock = {}, Limits limits = Limits());
    ~LightServer() override;

    // False, with the reason in errorString(), when the address and port cannot be had.
    bool start(const QHostAddress &address, quint16 port);
    void stop();
    bool isListening() const;
    QHostAddress address() const { return m_address; }
    quint16 port() const { return m_port; }
    QString errorString() const { return m_error; }
    // The page's own origin, as a browser names it.
    QString origin() const;
    // The address a device opens to pair, carrying the pairing code on offer.
    QUrl pairingUrl();

    const QList<PairedDevice> &devices() const { return m_registry.devices(); }
    void setDevices(const QList<PairedDevice> &devices);
    void setRole(const QString &deviceId, PairedDevice::Role role);
    // The device's key stops working and its connections close at once.
    void revoke(const QString &deviceId);

    void setState(const LightState &state);
    const LightState &state() const { return m_state; }
    int openConnections() const;
    // Devices with a WebSocket whose key was accepted.
    int connectedDevices() const { return int(m_clients.size()); }

signals:
    void devicesChanged(const QList<PairedDevice> &devices);
    void pairingUrlChanged(const QUrl &url);
    // A controller's START or STOP, with the device's name.
    void startRequested(const QString &deviceName);
    void stopRequested(const QString &deviceName);
    void rowRequested(int row);
    // A wrong pairing code or key, and the refusal it may start.
    void attemptFailed(const FailedAttempt &attempt);

protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override;
    void missingHandler(const QHttpServerRequest &request, QTcpSocket *socket) override;

private:
    struct Answer;
    struct Client
    {
        QString deviceId;
        qint64 lastPong = 0;
    };

    static bool isWebSocketUpgrade(const QHttpServerRequest &request);
    // What every request is refused for, whatever it asks; Ok when none of it applies.
    Answer checked(const QHttpServerRequest &request);
    Answer answer(const QHttpServerRequest &request);
    Answer webSocketAnswer(const QHttpServerRequest &request);
    Answer pairDevice(const QHttpServerRequest &request);
    Answer command(const QHttpServerRequest &request, const PairedDevice &device);
    const PairedDevice *deviceOf(const QHttpServerRequest &request);
    void failed(const QHostAddress &address, FailedAttempt::What what);
    bool hostIsOurs(const QByteArray &host) const;
    QByteArray stateMessage(const PairedDevice &device) const;
    QByteArray contentSecurityPolicy() const;

    void acceptWebSockets();
    void webSocketMessage(QWebSocket *socket, const QString &message);
    void refuse(QWebSocket *socket, CloseCode code, const QString &reason);
    void heartbeat();
    void offerNewCode();

    Clock m_clock;
    Limits m_limits;
    DeviceRegistry m_registry;
    FailureLimiter m_failures;
    LightState m_state;
    QHostAddress m_address;
    quint16 m_port = 0;
    QString m_error;
    QPointer<GuardedTcpServer> m_tcp;
    QHash<QWebSocket *, Client> m_clients;
    QTimer *m_heartbeat = nullptr;
    QTimer *m_codeExpiry = nullptr;
};
