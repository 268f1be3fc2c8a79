// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QHostAddress>
#include <QTcpServer>

#include <functional>

class QTcpSocket;

// Takes connections for the HTTP server with limits the HTTP server has none of: how many
// are open at once, how much of a request is read before it is answered, and how long a
// request may take to arrive. A connection past any of them is closed.
class GuardedTcpServer : public QTcpServer
{
    Q_OBJECT

public:
    struct Limits
    {
        int maxConnections = 0;
        int maxPerAddress = 0;
        qint64 maxRequestBytes = 0;
        int requestTimeoutMs = 0;
    };
    // Whether connections from an address are turned away at once.
    using Refusal = std::function<bool(const QHostAddress &)>;

    GuardedTcpServer(Limits limits, Refusal refused, QObject *parent = nullptr);

    int openConnections() const { return int(m_guards.size()); }
    // The request on this connection is answered: the next one has its full time and size.
    void answered(QTcpSocket *socket);
    // The connection becomes a WebSocket, which keeps its own time from here on.
    void handedOver(QTcpSocket *socket);

protected:
    void incomingConnection(qintptr descriptor) override;

private:
    class Guard;
    friend class Guard;

    Limits m_limits;
    Refusal m_refused;
    QHash<QTcpSocket *, Guard *> m_guards;
    // Open connections by the address they came from.
    QHash<QHostAddress, int> m_perAddress;
};
