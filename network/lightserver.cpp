// SPDX-License-Identifier: MIT
#include "network/lightserver.h"

#include "network/guardedtcpserver.h"

#include <QElapsedTimer>
#include <QFile>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QTimer>
#include <QWebSocket>

using Status = QHttpServerResponder::StatusCode;
using Method = QHttpServerRequest::Method;

struct LightServer::Answer
{
    Answer(Status status, QByteArray body,
           QByteArray contentType = QByteArrayLiteral("text/plain; charset=utf-8"),
           QByteArray allow = {})
        : status(status), body(std::move(body)), contentType(std::move(contentType)),
          allow(std::move(allow))
    {
    }

    Status status;
    QByteArray body;
    QByteArray contentType;
    // Only for a method a path does not take: the ones it does.
    QByteArray allow;
};

namespace {

const QByteArray KeyScheme = QByteArrayLiteral("Bearer ");
const QString WebSocketPath = QStringLiteral("/ws");
const QString KeyField = QStringLiteral("key");
const QString CommandField = QStringLiteral("command");
const QString RowField = QStringLiteral("row");
const QString RoleField = QStringLiteral("role");
// A refused WebSocket is given this long to take its close frame before it is cut off.
constexpr int CloseGraceMs = 1000;
constexpr quint16 DefaultPort = 80;

struct StaticFile
{
    const char *path;
    const char *resource;
    const char *contentType;
};

const StaticFile StaticFiles[] = {
    {"/", ":/network/page/index.html", "text/html; charset=utf-8"},
    {"/light.css", ":/network/page/light.css", "text/css; charset=utf-8"},
    {"/light.js", ":/network/page/light.js", "text/javascript; charset=utf-8"},
};

qint64 monotonicMs()
{
    static QElapsedTimer started = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return started.elapsed();
}

// Header names are the same in any case; a name given twice is not taken at all.
QByteArray header(const QHttpServerRequest &request, const QByteArray &name, bool *twice = nullptr)
{
    QByteArray found;
    int count = 0;
    for (const auto &[key, value] : request.headers()) {
        if (key.compare(name, Qt::CaseInsensitive) == 0) {
            found = value.trimmed();
            ++count;
        }
    }
    if (twice)
        *twice = count > 1;
    return count == 1 ? found : QByteArray();
}

qint64 headerBytes(const QHttpServerRequest &request)
{
    qint64 bytes = request.url().toEncoded().size();
    for (const auto &[key, value] : request.headers())
        bytes += key.size() + value.size() + 4;
    return bytes;
}

QByteArray jsonBody(const QJsonObject &object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QString roleName(PairedDevice::Role role)
{
    return role == PairedDevice::Role::Controller ? QStringLiteral("controller")
                                                  : QStringLiteral("viewer");
}

} // namespace

LightServer::LightServer(QObject *parent, Clock clock, Limits limits)
    : QAbstractHttpServer(parent), m_clock(clock ? std::move(clock) : Clock(monotonicMs)),
      m_limits(limits), m_registry(m_clock, limits.pairingCodeLifetimeMs),
      m_failures(m_clock, limits.failures)
{
    connect(this, &QAbstractHttpServer::newWebSocketConnection, this,
            &LightServer::acceptWebSockets);
    m_heartbeat = new QTimer(this);
    connect(m_heartbeat, &QTimer::timeout, this, &LightServer::heartbeat);
    m_codeExpiry = new QTimer(this);
    m_codeExpiry->setSingleShot(true);
    connect(m_codeExpiry, &QTimer::timeout, this, &LightServer::offerNewCode);
}

LightServer::~LightServer()
{
    stop();
}

bool LightServer::start(const QHostAddress &address, quint16 port)
{
    stop();
    m_error.clear();
    auto refused = [this](const QHostAddress &peer) { return m_failures.isRefused(peer); };
    const GuardedTcpServer::Limits limits{
        m_limits.maxConnections, m_limits.maxConnectionsPerAddress,
        qint64(m_limits.maxHeaderBytes) + m_limits.maxBodyBytes, m_limits.requestTimeoutMs};
    auto *tcp = new GuardedTcpServer(limits, refused, this);
    if (!tcp->listen(address, port)) {
        m_error = tcp->serverError() == QAbstractSocket::AddressInUseError
                      ? tr("Port %1 is taken on %2 by another program; choose another port.")
                            .arg(port)
                            .arg(address.toString())
                      : tr("Cannot listen on %1 port %2: %3")
                            .arg(address.toString())
                            .arg(port)
                            .arg(tcp->errorString());
        delete tcp;
        return false;
    }
    bind(tcp);
    m_tcp = tcp;
    m_address = address;
    m_port = tcp->serverPort();
    m_heartbeat->start(m_limits.heartbeatMs);
    offerNewCode();
    return true;
}

void LightServer::stop()
{
    m_heartbeat->stop();
    m_codeExpiry->stop();
    const QList<QWebSocket *> sockets = findChildren<QWebSocket *>(Qt::FindDirectChildrenOnly);
    m_clients.clear();
    for (QWebSocket *socket : sockets) {
        socket->abort();
        delete socket;
    }
    // The connections still open go with the server that accepted them.
    delete m_tcp.data();
}

bool LightServer::isListening() const
{
    return m_tcp && m_tcp->isListening();
}

int LightServer::openConnections() const
{
    return m_tcp ? m_tcp->openConnections() : 0;
}

QString LightServer::origin() const
{
    QUrl url;
    url.setScheme(QStringLiteral("http"));
    url.setHost(m_address.toString());
    // As a browser writes it: without the port it would have used anyway.
    if (m_port != DefaultPort)
        url.setPort(m_port);
    return url.toString(QUrl::FullyEncoded);
}

QUrl LightServer::pairingUrl()
{
    // The code travels after '#', which a browser never sends: only the page's script sees it.
    QUrl url(origin() + QLatin1Char('/'));
    url.setFragment(QStringLiteral("pair=") + m_registry.pairingCode());
    return url;
}

void LightServer::offerNewCode()
{
    if (!isListening())
        return;
    const QUrl url = pairingUrl();
    m_codeExpiry->start(int(qMax<qint64>(0, m_registry.codeExpiresAt() - m_clock())));
    emit pairingUrlChanged(url);
}

void LightServer::setDevices(const QList<PairedDevice> &devices)
{
    m_registry.setDevices(devices);
}

void LightServer::setRole(const QString &deviceId, PairedDevice::Role role)
{
    if (!m_registry.setRole(deviceId, role))
        return;
    emit devicesChanged(m_registry.devices());
    const PairedDevice *device = m_registry.device(deviceId);
    for (auto it = m_clients.cbegin(); it != m_clients.cend(); ++it) {
        if (it->deviceId == deviceId)
            it.key()->sendTextMessage(QString::fromUtf8(stateMessage(*device)));
    }
}

void LightServer::revoke(const QString &deviceId)
{
    // The caller's text may be the device's own, which goes with it.
    const QString id = deviceId;
    if (!m_registry.revoke(id))
        return;
    const QList<QWebSocket *> sockets = m_clients.keys();
    for (QWebSocket *socket : sockets) {
        if (m_clients.value(socket).deviceId == id)
            refuse(socket, NotPaired, QStringLiteral("revoked"));
    }
    emit devicesChanged(m_registry.devices());
}

void LightServer::setState(const LightState &state)
{
    if (state == m_state)
        return;
    m_state = state;
    for (auto it = m_clients.cbegin(); it != m_clients.cend(); ++it) {
        if (const PairedDevice *device = m_registry.device(it->deviceId))
            it.key()->sendTextMessage(QString::fromUtf8(stateMessage(*device)));
    }
}

QByteArray LightServer::stateMessage(const PairedDevice &device) const
{
    QJsonObject message = m_state.toJson();
    message.insert(RoleField, roleName(device.role));
    return jsonBody(message);
}

// ---- HTTP ------------------------------------------------------------------------------

bool LightServer::handleRequest(const QHttpServerRequest &request, QTcpSocket *socket)
{
    const bool upgrade = isWebSocketUpgrade(request);
    const Answer a = upgrade ? webSocketAnswer(request) : answer(request);
    // An upgrade answered with nothing goes on to the WebSocket server, which answers it; one
    // refused is answered here and, reported as not handled, closed by the HTTP server.
    if (upgrade && a.status == Status::SwitchingProtocols) {
        if (m_tcp)
            m_tcp->handedOver(socket);
        return true;
    }
    QHttpServerResponder responder = makeResponder(request, socket);
    responder.writeStatusLine(a.status);
    responder.writeHeader(QByteArrayLiteral("Content-Type"), a.contentType);
    responder.writeHeader(QByteArrayLiteral("Content-Length"), QByteArray::number(a.body.size()));
    responder.writeHeader(QByteArrayLiteral("Cache-Control"), QByteArrayLiteral("no-store"));
    responder.writeHeader(QByteArrayLiteral("X-Content-Type-Options"),
                          QByteArrayLiteral("nosniff"));
    responder.writeHeader(QByteArrayLiteral("X-Frame-Options"), QByteArrayLiteral("DENY"));
    responder.writeHeader(QByteArrayLiteral("Referrer-Policy"), QByteArrayLiteral("no-referrer"));
    responder.writeHeader(QByteArrayLiteral("Content-Security-Policy"), contentSecurityPolicy());
    if (!a.allow.isEmpty())
        responder.writeHeader(QByteArrayLiteral("Allow"), a.allow);
    responder.writeBody(request.method() == Method::Head ? QByteArray() : a.body);
    if (m_tcp)
        m_tcp->answered(socket);
    return !upgrade;
}

void LightServer::missingHandler(const QHttpServerRequest &request, QTcpSocket *socket)
{
    // Every other request was answered in handleRequest().
    if (!isWebSocketUpgrade(request))
        makeResponder(request, socket).write(Status::NotFound);
}

bool LightServer::isWebSocketUpgrade(const QHttpServerRequest &request)
{
    return header(request, "Upgrade").compare("websocket", Qt::CaseInsensitive) == 0;
}

LightServer::Answer LightServer::webSocketAnswer(const QHttpServerRequest &request)
{
    Answer refusal = checked(request);
    if (refusal.status != Status::Ok)
        return refusal;
    if (request.url().path() != WebSocketPath)
        return {Status::NotFound, "not found\n"};
    // The Origin tells a page of this server from any other page the browser shows.
    if (header(request, "Origin") != origin().toLatin1())
        return {Status::Forbidden, "foreign origin\n"};
    return {Status::SwitchingProtocols, {}};
}

QByteArray LightServer::contentSecurityPolicy() const
{
    // The page's WebSocket goes to this server alone.
    QUrl webSocket(origin());
    webSocket.setScheme(QStringLiteral("ws"));
    return "default-src 'self'; connect-src 'self' " + webSocket.toEncoded() +
           "; frame-ancestors 'none'; base-uri 'none'";
}

bool LightServer::hostIsOurs(const QByteArray &host) const
{
    const QString given = QString::fromLatin1(host);
    QUrl own(origin());
    if (given.compare(own.authority(), Qt::CaseInsensitive) == 0)
        return true;
    own.setPort(m_port);
    return given.compare(own.authority(), Qt::CaseInsensitive) == 0;
}

LightServer::Answer LightServer::checked(const QHttpServerRequest &request)
{
    if (m_failures.isRefused(request.remoteAddress()))
        return {Status::TooManyRequests, "too many failed attempts; try again later\n"};
    bool hostTwice = false;
    // A name that resolves to this machine is not enough: the page must be asked for by the
    // address it was offered on, or any site could have a browser read it through its own name.
    if (!hostIsOurs(header(request, "Host", &hostTwice)) || hostTwice)
        return {Status::MisdirectedRequest, "unknown host\n"};
    if (headerBytes(request) > m_limits.maxHeaderBytes)
        return {Status::RequestHeaderFieldsTooLarge, "headers too large\n"};
    if (request.body().size() > m_limits.maxBodyBytes)
        return {Status::PayloadTooLarge, "body too large\n"};
    const QByteArray givenOrigin = header(request, "Origin");
    if (!givenOrigin.isEmpty() && givenOrigin != origin().toLatin1())
        return {Status::Forbidden, "foreign origin\n"};
    return {Status::Ok, {}};
}

LightServer::Answer LightServer::answer(const QHttpServerRequest &request)
{
    Answer refusal = checked(request);
    if (refusal.status != Status::Ok)
        return refusal;

    const QString path = request.url().path();
    const Method method = request.method();
    const bool reading = method == Method::Get || method == Method::Head;
    for (const StaticFile &file : StaticFiles) {
        if (path != QLatin1String(file.path))
            continue;
        if (!reading)
            return {Status::MethodNotAllowed, "", "text/plain; charset=utf-8", "GET, HEAD"};
        QFile resource(QString::fromLatin1(file.resource));
        resource.open(QIODevice::ReadOnly);
        return {Status::Ok, resource.readAll(), file.contentType};
    }
    if (path == QLatin1String("/api/pair")) {
        if (method != Method::Post)
            return {Status::MethodNotAllowed, "", "text/plain; charset=utf-8", "POST"};
        return pairDevice(request);
    }
    if (path == QLatin1String("/api/state")) {
        if (!reading)
            return {Status::MethodNotAllowed, "", "text/plain; charset=utf-8", "GET, HEAD"};
        const PairedDevice *device = deviceOf(request);
        if (!device)
            return {Status::Unauthorized, "not paired\n"};
        return {Status::Ok, stateMessage(*device), "application/json"};
    }
    if (path == QLatin1String("/api/command")) {
        // A link or an image on any page can make a browser send a GET; a command never is one.
        if (method != Method::Post)
            return {Status::MethodNotAllowed, "", "text/plain; charset=utf-8", "POST"};
        const PairedDevice *device = deviceOf(request);
        if (!device)
            return {Status::Unauthorized, "not paired\n"};
        return command(request, *device);
    }
    return {Status::NotFound, "not found\n"};
}

const PairedDevice *LightServer::deviceOf(const QHttpServerRequest &request)
{
    const QByteArray given = header(request, "Authorization");
    const PairedDevice *device = given.startsWith(KeyScheme)
                                     ? m_registry.deviceForKey(given.mid(KeyScheme.size()))
                                     : nullptr;
    // Any page a device's browser shows can have it ask with nothing (an image, a link), which
    // must not lock that device out: only a key offered and wrong counts.
    if (!device && !given.isEmpty())
        failed(request.remoteAddress(), FailedAttempt::What::Key);
    return device;
}

void LightServer::failed(const QHostAddress &address, FailedAttempt::What what)
{
    const FailedAttempt attempt{address.toString(), QDateTime::currentDateTimeUtc(), what};
    const bool refusedNow = m_failures.fail(address);
    emit attemptFailed(attempt);
    if (refusedNow)
        emit attemptFailed({attempt.address, attempt.at, FailedAttempt::What::Refused});
}

LightServer::Answer LightServer::pairDevice(const QHttpServerRequest &request)
{
    const QJsonObject body = QJsonDocument::fromJson(request.body()).object();
    const QString code = body.value(QStringLiteral("code")).toString();
    const QByteArray key = m_registry.pair(code, body.value(QStringLiteral("agent")).toString(),
                                           QDateTime::currentDateTimeUtc());
    if (key.isEmpty()) {
        if (!code.isEmpty())
            failed(request.remoteAddress(), FailedAttempt::What::PairingCode);
        return {Status::Forbidden, "the pairing code is not the one on offer\n"};
    }
    emit devicesChanged(m_registry.devices());
    offerNewCode();
    return {Status::Ok,
            jsonBody({{KeyField, QString::fromLatin1(key)},
                      {RoleField, roleName(PairedDevice::Role::Viewer)}}),
            "application/json"};
}

LightServer::Answer LightServer::command(const QHttpServerRequest &request,
                                         const PairedDevice &device)
{
    if (device.role != PairedDevice::Role::Controller)
        return {Status::Forbidden, "a viewer cannot control the timer\n"};
    const QJsonObject body = QJsonDocument::fromJson(request.body()).object();
    const QString name = body.value(CommandField).toString();
    if (name == QLatin1String("start")) {
        emit startRequested(device.name());
    } else if (name == QLatin1String("stop")) {
        emit stopRequested(device.name());
    } else if (name == QLatin1String("row")) {
        const int row = body.value(RowField).toInt();
        if (row < 1 || row > m_state.rows.size())
            return {Status::BadRequest, "no such row\n"};
        emit rowRequested(row);
    } else {
        return {Status::BadRequest, "unknown command\n"};
    }
    return {Status::NoContent, {}};
}

// ---- WebSockets ------------------------------------------------------------------------

void LightServer::acceptWebSockets()
{
    while (hasPendingWebSocketConnections()) {
        // Owned by the server from here on, so that stopping it closes every one.
        QWebSocket *socket = nextPendingWebSocketConnection().release();
        if (!socket)
            break;
        socket->setParent(this);
        socket->setMaxAllowedIncomingFrameSize(quint64(m_limits.maxBodyBytes));
        socket->setMaxAllowedIncomingMessageSize(quint64(m_limits.maxBodyBytes));
        connect(socket, &QWebSocket::disconnected, this, [this, socket] {
            m_clients.remove(socket);
            socket->deleteLater();
        });
        connect(socket, &QWebSocket::textMessageReceived, this,
                [this, socket](const QString &message) { webSocketMessage(socket, message); });
        connect(socket, &QWebSocket::binaryMessageReceived, this,
                [this, socket] { refuse(socket, Refused, QStringLiteral("text only")); });
        connect(socket, &QWebSocket::pong, this, [this, socket] {
            const auto it = m_clients.find(socket);
            if (it != m_clients.end())
                it->lastPong = m_clock();
        });
        // The key comes first, and soon.
        QTimer::singleShot(m_limits.requestTimeoutMs, socket, [this, socket] {
            if (!m_clients.contains(socket))
                refuse(socket, Refused, QStringLiteral("no key in time"));
        });
    }
}

void LightServer::webSocketMessage(QWebSocket *socket, const QString &message)
{
    // Nothing more is taken from a device over its WebSocket, nor from one being closed.
    if (m_clients.contains(socket) || socket->state() != QAbstractSocket::ConnectedState)
        return;
    // Sockets opened before the address was refused give it no more tries.
    if (m_failures.isRefused(socket->peerAddress())) {
        refuse(socket, Refused, QStringLiteral("too many failed attempts"));
        return;
    }
    const QJsonObject hello = QJsonDocument::fromJson(message.toUtf8()).object();
    const QByteArray key = hello.value(KeyField).toString().toLatin1();
    const PairedDevice *device = m_registry.deviceForKey(key);
    if (!device) {
        if (!key.isEmpty())
            failed(socket->peerAddress(), FailedAttempt::What::Key);
        refuse(socket, NotPaired, QStringLiteral("not paired"));
        return;
    }
    m_clients.insert(socket, Client{device->id, m_clock()});
    socket->sendTextMessage(QString::fromUtf8(stateMessage(*device)));
}

void LightServer::refuse(QWebSocket *socket, CloseCode code, const QString &reason)
{
    m_clients.remove(socket);
    socket->close(QWebSocketProtocol::CloseCode(code), reason);
    QTimer::singleShot(CloseGraceMs, socket, &QWebSocket::abort);
}

void LightServer::heartbeat()
{
    const qint64 now = m_clock();
    QList<QWebSocket *> silent;
    for (auto it = m_clients.cbegin(); it != m_clients.cend(); ++it) {
        if (now - it->lastPong > 2 * m_limits.heartbeatMs)
            silent.append(it.key());
        else
            it.key()->ping();
    }
    // Aborting reports the disconnection at once, which takes the client off the list.
    for (QWebSocket *socket : silent)
        socket->abort();
}
