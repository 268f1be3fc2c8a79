// SPDX-License-Identifier: MIT
#include "ticktimer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

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
    void realEventLoopDeliversTicks();

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

void TestTickTimer::realEventLoopDeliversTicks()
{
    // Only that the real clock and timer are wired: the pacing is proven above.
    TickTimer timer;
    timer.setInterval(20);
    QSignalSpy spy(&timer, &TickTimer::timeout);
    QElapsedTimer clock;
    clock.start();
    timer.setEnabled(true);
    QTRY_VERIFY_WITH_TIMEOUT(spy.count() >= 3, 5000);
    QVERIFY(clock.elapsed() >= 60);
}

QTEST_GUILESS_MAIN(TestTickTimer)
#include "tst_ticktimer.moc"
