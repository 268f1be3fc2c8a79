// SPDX-License-Identifier: MIT
// The light on other devices, measured with the real window on 127.0.0.1: FAST runs timed with
// no device, then with ten paired viewers in a process of their own. For each lamp change, its
// lateness on the window against its second, and its delay from the window to each viewer;
// and the window's process CPU time over the runs. Prints Markdown rows. Run with
// QT_QPA_PLATFORM=offscreen. With --viewers PORT, it is the viewers' process: it reads one key a
// line on stdin and prints "nanoseconds lamps" for each change of lamps a viewer sees.
#include "app/devicelight.h"
#include "app/devicelightlink.h"
#include "app/lecternworkstimer.h"
#include "app/ticktimer.h"
#include "controls/signal_light/horizontaltimer.h"
#include "controls/signal_light/sharedlamps.h"
#include "network/lightservice.h"

#include <QApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QTcpServer>
#include <QTextStream>
#include <QUrlQuery>
#include <QWebSocket>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <vector>

namespace {

constexpr int Viewers = 10;
constexpr int Runs = 5;
// FAST: green, yellow and red at 1, 2 and 3 s; STOP half a second after.
constexpr int RunMs = 3500;

qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

QString lampsOf(const QJsonObject &state)
{
    const QJsonObject lamps = state.value(QStringLiteral("lamps")).toObject();
    QString look;
    look += lamps.value(QStringLiteral("green")).toBool() ? u'G' : u'-';
    look += lamps.value(QStringLiteral("yellow")).toBool() ? u'Y' : u'-';
    look += lamps.value(QStringLiteral("red")).toBool() ? u'R' : u'-';
    return look;
}

QString sharedLook()
{
    const SharedLamps &l = SharedLamps::instance();
    QString look;
    look += l.isLit(HorizontalTimer::Green) ? u'G' : u'-';
    look += l.isLit(HorizontalTimer::Yellow) ? u'Y' : u'-';
    look += l.isLit(HorizontalTimer::Red) && !l.redBlinkedOff() ? u'R' : u'-';
    return look;
}

int viewersProcess(quint16 port)
{
    QTextStream in(stdin);
    std::vector<std::unique_ptr<QWebSocket>> sockets;
    const QString origin = QStringLiteral("http://127.0.0.1:%1").arg(port);
    while (!in.atEnd()) {
        const QString key = in.readLine().trimmed();
        if (key.isEmpty())
            continue;
        auto socket = std::make_unique<QWebSocket>(origin);
        QWebSocket *s = socket.get();
        auto last = std::make_shared<QString>();
        QObject::connect(s, &QWebSocket::connected, s, [s, key] {
            s->sendTextMessage(QJsonDocument(QJsonObject{{"key", key}}).toJson());
        });
        QObject::connect(s, &QWebSocket::textMessageReceived, s, [last](const QString &m) {
            const qint64 at = nowNs();
            const QString look = lampsOf(QJsonDocument::fromJson(m.toUtf8()).object());
            if (look != *last)
                std::printf("%lld %s\n", static_cast<long long>(at), qPrintable(look));
            *last = look;
            std::fflush(stdout);
        });
        s->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/ws").arg(port)));
        sockets.push_back(std::move(socket));
    }
    return QCoreApplication::exec();
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct Change
{
    qint64 atNs;
    qint64 dueNs; // 0: not on a second of the run (START's own)
    QString look;
};

struct Measured
{
    std::vector<double> latenessMs;
    std::vector<Change> changes;
    double cpuSeconds = 0;
};

void waitMs(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

Measured timeRuns(LecternWorksTimer &window)
{
    Measured m;
    qint64 startNs = 0;
    const auto connection =
        QObject::connect(&SharedLamps::instance(), &SharedLamps::changed, &window, [&] {
            const qint64 at = nowNs();
            const QString look = sharedLook();
            if (!m.changes.empty() && m.changes.back().look == look)
                return;
            const qint64 sinceStart = at - startNs;
            // The second it belongs to, rounded: the lamps change on the tick.
            const qint64 second = (sinceStart + 500'000'000) / 1'000'000'000;
            const qint64 due = second > 0 ? startNs + second * 1'000'000'000 : 0;
            if (due)
                m.latenessMs.push_back((at - due) / 1e6);
            m.changes.push_back({at, due, look});
        });
    const double cpuBefore = cpuSeconds();
    for (int run = 0; run < Runs; ++run) {
        startNs = nowNs();
        window.commandStartTimer_Click();
        waitMs(RunMs);
        window.commandStopTimer_Click();
        waitMs(500);
    }
    m.cpuSeconds = cpuSeconds() - cpuBefore;
    QObject::disconnect(connection);
    // A colour step passes through a look the window never paints (the next lamp lit, the one
    // before not yet dark); only the look it ends at counts.
    std::vector<Change> painted;
    for (size_t i = 0; i < m.changes.size(); ++i) {
        if (i + 1 == m.changes.size() || m.changes[i + 1].atNs - m.changes[i].atNs > 1'000'000)
            painted.push_back(m.changes[i]);
    }
    m.changes = painted;
    return m;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double most(const std::vector<double> &v)
{
    return v.empty() ? 0 : *std::max_element(v.begin(), v.end());
}

QString pairOne(QNetworkAccessManager &manager, const QUrl &pairingUrl)
{
    QNetworkRequest request(pairingUrl.resolved(QUrl(QStringLiteral("/api/pair"))));
    request.setHeader(QNetworkRequest::ContentTypeHeader, "application/json");
    const QString code = QUrlQuery(pairingUrl.fragment()).queryItemValue(QStringLiteral("pair"));
    std::unique_ptr<QNetworkReply> reply(manager.post(
        request, QJsonDocument(QJsonObject{{"code", code}, {"agent", "bench viewer"}}).toJson()));
    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec();
    return QJsonDocument::fromJson(reply->readAll()).object().value("key").toString();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--viewers") == 0) {
        QCoreApplication app(argc, argv);
        return viewersProcess(quint16(QByteArray(argv[2]).toUInt()));
    }
    qputenv("LW_MODULE_DIR", LW_BENCH_MODULE_DIR);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lw-bench-light"));
    LecternWorksTimer window;
    window.menuTimerTestSpeed_Click(10); // FAST
    window.show();

    const Measured alone = timeRuns(window);

    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    DeviceLight *module = window.deviceLight()->light();
    if (!module)
        return 1;
    LightService *light = module->service();
    light->start(QHostAddress::LocalHost, port);
    while (light->pairingUrl().isEmpty())
        waitMs(10);
    QNetworkAccessManager manager;
    QStringList keys;
    for (int i = 0; i < Viewers; ++i) {
        keys << pairOne(manager, light->pairingUrl());
        while (light->devices().size() < i + 1)
            waitMs(10);
    }
    QProcess viewers;
    viewers.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--viewers"), QString::number(port)});
    viewers.waitForStarted();
    viewers.write(keys.join(u'\n').toUtf8() + "\n");
    viewers.closeWriteChannel();
    waitMs(1000);

    const Measured watched = timeRuns(window);
    waitMs(500);
    viewers.terminate();
    viewers.waitForFinished();

    // Each viewer's first sight of each change on the window.
    std::vector<double> delaysMs;
    std::vector<std::pair<qint64, QString>> seen;
    for (const QByteArray &line : viewers.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 2)
            seen.emplace_back(parts[0].toLongLong(), QString::fromLatin1(parts[1]));
    }
    std::sort(seen.begin(), seen.end());
    for (size_t i = 0; i < watched.changes.size(); ++i) {
        const Change &c = watched.changes[i];
        const qint64 next = i + 1 < watched.changes.size() ? watched.changes[i + 1].atNs
                                                           : std::numeric_limits<qint64>::max();
        int found = 0;
        for (const auto &[at, look] : seen) {
            if (at >= c.atNs && at < next && look == c.look) {
                delaysMs.push_back((at - c.atNs) / 1e6);
                ++found;
            }
        }
        if (found < Viewers)
            std::fprintf(stderr, "change %zu (%s) seen by %d viewers\n", i, qPrintable(c.look),
                         found);
    }

    const double runSeconds = Runs * (RunMs + 500) / 1000.0;
    std::printf("| measure | no device | %d viewers | target | met |\n|---|---|---|---|---|\n",
                Viewers);
    std::printf("| lamp change, window to device (median / max of %zu) | – | %.1f / %.1f ms | "
                "median within 100 ms | %s |\n",
                delaysMs.size(), median(delaysMs), most(delaysMs),
                median(delaysMs) <= 100 ? "yes" : "no");
    std::printf("| window's lamp change after its second (median / max) | %+.1f / %+.1f ms | "
                "%+.1f / %+.1f ms | within 5 ms of the run without | %s |\n",
                median(alone.latenessMs), most(alone.latenessMs), median(watched.latenessMs),
                most(watched.latenessMs),
                median(watched.latenessMs) - median(alone.latenessMs) <= 5 ? "yes" : "no");
    std::printf("| the window's process CPU over %d runs | %.2f %% of one core | %.2f %% of one "
                "core | – | – |\n",
                Runs, 100 * alone.cpuSeconds / runSeconds, 100 * watched.cpuSeconds / runSeconds);
    return 0;
}
