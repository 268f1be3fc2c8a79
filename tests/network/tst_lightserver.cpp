// SPDX-License-Identifier: MIT
#include "network/lightserver.h"
#include "network/videolinkdialog.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <QUrlQuery>
#include <QWebSocket>

#include <limits>
#include <memory>

// The server on 127.0.0.1, asked as devices and as strangers would ask it. Every refusal is
// checked while a tick in this thread keeps time: no client holds the server, or its thread.
class TestLightServer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void answers_data();
    void answers();
    void videoLink_data();
    void videoLink();
    void webSocket_data();
    void webSocket();
    void revokedWhileConnected();
    void heldConnections_data();
    void heldConnections();
    void connectionCaps_data();
    void connectionCaps();
    void keptAliveRequests();
    void unmaskedFrameCloses();
    void failuresRefuseTheAddress_data();
    void failuresRefuseTheAddress();
    void aFullFailureTableKeepsRefusals();
    void controllerCommands_data();
    void controllerCommands();
    void devicesSurviveARestart();
    void randomBytesAndRandomHttp();

private:
    static constexpr int TimeoutMs = 400;
    static constexpr int TickMs = 10;
    static constexpr int LateTickMs = 250;

    QByteArray pair(const QString &code);
    void restart(const LightServer::Limits &limits);
    QString code() { return QUrlQuery(m_server->pairingUrl().fragment()).queryItemValue("pair"); }
    QByteArray host() const { return "127.0.0.1:" + QByteArray::number(m_server->port()); }
    // Sends raw bytes and returns the answer's status, or -1 when the connection closed with none.
    int raw(const QByteArray &request, QByteArray *answer = nullptr);
    std::unique_ptr<QWebSocket> openWebSocket(const QString &origin, const QString &hello,
                                              QStringList *messages);

    qint64 m_now = 0;
    std::unique_ptr<LightServer> m_server;
    QTimer m_tick;
    QElapsedTimer m_sinceTick;
    qint64 m_latestTick = 0;
    QByteArray m_viewer, m_controller, m_revoked;
};

void TestLightServer::init()
{
    LightServer::Limits limits;
    limits.requestTimeoutMs = TimeoutMs;
    m_server = std::make_unique<LightServer>(
        nullptr, [this] { return m_now; }, limits);
    QVERIFY(m_server->start(QHostAddress::LocalHost, 0));
    QCOMPARE(m_server->servers().value(0)->serverAddress(), QHostAddress(QHostAddress::LocalHost));
    QSignalSpy offered(m_server.get(), &LightServer::pairingUrlChanged);
    m_viewer = pair(code());
    m_controller = pair(code());
    m_revoked = pair(code());
    const QList<PairedDevice> devices = m_server->devices();
    QCOMPARE(devices.size(), 3);
    QCOMPARE(offered.count(), 3);
    m_server->setRole(devices[1].id, PairedDevice::Role::Controller);
    m_server->revoke(devices[2].id);
    m_latestTick = 0;
    m_sinceTick.start();
    connect(&m_tick, &QTimer::timeout, this,
            [this] { m_latestTick = qMax(m_latestTick, m_sinceTick.restart()); });
    m_tick.start(TickMs);
}

void TestLightServer::cleanup()
{
    m_tick.stop();
    m_tick.disconnect(this);
    QVERIFY2(m_latestTick < LateTickMs, qPrintable(QString::number(m_latestTick)));
    m_server.reset();
}

QByteArray TestLightServer::pair(const QString &pairingCode)
{
    QNetworkAccessManager manager;
    QNetworkRequest request(QUrl(m_server->origin() + "/api/pair"));
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
    std::unique_ptr<QNetworkReply> reply(manager.post(
        request, QJsonDocument(QJsonObject{{"code", pairingCode}, {"agent", "test"}}).toJson()));
    if (!QTest::qWaitFor([&] { return reply->isFinished(); }, 5000))
        return {};
    return QJsonDocument::fromJson(reply->readAll()).object().value("key").toString().toLatin1();
}

void TestLightServer::restart(const LightServer::Limits &limits)
{
    const QList<PairedDevice> devices = m_server->devices();
    m_server = std::make_unique<LightServer>(
        nullptr, [this] { return m_now; }, limits);
    m_server->setDevices(devices);
    QVERIFY(m_server->start(QHostAddress::LocalHost, 0));
}

int TestLightServer::raw(const QByteArray &request, QByteArray *answer)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, m_server->port());
    if (!socket.waitForConnected(2000))
        return -2;
    socket.write(request);
    // Until closed, or the head and as much body as it announces have come.
    QByteArray got;
    const auto whole = [&] {
        const qsizetype head = got.indexOf("\r\n\r\n");
        const QRegularExpressionMatch length =
            QRegularExpression("content-length: (\\d+)").match(QString::fromLatin1(got.toLower()));
        return head >= 0 && got.size() >= head + 4 + length.captured(1).toInt();
    };
    (void)QTest::qWaitFor(
        [&] {
            got += socket.readAll();
            return socket.state() != QAbstractSocket::ConnectedState || whole();
        },
        5000);
    if (answer)
        *answer = got;
    return got.startsWith("HTTP/1.") ? got.mid(9, 3).toInt() : -1;
}

void TestLightServer::answers_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("status");
    // {key: ...} stands for an Authorization header with that key.
    const auto get = [](const QByteArray &path, const QByteArray &extra = {}) {
        return "GET " + path + " HTTP/1.1\r\nHost: {host}\r\n" + extra + "\r\n";
    };
    const auto post = [](const QByteArray &path, const QByteArray &extra, const QByteArray &body) {
        return "POST " + path + " HTTP/1.1\r\nHost: {host}\r\n" + extra +
               "Content-Length: {length}\r\n\r\n" + body;
    };
    const auto ws = [](const QByteArray &host, const QByteArray &origin) {
        return "GET /ws HTTP/1.1\r\nHost: " + host +
               "\r\nUpgrade: websocket\r\nConnection: Upgrade"
               "\r\nSec-WebSocket-Version: 13\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n" +
               origin + "\r\n";
    };
    const QByteArray start = R"({"command":"start"})";
    const QByteArray viewer = "Authorization: Bearer {viewer}\r\n";
    const QByteArray controller = "Authorization: Bearer {controller}\r\n";
    const QByteArray evil = "Origin: http://evil.example\r\n";
    QTest::newRow("the page, for anyone") << get("/") << 200;
    QTest::newRow("pairing once") << post("/api/pair", {}, R"({"code":"{code}"})") << 200;
    QTest::newRow("a code used twice") << post("/api/pair", {}, R"({"code":"{used}"})") << 403;
    QTest::newRow("an expired code") << post("/api/pair", {}, R"({"code":"{expired}"})") << 403;
    QTest::newRow("a code but its last character")
        << post("/api/pair", {}, R"({"code":"{nearly}"})") << 403;
    QTest::newRow("state with a key") << get("/api/state", viewer) << 200;
    QTest::newRow("state with no key") << get("/api/state") << 401;
    QTest::newRow("key in the URL") << get("/api/state?key={viewer}") << 401;
    QTest::newRow("a wrong key") << get("/api/state", "Authorization: Bearer AAAA\r\n") << 401;
    QTest::newRow("a revoked key")
        << get("/api/state", "Authorization: Bearer {revoked}\r\n") << 401;
    QTest::newRow("a viewer sending START") << post("/api/command", viewer, start) << 403;
    QTest::newRow("START with no key") << post("/api/command", {}, start) << 401;
    QTest::newRow("a GET with a command") << get("/api/command?command=start", controller) << 405;
    QTest::newRow("a bad Host") << get("/").replace("{host}", "rebound.example") << 421;
    QTest::newRow("a Host that goes on")
        << get("/").replace("{host}", "{host}.rebound.example") << 421;
    QTest::newRow("Host given twice") << get("/", "Host: rebound.example\r\n") << 421;
    QTest::newRow("a bad Origin") << post("/api/command", evil + controller, start) << 403;
    QTest::newRow("a preflight") << get("/api/command", evil).replace("GET", "OPTIONS") << 403;
    QTest::newRow("a WebSocket") << ws("{host}", "Origin: http://{host}\r\n") << 101;
    QTest::newRow("a WebSocket to a bad Host")
        << ws("rebound.example", "Origin: http://{host}\r\n") << 421;
    QTest::newRow("a WebSocket from a bad Origin") << ws("{host}", evil) << 403;
    QTest::newRow("a WebSocket with no Origin") << ws("{host}", {}) << 403;
    QTest::newRow("an oversized header") << get("/", "X: " + QByteArray(9000, 'x') + "\r\n") << 431;
    QTest::newRow("an oversized body") << post("/api/pair", {}, QByteArray(5000, 'x')) << 413;
    QTest::newRow("a body at the limit") << post("/api/pair", {}, QByteArray(4096, 'x')) << 403;
    QTest::newRow("a body past it") << post("/api/pair", {}, QByteArray(4097, 'x')) << 413;
    QTest::newRow("a huge body") << post("/api/pair", {}, QByteArray(64 * 1024, 'x')) << -1;
    QTest::newRow("not HTTP") << QByteArray("\x16\x03\x01\x02\x00\x01\x00\x01\xfc\x03\x03", 11)
                              << -1;
}

void TestLightServer::answers()
{
    QFETCH(QByteArray, request);
    QFETCH(int, status);
    const QByteArray offered = code().toLatin1();
    QByteArray nearly = offered;
    nearly.back() = nearly.back() == 'A' ? 'B' : 'A';
    if (request.contains("{used}"))
        QVERIFY(!pair(offered).isEmpty());
    // Past the code's lifetime, and nothing asks for the code on offer again.
    if (request.contains("{expired}"))
        m_now += 120'000;
    request.replace("{host}", host())
        .replace("{code}", offered)
        .replace("{used}", offered)
        .replace("{expired}", offered)
        .replace("{nearly}", nearly)
        .replace("{viewer}", m_viewer)
        .replace("{controller}", m_controller)
        .replace("{revoked}", m_revoked);
    request.replace("{length}",
                    QByteArray::number(request.size() - request.indexOf("\r\n\r\n") - 4));
    QSignalSpy started(m_server.get(), &LightServer::startRequested);
    QByteArray answer;
    QCOMPARE(raw(request, &answer), status);
    QCOMPARE(started.count(), 0);
    QVERIFY(!answer.toLower().contains("access-control-"));
    QCOMPARE(answer.contains("\"lamps\""), request.contains("/api/state") && status == 200);
    if (status == 200)
        QVERIFY(answer.contains("connect-src 'self' ws://" + host() + ";"));
}

void TestLightServer::videoLink_data()
{
    QTest::addColumn<int>("usedBefore");
    QTest::addColumn<int>("laterMs");
    QTest::newRow("a fresh link pairs once") << 0 << 0;
    QTest::newRow("a used link") << 1 << 0;
    QTest::newRow("an expired link") << 0 << 120'000;
}

void TestLightServer::videoLink()
{
    QFETCH(int, usedBefore);
    QFETCH(int, laterMs);
    VideoLayout layout;
    layout.kind = VideoLayout::Kind::Border;
    const QUrl link = VideoLinkDialog::link(m_server->pairingUrl(), layout);
    const QString linkCode = QUrlQuery(link.fragment()).queryItemValue("pair");
    QCOMPARE(linkCode, code());
    QCOMPARE(VideoLayout::fromQuery(QUrlQuery(link)).kind, layout.kind);
    const QByteArray page = link.toEncoded(QUrl::RemoveScheme | QUrl::RemoveAuthority |
                                           QUrl::RemoveFragment);
    QCOMPARE(raw("GET " + page + " HTTP/1.1\r\nHost: " + host() + "\r\n\r\n"), 200);
    for (int i = 0; i < usedBefore; ++i)
        QVERIFY(!pair(linkCode).isEmpty());
    m_now += laterMs;
    const qsizetype known = m_server->devices().size();
    const bool fresh = usedBefore == 0 && laterMs == 0;
    QCOMPARE(pair(linkCode).isEmpty(), !fresh);
    QCOMPARE(m_server->devices().size(), known + (fresh ? 1 : 0));
    QCOMPARE(pair(linkCode).isEmpty(), true);
}

std::unique_ptr<QWebSocket>
TestLightServer::openWebSocket(const QString &origin, const QString &hello, QStringList *messages)
{
    auto socket = std::make_unique<QWebSocket>(origin);
    connect(socket.get(), &QWebSocket::textMessageReceived, this,
            [messages](const QString &m) { messages->append(m); });
    connect(socket.get(), &QWebSocket::connected, this, [s = socket.get(), hello] {
        if (!hello.isEmpty())
            s->sendTextMessage(hello);
    });
    socket->open(QUrl(QStringLiteral("ws://%1/ws").arg(QString::fromLatin1(host()))));
    return socket;
}

void TestLightServer::webSocket_data()
{
    QTest::addColumn<QString>("origin");
    QTest::addColumn<QString>("hello");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("closeCode");
    const QString own = "http://{host}";
    QTest::newRow("a paired device") << own << R"({"key":"{viewer}"})" << true << 0;
    QTest::newRow("no key") << own << R"({"hello":1})" << false << int(LightServer::NotPaired);
    QTest::newRow("a wrong key") << own << R"({"key":"AAAA"})" << false
                                 << int(LightServer::NotPaired);
    QTest::newRow("a revoked key")
        << own << R"({"key":"{revoked}"})" << false << int(LightServer::NotPaired);
    QTest::newRow("no key in time") << own << "" << false << int(LightServer::Refused);
}

void TestLightServer::webSocket()
{
    QFETCH(QString, origin);
    QFETCH(QString, hello);
    QFETCH(bool, shown);
    QFETCH(int, closeCode);
    const QString h = QString::fromLatin1(host());
    QStringList messages;
    auto socket = openWebSocket(origin.replace("{host}", h),
                                hello.replace("{viewer}", m_viewer).replace("{revoked}", m_revoked),
                                &messages);
    if (shown) {
        QTRY_COMPARE(messages.size(), 1);
        QCOMPARE(QJsonDocument::fromJson(messages[0].toUtf8())["role"].toString(), "viewer");
        LightState state;
        state.green = true;
        m_server->setState(state);
        QTRY_COMPARE(messages.size(), 2);
        QVERIFY(QJsonDocument::fromJson(messages[1].toUtf8())["lamps"]["green"].toBool());
    } else {
        QTRY_COMPARE(socket->state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(int(socket->closeCode()), closeCode);
        QVERIFY(messages.isEmpty());
    }
}

void TestLightServer::revokedWhileConnected()
{
    QStringList messages;
    auto socket = openWebSocket("http://" + host(), "{\"key\":\"" + m_viewer + "\"}", &messages);
    QTRY_COMPARE(m_server->connectedDevices(), 1);
    m_server->revoke(m_server->devices().first().id);
    QTRY_COMPARE(socket->state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(int(socket->closeCode()), int(LightServer::NotPaired));
    QCOMPARE(m_server->connectedDevices(), 0);
    QTRY_COMPARE(m_server->openConnections(), 0);
    QCOMPARE(raw("GET /api/state HTTP/1.1\r\nHost: " + host() + "\r\nAuthorization: Bearer " +
                 m_viewer + "\r\n\r\n"),
             401);
}

void TestLightServer::heldConnections_data()
{
    QTest::addColumn<int>("clients");
    QTest::addColumn<bool>("slow");
    QTest::newRow("200 connections") << 200 << false;
    // One byte every five ticks would take nearly two seconds for the whole request.
    QTest::newRow("a slow client") << 1 << true;
}

void TestLightServer::heldConnections()
{
    QFETCH(int, clients);
    QFETCH(bool, slow);
    const QByteArray request = "GET / HTTP/1.1\r\nHost: " + host() + "\r\n\r\n";
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    for (int i = 0; i < clients; ++i) {
        sockets.push_back(std::make_unique<QTcpSocket>());
        // From eight addresses, so that all of them together reach the cap.
        sockets.back()->bind(QHostAddress(quint32(0x7f000002 + i % 8)));
        sockets.back()->connectToHost(QHostAddress::LocalHost, m_server->port());
    }
    const auto connected = [&] {
        return std::count_if(sockets.begin(), sockets.end(), [](const auto &s) {
            return s->state() == QAbstractSocket::ConnectedState;
        });
    };
    int most = 0;
    QElapsedTimer held;
    held.start();
    // Connections the listening queue had no room for come later, as their SYN is sent again.
    for (int sent = 0;
         (held.elapsed() < TimeoutMs || connected() > 0) && held.elapsed() < 4 * TimeoutMs;
         ++sent) {
        most = qMax(most, m_server->openConnections());
        if (slow && sent % 5 == 0)
            sockets.front()->write(request.mid(sent / 5, 1));
        QTest::qWait(TickMs);
    }
    // None is answered or kept past its time, no more than 32 at once, and a device gets in.
    QCOMPARE(connected(), 0);
    QVERIFY2(held.elapsed() < 3 * TimeoutMs, qPrintable(QString::number(held.elapsed())));
    QVERIFY2(most >= qMin(clients, 16) && most <= 32, qPrintable(QString::number(most)));
    for (const auto &socket : sockets)
        QVERIFY(!socket->readAll().startsWith("HTTP"));
    QTRY_COMPARE(m_server->openConnections(), 0);
    QCOMPARE(raw(request), 200);
}

void TestLightServer::connectionCaps_data()
{
    QTest::addColumn<int>("connections");
    QTest::addColumn<int>("perAddress"); // from one loopback address after another
    QTest::addColumn<int>("kept");
    QTest::newRow("nine from one address") << 9 << 9 << 8;
    QTest::newRow("33 from five addresses") << 33 << 8 << 32;
}

// Connections opened one at a time, each taken or closed before the next.
void TestLightServer::connectionCaps()
{
    QFETCH(int, connections);
    QFETCH(int, perAddress);
    QFETCH(int, kept);
    LightServer::Limits limits;
    limits.requestTimeoutMs = 60'000;
    restart(limits);
    std::vector<std::unique_ptr<QTcpSocket>> sockets;
    for (int i = 0; i < connections; ++i) {
        auto &socket = sockets.emplace_back(std::make_unique<QTcpSocket>());
        QVERIFY(socket->bind(QHostAddress(quint32(0x7f000002 + i / perAddress))));
        socket->connectToHost(QHostAddress::LocalHost, m_server->port());
        QVERIFY(QTest::qWaitFor([&] {
            return m_server->openConnections() == i + 1 ||
                   socket->state() == QAbstractSocket::UnconnectedState;
        }));
    }
    QCOMPARE(m_server->openConnections(), kept);
    QTRY_COMPARE(
        std::count_if(sockets.begin(), sockets.end(),
                      [](const auto &s) { return s->state() == QAbstractSocket::ConnectedState; }),
        kept);
}

// Requests on one connection are each counted alone.
void TestLightServer::keptAliveRequests()
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, m_server->port());
    const QByteArray request =
        "GET / HTTP/1.1\r\nHost: " + host() + "\r\nX: " + QByteArray(3000, 'x') + "\r\n\r\n";
    QByteArray got;
    for (int i = 1; i <= 5; ++i) {
        socket.write(request);
        QVERIFY(QTest::qWaitFor([&] {
            got += socket.readAll();
            return got.count("HTTP/1.1 200") == i;
        }));
    }
}

void TestLightServer::unmaskedFrameCloses()
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, m_server->port());
    socket.write("GET /ws HTTP/1.1\r\nHost: " + host() +
                 "\r\nUpgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Version: 13"
                 "\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nOrigin: http://" +
                 host() + "\r\n\r\n");
    QVERIFY(QTest::qWaitFor([&] { return socket.readAll().contains("\r\n\r\n"); }));
    const QByteArray hello = "{\"key\":\"" + m_viewer + "\"}";
    socket.write("\x81" + QByteArray(1, char(hello.size())) + hello);
    QTRY_COMPARE(socket.state(), QAbstractSocket::UnconnectedState);
    QVERIFY(!socket.readAll().contains("lamps"));
}

void TestLightServer::failuresRefuseTheAddress_data()
{
    QTest::addColumn<QString>("attempt");
    QTest::addColumn<bool>("refused");
    QTest::newRow("wrong keys") << "key" << true;
    // As images on any page the device's browser shows.
    QTest::newRow("no key") << "none" << false;
    QTest::newRow("wrong pairing codes") << "code" << true;
    QTest::newRow("wrong keys on WebSockets open before") << "webSocket" << true;
}

void TestLightServer::failuresRefuseTheAddress()
{
    QFETCH(QString, attempt);
    QFETCH(bool, refused);
    LightServer::Limits limits;
    limits.requestTimeoutMs = 60'000;
    restart(limits);
    const QByteArray ask = "GET /api/state HTTP/1.1\r\nHost: " + host() + "\r\n";
    const QByteArray withKey = ask + "Authorization: Bearer ";
    const QByteArray wrongCode = "POST /api/pair HTTP/1.1\r\nHost: " + host() +
                                 "\r\nContent-Length: 16\r\n\r\n{\"code\":\"wrong\"}";
    const QByteArray failing = attempt == "code"  ? wrongCode
                               : attempt == "key" ? withKey + "wrong\r\n\r\n"
                                                  : ask + "\r\n";
    std::vector<std::unique_ptr<QWebSocket>> sockets;
    QStringList messages;
    for (int i = 0; attempt == "webSocket" && i < 6; ++i)
        sockets.push_back(openWebSocket("http://" + host(), {}, &messages));
    for (const auto &socket : sockets)
        QTRY_COMPARE(socket->state(), QAbstractSocket::ConnectedState);
    for (int i = 0; i < 5; ++i) {
        if (attempt == "webSocket")
            sockets[i]->sendTextMessage(R"({"key":"wrong"})");
        else
            QVERIFY(raw(failing) / 100 == 4);
    }
    if (attempt == "webSocket") {
        QTRY_COMPARE(m_server->openConnections(), 1);
        sockets[5]->sendTextMessage("{\"key\":\"" + m_viewer + "\"}");
        QTRY_COMPARE(sockets[5]->state(), QAbstractSocket::UnconnectedState);
        QCOMPARE(int(sockets[5]->closeCode()), int(LightServer::Refused));
        QVERIFY(messages.isEmpty());
    }
    // Refused for a minute, even with the right key.
    QCOMPARE(raw(withKey + m_viewer + "\r\n\r\n") == 200, !refused);
    m_now += 60'000;
    QCOMPARE(raw(withKey + m_viewer + "\r\n\r\n"), 200);
}

void TestLightServer::aFullFailureTableKeepsRefusals()
{
    FailureLimiter limiter([this] { return m_now; }, {});
    const QHostAddress refused("10.0.0.1"), later("10.0.0.2");
    for (int i = 0; i < 5; ++i)
        limiter.fail(refused);
    for (quint32 i = 0; i < FailureLimiter::MaxAddresses; ++i, ++m_now)
        limiter.fail(QHostAddress(0x0b000000 + i));
    QVERIFY(limiter.isRefused(refused));
    for (int i = 0; i < 5; ++i)
        limiter.fail(later);
    QVERIFY(limiter.isRefused(later));
}

void TestLightServer::controllerCommands_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("starts");
    QTest::addColumn<int>("stops");
    QTest::addColumn<int>("row");
    QTest::newRow("start") << QByteArray(R"({"command":"start"})") << 204 << 1 << 0 << 0;
    QTest::newRow("stop") << QByteArray(R"({"command":"stop"})") << 204 << 0 << 1 << 0;
    QTest::newRow("row") << QByteArray(R"({"command":"row","row":2})") << 204 << 0 << 0 << 2;
    QTest::newRow("no such row") << QByteArray(R"({"command":"row","row":9})") << 400 << 0 << 0
                                 << 0;
    QTest::newRow("row 0") << QByteArray(R"({"command":"row","row":0})") << 400 << 0 << 0 << 0;
    QTest::newRow("not a command") << QByteArray("start") << 400 << 0 << 0 << 0;
}

void TestLightServer::controllerCommands()
{
    QFETCH(QByteArray, body);
    QFETCH(int, status);
    QFETCH(int, starts);
    QFETCH(int, stops);
    QFETCH(int, row);
    LightState state;
    state.rows = QStringList{"Table Topics", "Speech"};
    m_server->setState(state);
    QSignalSpy started(m_server.get(), &LightServer::startRequested);
    QSignalSpy stopped(m_server.get(), &LightServer::stopRequested);
    QSignalSpy chosen(m_server.get(), &LightServer::rowRequested);
    QCOMPARE(raw("POST /api/command HTTP/1.1\r\nHost: " + host() + "\r\nOrigin: " +
                 m_server->origin().toLatin1() + "\r\nAuthorization: Bearer " + m_controller +
                 "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body),
             status);
    QCOMPARE(started.count(), starts);
    QCOMPARE(stopped.count(), stops);
    const QList<QVariant> sent = started.isEmpty() ? stopped.value(0) : started.first();
    QCOMPARE(sent.value(0).toString(), starts + stops > 0 ? QStringLiteral("test") : QString());
    QCOMPARE(chosen.isEmpty() ? 0 : chosen.first().first().toInt(), row);
}

void TestLightServer::devicesSurviveARestart()
{
    const QList<PairedDevice> before = m_server->devices();
    const QList<PairedDevice> stored = DeviceRegistry::fromJson(DeviceRegistry::toJson(before));
    QCOMPARE(stored, before);
    QVERIFY(!DeviceRegistry::toJson(before).contains(m_viewer));
    m_server = std::make_unique<LightServer>();
    m_server->setDevices(stored);
    QVERIFY(m_server->start(QHostAddress::LocalHost, 0));
    QCOMPARE(raw("GET /api/state HTTP/1.1\r\nHost: " + host() + "\r\nAuthorization: Bearer " +
                     m_controller + "\r\n\r\n",
                 nullptr),
             200);
}

// Random bytes and random requests, many at once, for LW_FUZZ_MS (a moment by default; a
// minute under the sanitizers): the server stays up, answers a device after and keeps time.
void TestLightServer::randomBytesAndRandomHttp()
{
    // Every request reaches the server: none is turned away for the failures before it.
    LightServer::Limits limits;
    limits.requestTimeoutMs = TimeoutMs;
    limits.failures.allowed = std::numeric_limits<int>::max();
    restart(limits);
    QRandomGenerator random(quint32(QDateTime::currentMSecsSinceEpoch()));
    const auto pick = [&](const QList<QByteArray> &from) {
        return from[random.bounded(from.size())];
    };
    const auto bytes = [&](int most) {
        QByteArray b(random.bounded(1, most), Qt::Uninitialized);
        std::generate(b.begin(), b.end(), [&] { return char(random.bounded(256)); });
        return b;
    };
    const QList<QByteArray> heads{"GET /",    "POST /api/pair", "POST /api/command",
                                  "GET /ws",  "GET /api/state", "OPTIONS *",
                                  "CONNECT x"};
    const QList<QByteArray> headers{"Host: " + host(),
                                    "Upgrade: websocket",
                                    "Connection: Upgrade",
                                    "Sec-WebSocket-Version: 13",
                                    "Content-Length: 99999999",
                                    "Transfer-Encoding: chunked",
                                    "Origin: http://" + host(),
                                    "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==",
                                    "Authorization: Bearer " + m_controller};
    const int runMs = qMax(1500, qEnvironmentVariableIntValue("LW_FUZZ_MS"));
    std::vector<std::unique_ptr<QTcpSocket>> open;
    QElapsedTimer running;
    running.start();
    while (running.elapsed() < runMs) {
        QByteArray request = pick(heads) + " HTTP/1.1\r\n";
        for (int i = random.bounded(8); i > 0; --i)
            request += (random.bounded(4) ? pick(headers) : bytes(200)) + "\r\n";
        request += "\r\n" + (random.bounded(2) ? bytes(6000) : QByteArray());
        open.push_back(std::make_unique<QTcpSocket>());
        open.back()->connectToHost(QHostAddress::LocalHost, m_server->port());
        open.back()->write(random.bounded(3) ? request : bytes(20000));
        if (open.size() >= 40)
            open.erase(open.begin(), open.begin() + 20);
        QCoreApplication::processEvents();
    }
    open.clear();
    QTRY_COMPARE_WITH_TIMEOUT(m_server->openConnections(), 0, 3 * TimeoutMs + 5000);
    QCOMPARE(raw("GET /api/state HTTP/1.1\r\nHost: " + host() + "\r\nAuthorization: Bearer " +
                 m_controller + "\r\n\r\n"),
             200);
}

QTEST_GUILESS_MAIN(TestLightServer)
#include "tst_lightserver.moc"
