// SPDX-License-Identifier: MIT
#include "components/besidetimer.h"

#include <QTest>

class TestBesideTimer : public QObject
{
    Q_OBJECT

private slots:
    void place_data();
    void place();
};

namespace {

// A title bar and a thin border, as a window manager draws them.
const QMargins Frame(1, 20, 1, 1);
const QSize Report(940, 620);
const QSize Least(400, 300);

} // namespace

void TestBesideTimer::place_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("timer");
    QTest::addColumn<int>("lightBottom");
    QTest::addColumn<QSize>("wanted");
    QTest::addColumn<QRect>("placed");
    const QRect hd(0, 0, 1920, 1080), laptop(0, 0, 1366, 768), small(0, 0, 1280, 720);
    QTest::newRow("1920x1080, timer top left: right of it")
        << hd << QRect(0, 0, 662, 481) << 250 << Report << QRect(670, 0, 942, 641);
    QTest::newRow("1920x1080, timer top right: left of it")
        << hd << QRect(1258, 0, 662, 481) << 250 << Report << QRect(308, 0, 942, 641);
    QTest::newRow("1366x768, timer across the top: below it")
        << laptop << QRect(0, 0, 1366, 100) << 60 << Report << QRect(0, 108, 942, 641);
    QTest::newRow("1366x768, timer top left: shrunk into the room on the right")
        << laptop << QRect(0, 0, 662, 481) << 250 << Report << QRect(670, 0, 696, 641);
    QTest::newRow("1366x768, timer at the top: shrunk into the room below, which shows most")
        << laptop << QRect(500, 0, 300, 200) << 120 << Report << QRect(424, 208, 942, 560);
    QTest::newRow("1280x720, timer bottom right: shrunk into the room on the left")
        << small << QRect(618, 239, 662, 481) << 490 << Report << QRect(0, 79, 610, 641);
    QTest::newRow("1280x720, a dialog level with the timer at the bottom left")
        << small << QRect(0, 239, 662, 481) << 490 << QSize(600, 400) << QRect(670, 239, 602, 421);
    QTest::newRow("1280x720, no room beside the timer: below the light")
        << small << QRect(0, 0, 1280, 700) << 300 << Report << QRect(0, 308, 942, 412);
    QTest::newRow("1280x720, too little below the light: the least size all the same")
        << small << QRect(0, 0, 1280, 700) << 500 << Report << QRect(0, 508, 942, 321);
    QTest::newRow("second screen under a panel, timer top left: right of it")
        << QRect(1920, 30, 1280, 690) << QRect(1920, 30, 300, 200) << 140 << QSize(600, 400)
        << QRect(2228, 30, 602, 421);
}

void TestBesideTimer::place()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, timer);
    QFETCH(int, lightBottom);
    QFETCH(QSize, wanted);
    QFETCH(QRect, placed);
    QCOMPARE(
        BesideTimer::place(screen, timer, timer.marginsRemoved(Frame), lightBottom, wanted, Least),
        placed);
    QVERIFY(!placed.intersects(
        QRect(timer.left(), timer.top(), timer.width(), lightBottom - timer.top())));
}

QTEST_APPLESS_MAIN(TestBesideTimer)
#include "tst_besidetimer.moc"
