// SPDX-License-Identifier: MIT
#include "app/ticktimer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTestEventLoop>
#include <QThread>

#include <algorithm>

// The tick is judged against an injected clock, so a slow or busy machine cannot fool it.
class TestTickTimer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void ticksFallDueOnWholeIntervalsFromSwitchOn_data();
    void ticksFallDueOnWholeIntervalsFromSwitchOn();
    void lateDeliveryDoesNotShiftLaterTicks();
    void blockedLoopDeliversEveryMissedTickInOrder();
    void switchingOnWhileOnKeepsThePhase();
    void switchingOffInsideATickEndsTheRound();
    void restartingInsideATickStartsAFreshPhase();
    void realEventLoopWakesWhenEachTickFallsDue();

private:
    qint64 m_now = 0;
};

void TestTickTimer::init()
{
    m_now = 100000;
}

void TestTickTimer::ticksFallDueOnWholeIntervalsFromSwitchOn_data()
{
    QTest::addColumn<qint64>("elapsed");
    QTest::addColumn<int>("ticks");
    QTest::newRow("just before the first") << qint64(999) << 0;
    QTest::newRow("exactly the first") << qint64(1000) << 1;
    QTest::newRow("a speech of six minutes") << qint64(360000) << 360;
    QTest::newRow("between two ticks") << qint64(360999) << 360;
    QTest::newRow("nine hours") << qint64(9 * 3600 * 1000) << 9 * 3600;
}

void TestTickTimer::ticksFallDueOnWholeIntervalsFromSwitchOn()
{
    QFETCH(qint64, elapsed);
    QFETCH(int, ticks);
    // GIVEN a tick switched on at a known moment
    TickTimer timer;
    timer.setClock([this] { return m_now; });
    QSignalSpy spy(&timer, &TickTimer::timeout);
    timer.setEnabled(true);
    // WHEN the clock has moved on by the given time
    m_now += elapsed;
    timer.deliverDueTicks();
    // THEN exactly one tick per whole interval has come
    QCOMPARE(spy.count(), ticks);
    QCOMPARE(timer.millisecondsToNextTick(), 1000 - elapsed % 1000);
}

void TestTickTimer::lateDeliveryDoesNotShiftLaterTicks()
{
    TickTimer timer;
    timer.setClock([this] { return m_now; });
    QSignalSpy spy(&timer, &TickTimer::timeout);
    timer.setEnabled(true);
    // Each wake-up comes 30 ms late; the next one is still aimed at the whole second.
    for (int second = 1; second <= 600; ++second) {
        m_now = 100000 + second * 1000 + 30;
        timer.deliverDueTicks();
        QCOMPARE(timer.millisecondsToNextTick(), 970);
    }
    QCOMPARE(spy.count(), 600);
}

void TestTickTimer::blockedLoopDeliversEveryMissedTickInOrder()
{
    TickTimer timer;
    timer.setClock([this] { return m_now; });
    QList<qint64> seen;
    connect(&timer, &TickTimer::timeout, this, [&] { seen << timer.ticksDelivered(); });
    timer.setEnabled(true);
    m_now += 1000;
    timer.deliverDueTicks();
    m_now += 4500; // the loop was busy for four and a half seconds
    timer.deliverDueTicks();
    QCOMPARE(seen, (QList<qint64>{1, 2, 3, 4, 5}));
    QCOMPARE(timer.millisecondsToNextTick(), 500);
}

void TestTickTimer::switchingOnWhileOnKeepsThePhase()
{
    TickTimer timer;
    timer.setClock([this] { return m_now; });
    QSignalSpy spy(&timer, &TickTimer::timeout);
    timer.setEnabled(true);
    m_now += 700;
    timer.setEnabled(true);
    QCOMPARE(timer.millisecondsToNextTick(), 300);
    m_now += 300;
    timer.deliverDueTicks();
    QCOMPARE(spy.count(), 1);
}

void TestTickTimer::switchingOffInsideATickEndsTheRound()
{
    TickTimer timer;
    timer.setClock([this] { return m_now; });
    int ticks = 0;
    connect(&timer, &TickTimer::timeout, this, [&] {
        if (++ticks == 2)
            timer.setEnabled(false);
    });
    timer.setEnabled(true);
    m_now += 5000;
    timer.deliverDueTicks();
    QCOMPARE(ticks, 2);
    QVERIFY(!timer.isEnabled());
    m_now += 5000;
    timer.deliverDueTicks();
    QCOMPARE(ticks, 2);
}

void TestTickTimer::restartingInsideATickStartsAFreshPhase()
{
    TickTimer timer;
    timer.setClock([this] { return m_now; });
    int ticks = 0;
    connect(&timer, &TickTimer::timeout, this, [&] {
        if (++ticks == 1) {
            timer.setEnabled(false);
            timer.setEnabled(true);
        }
    });
    timer.setEnabled(true);
    m_now += 3000;
    timer.deliverDueTicks();
    // The backlog of the old phase is dropped; the new phase starts now.
    QCOMPARE(ticks, 1);
    QCOMPARE(timer.millisecondsToNextTick(), 1000);
}

void TestTickTimer::realEventLoopWakesWhenEachTickFallsDue()
{
    // GIVEN the real clock and timer, and a handler that keeps the loop busy for part of each
    // interval; not a divisor of it, so a wake-up timed from the handler's end drifts visibly
    constexpr int Interval = 100;
    constexpr int Busy = 30;
    constexpr int Ticks = 12;
    TickTimer timer;
    timer.setInterval(Interval);
    QElapsedTimer clock;
    QList<qint64> lateness;
    QTestEventLoop loop;
    connect(&timer, &TickTimer::timeout, this, [&] {
        lateness << clock.elapsed() - timer.ticksDelivered() * Interval;
        if (lateness.size() == Ticks) {
            timer.setEnabled(false);
            loop.exitLoop();
        }
        QThread::msleep(Busy);
    });
    // WHEN it runs for a dozen ticks
    clock.start();
    timer.setEnabled(true);
    loop.enterLoopMSecs(20 * Ticks * Interval);
    QVERIFY(!loop.timeout());
    // THEN the N-th tick comes close to N intervals after the start; a busy machine may hold
    // up a few, so most, not all, must be on time
    const auto onTime = std::count_if(lateness.cbegin(), lateness.cend(),
                                      [](qint64 late) { return late < Interval / 5; });
    QString shown;
    QDebug(&shown) << "ms late:" << lateness;
    QVERIFY2(onTime >= Ticks * 3 / 4, qPrintable(shown));
}

QTEST_GUILESS_MAIN(TestTickTimer)
#include "tst_ticktimer.moc"
