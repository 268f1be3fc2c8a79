// SPDX-License-Identifier: MIT
#include "network/guardedtcpserver.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

#include <functional>
#include <utility>

namespace {

// Follows the frames a WebSocket client sends, from their headers alone. A client masks every
// frame, and Qt's WebSocket server takes unmasked ones as well; a server closes on them.
class FrameWatch
{
public:
    // False once a frame has come unmasked.
    bool take(const QByteArray &bytes)
    {
        for (qsizetype i = 0; i < bytes.size();) {
            if (m_payloadLeft > 0) {
                const quint64 skipped = qMin(m_payloadLeft, quint64(bytes.size() - i));
                m_payloadLeft -= skipped;
                i += qsizetype(skipped);
                continue;
            }
            m_head += bytes[i++];
            if (m_head.size() < 2)
                continue;
            const quint8 second = quint8(m_head[1]);
            if (!(second & MaskBit))
                return false;
            const quint8 shortLength = second & ~MaskBit;
            const int lengthBytes = shortLength == 126 ? 2 : shortLength == 127 ? 8 : 0;
            if (m_head.size() < 2 + lengthBytes + MaskBytes)
                continue;
            m_payloadLeft = lengthBytes == 0 ? shortLength : 0;
            for (int b = 0; b < lengthBytes; ++b)
                m_payloadLeft = m_payloadLeft << 8 | quint8(m_head[2 + b]);
            m_head.clear();
        }
        return true;
    }

private:
    static constexpr quint8 MaskBit = 0x80;
    static constexpr int MaskBytes = 4;
    QByteArray m_head;
    quint64 m_payloadLeft = 0;
};

// Qt's WebSocket server names the origin it accepted in CORS headers of its handshake answer.
// This server sends no CORS header at all, so they are left out of that answer.
class GuardedSocket : public QTcpSocket
{
public:
    using QTcpSocket::QTcpSocket;

    // The next answer is the WebSocket's handshake; once written, the connection is a WebSocket.
    void answerWebSocket(std::function<void()> answered)
    {
        m_dropCors = true;
        m_answered = std::move(answered);
    }

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
        if (m_answered)
            std::exchange(m_answered, {})();
        return written < 0 ? written : length;
    }

private:
    bool m_dropCors = false;
    std::function<void()> m_answered;
};

} // namespace

// Watches one connection. A child of its socket, so it goes with it, whoever deletes it; the
// HTTP server drops every connection of a socket it hands to the WebSocket server, so the
// guard learns nothing from the socket's signals but its arrivals.
class GuardedTcpServer::Guard : public QObject
{
public:
    Guard(GuardedTcpServer *server, QTcpSocket *socket)
        : QObject(socket), m_server(server), m_socket(socket), m_peer(socket->peerAddress())
    {
        m_deadline.setSingleShot(true);
        connect(&m_deadline, &QTimer::timeout, this, &Guard::close);
        m_deadline.start(server->m_limits.requestTimeoutMs);
        // Connected before the HTTP server's own reader, so it sees each arrival first.
        connect(socket, &QTcpSocket::readyRead, this, &Guard::count);
        server->m_guards.insert(socket, this);
        ++server->m_perAddress[m_peer];
    }
    ~Guard() override
    {
        if (!m_server)
            return;
        m_server->m_guards.remove(m_socket);
        if (--m_server->m_perAddress[m_peer] <= 0)
            m_server->m_perAddress.remove(m_peer);
    }

    void answered()
    {
        m_received = 0;
        m_deadline.start(m_server->m_limits.requestTimeoutMs);
    }
    void handedOver()
    {
        // The WebSocket's own reader is connected once the answer is written: this one before
        // it, and the count of what it left after it.
        static_cast<GuardedSocket *>(m_socket)->answerWebSocket([this] {
            connect(m_socket, &QTcpSocket::readyRead, this, &Guard::inspectFrames);
            QMetaObject::invokeMethod(this, &Guard::watchFrames, Qt::QueuedConnection);
        });
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
    void watchFrames()
    {
        // A client waits for the handshake's answer before it sends a frame.
        if (m_socket->bytesAvailable() > 0) {
            m_socket->abort();
            return;
        }
        connect(m_socket, &QTcpSocket::readyRead, this,
                [this] { m_inspected = m_socket->bytesAvailable(); });
    }
    // Each arrival is looked at before the WebSocket's reader takes it: an unmasked frame is
    // never read.
    void inspectFrames()
    {
        const qint64 available = m_socket->bytesAvailable();
        const bool masked = m_frames.take(m_socket->peek(available).mid(m_inspected));
        m_inspected = available;
        if (!masked)
            m_socket->abort();
    }
    // One byte a second, or nothing at all, holds no connection past its time.
    void close()
    {
        m_socket->abort();
        m_socket->deleteLater();
    }

    QPointer<GuardedTcpServer> m_server;
    QTcpSocket *m_socket = nullptr;
    const QHostAddress m_peer;
    QTimer m_deadline;
    qint64 m_received = 0;
    FrameWatch m_frames;
    // Bytes waiting in the socket that have been looked at already.
    qint64 m_inspected = 0;
};

GuardedTcpServer::GuardedTcpServer(Limits limits, Refusal refused, QObject *parent)
    : QTcpServer(parent), m_limits(limits), m_refused(std::move(refused))
{
}

void GuardedTcpServer::incomingConnection(qintptr descriptor)
{
    auto *socket = new GuardedSocket(this);
    if (!socket->setSocketDescriptor(descriptor) || openConnections() >= m_limits.maxConnections ||
        m_perAddress.value(socket->peerAddress()) >= m_limits.maxPerAddress ||
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
