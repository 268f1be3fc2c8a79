// SPDX-License-Identifier: MIT
#include "app/lecternworkstimer.h"
#include "app/ticktimer.h"
#include "components/maskedtimebox.h"
#include "controls/event_row/timereventdata.h"
#include "controls/signal_light/horizontaltimer.h"
#include "controls/signal_light/shapecircle.h"
#include "controls/signal_light/timergoodies.h"

#include <QFile>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <unistd.h>

namespace {

constexpr int AdvancedRow = 3; // 08:00, 09:00, 10:00
constexpr int GreenAt = 480, YellowAt = 540, RedAt = 600;
constexpr int Ticks = 40000; // past both counters' limits
constexpr qint64 RssToleranceBytes = 256 * 1024;

qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

// The look as "G--": lit lamps by initial, dark ones "-". Allocates nothing, so that the memory
// measured is the program's alone, under a sanitizer's quarantine too.
struct Look
{
    char text[4];
    bool operator==(const char *other) const { return qstrcmp(text, other) == 0; }
};

Look look(const HorizontalTimer *light)
{
    return {{light->shapeTimerCircle(HorizontalTimer::Green)->isLit() ? 'G' : '-',
             light->shapeTimerCircle(HorizontalTimer::Yellow)->isLit() ? 'Y' : '-',
             light->shapeTimerCircle(HorizontalTimer::Red)->isLit() ? 'R' : '-', '\0'}};
}

} // namespace

// A speech timed for over nine hours: the counters hold at their limits, the light stays red
// and memory does not grow.
class TestLongRun : public QObject
{
    Q_OBJECT

private slots:
    void nineHoursHoldCountersLightAndMemory();
};

void TestLongRun::nineHoursHoldCountersLightAndMemory()
{
    TimerGoodies::CurrentTimerColor = 0;
    TimerGoodies::LeaveOldColorsFlag = 0;
    LecternWorksTimer window;
    window.tickTimer()->setClock([] { return qint64(0); });
    window.show();
    auto *option = window.TimerEvent(AdvancedRow)
                       ->findChild<QRadioButton *>(QStringLiteral("optionEventSelected"));
    QTest::mouseClick(option, Qt::LeftButton, {}, option->rect().center());
    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("commandStartTimer")),
                      Qt::LeftButton);
    HorizontalTimer *light = window.horizontalTimer();

    qint64 halfwayRss = -1;
    for (int tick = 1; tick <= Ticks; ++tick) {
        if (!window.tickTimer()->isEnabled())
            QFAIL(qPrintable(QStringLiteral("tick %1: the tick is off").arg(tick)));
        window.TickTock_TIMER_Timer();
        const LecternWorksTimer::TimingState s = window.timingState();
        const char *expectedLook = tick < GreenAt    ? "---"
                                   : tick < YellowAt ? "G--"
                                   : tick < RedAt    ? "-Y-"
                                                     : "--R";
        // After red no stage is left, so the countdown runs on below zero until it holds.
        const bool untilOk = tick < RedAt || s.SecondsUntilChange == qMax(RedAt - tick, -32768);
        if (s.ElapsedSeconds != qMin(tick, 32767) || !(look(light) == expectedLook) || !untilOk)
            QFAIL(qPrintable(QStringLiteral("tick %1: elapsed %2, look %3, until change %4")
                                 .arg(tick)
                                 .arg(s.ElapsedSeconds)
                                 .arg(QLatin1String(look(light).text))
                                 .arg(s.SecondsUntilChange)));
        if (tick == Ticks / 2)
            halfwayRss = residentBytes();
    }
    const qint64 endRss = residentBytes();
    QCOMPARE(window.timingState().ElapsedSeconds, qint16(32767));
    QCOMPARE(window.timingState().SecondsUntilChange, qint16(-32768));
    QVERIFY(halfwayRss > 0);
    qInfo("resident memory: %lld bytes halfway, %lld at the end", halfwayRss, endRss);
    QVERIFY2(endRss - halfwayRss <= RssToleranceBytes,
             qPrintable(QStringLiteral("resident memory grew by %1 bytes over %2 ticks")
                            .arg(endRss - halfwayRss)
                            .arg(Ticks / 2)));

    QTest::mouseClick(window.findChild<QPushButton *>(QStringLiteral("commandStopTimer")),
                      Qt::LeftButton);
    QCOMPARE(window.findChild<MaskedTimeBox *>(QStringLiteral("ElapsedTime"))->text(),
             QStringLiteral("546:07"));
    QCOMPARE(look(light).text, "--R");
    QVERIFY(!window.tickTimer()->isEnabled());
}

QTEST_MAIN(TestLongRun)
#include "tst_longrun.moc"
