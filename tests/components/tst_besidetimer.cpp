// SPDX-License-Identifier: MIT
#include "components/besidetimer.h"

#include <QTest>

class TestBesideTimer : public QObject
{
    Q_OBJECT

private slots:
    void place_data();
    void place();
    void arrange_data();
    void arrange();
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
    QTest::addColumn<QSize>("wanted");
    QTest::addColumn<QRect>("placed");
    const QRect hd(0, 0, 1920, 1080), laptop(0, 0, 1366, 768), small(0, 0, 1280, 720);
    QTest::newRow("1920x1080, timer top left: right of it")
        << hd << QRect(0, 0, 662, 481) << Report << QRect(670, 0, 942, 641);
    QTest::newRow("1920x1080, timer top right: left of it")
        << hd << QRect(1258, 0, 662, 481) << Report << QRect(308, 0, 942, 641);
    QTest::newRow("1920x1080, timer bottom left: right of it, on the screen")
        << hd << QRect(0, 599, 662, 481) << Report << QRect(670, 439, 942, 641);
    QTest::newRow("1920x1080, timer bottom right: left of it, on the screen")
        << hd << QRect(1258, 599, 662, 481) << Report << QRect(308, 439, 942, 641);
    QTest::newRow("1366x768, timer across the top: below it")
        << laptop << QRect(0, 0, 1366, 100) << Report << QRect(0, 108, 942, 641);
    QTest::newRow("1366x768, timer top left: shrunk into the room on the right")
        << laptop << QRect(0, 0, 662, 481) << Report << QRect(670, 0, 696, 641);
    QTest::newRow("1366x768, timer top right: shrunk into the room on the left")
        << laptop << QRect(704, 0, 662, 481) << Report << QRect(0, 0, 696, 641);
    QTest::newRow("1366x768, timer bottom left: right of it")
        << laptop << QRect(0, 287, 662, 481) << Report << QRect(670, 127, 696, 641);
    QTest::newRow("1366x768, timer bottom right: left of it")
        << laptop << QRect(704, 287, 662, 481) << Report << QRect(0, 127, 696, 641);
    QTest::newRow("1366x768, timer at the top: shrunk into the room below, which shows most")
        << laptop << QRect(500, 0, 300, 200) << Report << QRect(424, 208, 942, 560);
    QTest::newRow("1280x720, timer top left: right of it")
        << small << QRect(0, 0, 662, 481) << Report << QRect(670, 0, 610, 641);
    QTest::newRow("1280x720, timer top right: left of it")
        << small << QRect(618, 0, 662, 481) << Report << QRect(0, 0, 610, 641);
    QTest::newRow("1280x720, timer bottom left: right of it")
        << small << QRect(0, 239, 662, 481) << Report << QRect(670, 79, 610, 641);
    QTest::newRow("1280x720, timer bottom right: shrunk into the room on the left")
        << small << QRect(618, 239, 662, 481) << Report << QRect(0, 79, 610, 641);
    QTest::newRow("1280x720, a dialog level with the timer at the bottom left")
        << small << QRect(0, 239, 662, 481) << QSize(600, 400) << QRect(670, 239, 602, 421);
    QTest::newRow("1280x720, timer in the middle: above it")
        << small << QRect(300, 400, 662, 300) << QSize(600, 300) << QRect(300, 71, 602, 321);
    QTest::newRow("1280x720, no room beside the timer: the window manager places it")
        << small << QRect(0, 0, 1280, 700) << Report << QRect();
    QTest::newRow("1366x768, room only below the least size: the window manager places it")
        << laptop << QRect(300, 0, 766, 500) << Report << QRect();
    QTest::newRow("second screen under a panel, timer top left: right of it")
        << QRect(1920, 30, 1280, 690) << QRect(1920, 30, 300, 200) << QSize(600, 400)
        << QRect(2228, 30, 602, 421);
}

void TestBesideTimer::place()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, timer);
    QFETCH(QSize, wanted);
    QFETCH(QRect, placed);
    QCOMPARE(BesideTimer::place(screen, timer, timer.marginsRemoved(Frame), wanted, Least), placed);
    // Never over the light or the category rows, never off the screen.
    QVERIFY(!placed.intersects(timer));
    QVERIFY(placed.isNull() || screen.contains(placed));
}

void TestBesideTimer::arrange_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("timer");
    QTest::addColumn<QSize>("wanted");
    QTest::addColumn<bool>("sideBySide");
    QTest::addColumn<QPoint>("timerAt");
    QTest::addColumn<QRect>("placed");
    const QRect hd(0, 0, 1920, 1080), laptop(0, 0, 1366, 768), output(0, 0, 1500, 900);
    const QSize timer(662, 481);
    QTest::newRow("1366x768, timer centred: to the left edge, the report beside it")
        << laptop << QRect({352, 143}, timer) << Report << false << QPoint(0, 143)
        << QRect(670, 127, 696, 641);
    QTest::newRow("1366x768, timer centred: a window taller than the screen shrunk beside it")
        << laptop << QRect({352, 143}, timer) << QSize(420, 800) << false << QPoint(0, 143)
        << QRect(670, 0, 422, 768);
    QTest::newRow("1920x1080, timer centred: to the left edge, the report whole")
        << hd << QRect({629, 299}, timer) << Report << false << QPoint(0, 299)
        << QRect(670, 299, 942, 641);
    QTest::newRow("1500x900, timer centred: to the left edge, more of the report shown")
        << output << QRect({419, 209}, timer) << Report << false << QPoint(0, 209)
        << QRect(670, 209, 830, 641);
    QTest::newRow("1920x1080, timer top right, the report whole left of it: nothing moves")
        << hd << QRect({1258, 0}, timer) << Report << false << QPoint(1258, 0)
        << QRect(308, 0, 942, 641);
    QTest::newRow("1920x1080, timer top right, side by side: to the left edge")
        << hd << QRect({1258, 0}, timer) << Report << true << QPoint(0, 0)
        << QRect(670, 0, 942, 641);
    QTest::newRow("1366x768, timer along the bottom, no more room at the left edge: stays")
        << laptop << QRect(100, 400, 1266, 368) << Report << false << QPoint(100, 400)
        << QRect(100, 0, 942, 392);
    QTest::newRow("800x600, side by side, no room for the report anywhere: the timer stays")
        << QRect(0, 0, 800, 600) << QRect({69, 60}, timer) << Report << true << QPoint(69, 60)
        << QRect();
}

// The timer moves only when the window shows more beside it; both then whole on the screen.
void TestBesideTimer::arrange()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, timer);
    QFETCH(QSize, wanted);
    QFETCH(bool, sideBySide);
    QFETCH(QPoint, timerAt);
    QFETCH(QRect, placed);
    const BesideTimer::Arrangement arranged =
        BesideTimer::arrange(screen, timer, timer.marginsRemoved(Frame), wanted, Least, sideBySide);
    QCOMPARE(arranged.timerFrame, QRect(timerAt, timer.size()));
    QCOMPARE(arranged.window, placed);
    QVERIFY(!placed.intersects(arranged.timerFrame));
    QVERIFY(placed.isNull() || screen.contains(placed));
}

QTEST_APPLESS_MAIN(TestBesideTimer)
#include "tst_besidetimer.moc"
