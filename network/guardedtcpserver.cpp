// SPDX-License-Identifier: MIT
#include "network/guardedtcpserver.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <utility>

namespace {

// Qt's WebSocket server names the origin it accepted in CORS headers of its handshake answer.
// This server sends no CORS header at all, so they are left out of that answer.
class GuardedSocket : public QTcpSocket
{
public:
    using QTcpSocket::QTcpSocket;

    void dropCorsHeadersOfNextAnswer() { m_dropCors = true; }

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        if (!std::exchange(m_dropCors, false))
            return QTcpSocket::writeData(data, length);
        QByteArray kept;
        for (const QByteArray &line : QByteArray(data, length).split('\n')) {
            if (!line.toLower().startsWith("access-control-"))
                kept += line + '\n';
        }
        kept.chop(1);
        const qint64 written = QTcpSocket::writeData(kept.constData(), kept.size());
        return written < 0 ? written : length;
    }

private:
    bool m_dropCors = false;
};

} // namespace

// Watches one connection. A child of its socket, so it goes with it, whoever deletes it; the
// HTTP server drops every connection of a socket it hands to the WebSocket server, so the
// guard learns nothing from the socket's signals but its arrivals.
class GuardedTcpServer::Guard : public QObject
{
public:
    Guard(GuardedTcpServer *server, QTcpSocket *socket)
        : QObject(socket), m_server(server), m_socket(socket)
    {
        m_deadline.setSingleShot(true);
        connect(&m_deadline, &QTimer::timeout, this, &Guard::close);
        m_deadline.start(server->m_limits.requestTimeoutMs);
        // Connected before the HTTP server's own reader, so it sees each arrival first.
        connect(socket, &QTcpSocket::readyRead, this, &Guard::count);
        server->m_guards.insert(socket, this);
    }
    ~Guard() override
    {
        if (m_server)
            m_server->m_guards.remove(m_socket);
    }

    void answered()
    {
        m_received = 0;
        m_deadline.start(m_server->m_limits.requestTimeoutMs);
    }
    void handedOver()
    {
        static_cast<GuardedSocket *>(m_socket)->dropCorsHeadersOfNextAnswer();
        m_deadline.stop();
        disconnect(m_socket, &QTcpSocket::readyRead, this, &Guard::count);
    }

private:
    void count()
    {
        m_received += m_socket->bytesAvailable();
        // Closed once the HTTP server's own reader has had this arrival, not under it.
        if (m_server && m_received > m_server->m_limits.maxRequestBytes)
            QMetaObject::invokeMethod(this, &Guard::close, Qt::QueuedConnection);
    }
    // One byte a second, or nothing at all, holds no connection past its time.
    void close()
    {
        m_socket->abort();
        m_socket->deleteLater();
    }

    QPointer<GuardedTcpServer> m_server;
    QTcpSocket *m_socket = nullptr;
    QTimer m_deadline;
    qint64 m_received = 0;
};

GuardedTcpServer::GuardedTcpServer(Limits limits, Refusal refused, QObject *parent)
    : QTcpServer(parent), m_limits(limits), m_refused(std::move(refused))
{
}

void GuardedTcpServer::incomingConnection(qintptr descriptor)
{
    auto *socket = new GuardedSocket(this);
    if (!socket->setSocketDescriptor(descriptor) || openConnections() >= m_limits.maxConnections ||
        m_refused(socket->peerAddress())) {
        socket->abort();
        delete socket;
        return;
    }
    // The HTTP server keeps a request's bytes until it is whole; a request past the limits
    // never fills more than this.
    socket->setReadBufferSize(2 * m_limits.maxRequestBytes);
    new Guard(this, socket);
    addPendingConnection(socket);
}

void GuardedTcpServer::answered(QTcpSocket *socket)
{
    if (Guard *guard = m_guards.value(socket))
        guard->answered();
}

void GuardedTcpServer::handedOver(QTcpSocket *socket)
{
    if (Guard *guard = m_guards.value(socket))
        guard->handedOver();
}
