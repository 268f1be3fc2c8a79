// SPDX-License-Identifier: MIT
#include "controls/signal_light/horizontaltimer.h"
#include "controls/signal_light/shapecircle.h"
#include "controls/signal_light/sharedlamps.h"
#include "controls/signal_light/timergoodies.h"
#include "tests/support/lamplook.h"

#include <QAccessible>
#include <QImage>
#include <QLabel>
#include <QTest>

class TestHorizontalTimer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void newLightShowsAllLampsUntilReset();
    void cycleSequence_data();
    void cycleSequence();
    void unlistedCodeIsStoredAndPaintsNothing_data();
    void unlistedCodeIsStoredAndPaintsNothing();
    void resetKeepsTheCode();
    void optionChangeWaitsForNextPaint();
    void settingTheSameCodeRepaints();
    void leaveOnJumpStraightToRed();
    void twoLightsShareTheState();
    void layoutPlacesLampsOnThePanel();
    void panelBitmapIsTheStoredPicture();
    void litLampIsDrawnInItsColour();
    void accessibleDescriptionNamesLitLamps();
    void marksInsideLitLamps_data();
    void marksInsideLitLamps();
    void accessibleNamesSayWhatIsLit_data();
    void accessibleNamesSayWhatIsLit();
};

void TestHorizontalTimer::init()
{
    // The state is process-wide: every test starts from program start, pass or fail before.
    TimerGoodies::CurrentTimerColor = 0;
    TimerGoodies::LeaveOldColorsFlag = 0;
    SharedLamps::instance().restart();
}

void TestHorizontalTimer::newLightShowsAllLampsUntilReset()
{
    HorizontalTimer light;
    QCOMPARE(lampLook(light), QStringLiteral("GYR"));
    QCOMPARE(light.ChangeYourColorTO(), 0);
    light.ResetYourColors();
    QCOMPARE(lampLook(light), QStringLiteral("---"));
}

void TestHorizontalTimer::cycleSequence_data()
{
    QTest::addColumn<bool>("leaveOn");
    QTest::addColumn<QStringList>("looks");
    QTest::addColumn<QList<int>>("codes");
    const QList<int> codes{10, 20, 30, 0, 10};
    QTest::newRow("colours replace each other")
        << false << QStringList{"G--", "-Y-", "--R", "---", "G--"} << codes;
    QTest::newRow("leave old colours on")
        << true << QStringList{"G--", "GY-", "GYR", "---", "G--"} << codes;
}

void TestHorizontalTimer::cycleSequence()
{
    QFETCH(bool, leaveOn);
    QFETCH(QStringList, looks);
    QFETCH(QList<int>, codes);
    HorizontalTimer light;
    light.ResetYourColors();
    light.setLeaveOldColorsOn(leaveOn);
    for (int step = 0; step < looks.size(); ++step) {
        light.CycleTimerColor();
        QCOMPARE(light.ChangeYourColorTO(), codes.at(step));
        QCOMPARE(lampLook(light), looks.at(step));
    }
}

void TestHorizontalTimer::unlistedCodeIsStoredAndPaintsNothing_data()
{
    QTest::addColumn<int>("code");
    QTest::newRow("between green and yellow") << 15;
    QTest::newRow("negative") << -10;
    QTest::newRow("beyond red") << 40;
}

void TestHorizontalTimer::unlistedCodeIsStoredAndPaintsNothing()
{
    QFETCH(int, code);
    HorizontalTimer light;
    light.setChangeYourColorTO(HorizontalTimer::Yellow);
    light.setChangeYourColorTO(code);
    QCOMPARE(light.ChangeYourColorTO(), code);
    QCOMPARE(lampLook(light), QStringLiteral("-Y-"));
    light.CycleTimerColor();
    QCOMPARE(light.ChangeYourColorTO(), code);
    QCOMPARE(lampLook(light), QStringLiteral("-Y-"));
}

void TestHorizontalTimer::resetKeepsTheCode()
{
    HorizontalTimer light;
    light.setChangeYourColorTO(HorizontalTimer::Yellow);
    light.ResetYourColors();
    QCOMPARE(lampLook(light), QStringLiteral("---"));
    QCOMPARE(light.ChangeYourColorTO(), 20);
    light.CycleTimerColor();
    QCOMPARE(lampLook(light), QStringLiteral("--R"));
}

void TestHorizontalTimer::optionChangeWaitsForNextPaint()
{
    HorizontalTimer light;
    light.ResetYourColors();
    light.setLeaveOldColorsOn(true);
    QCOMPARE(TimerGoodies::LeaveOldColorsFlag, qint16(-1));
    light.CycleTimerColor();
    light.CycleTimerColor();
    QCOMPARE(lampLook(light), QStringLiteral("GY-"));
    light.setLeaveOldColorsOn(false);
    QCOMPARE(lampLook(light), QStringLiteral("GY-"));
    light.CycleTimerColor();
    QCOMPARE(lampLook(light), QStringLiteral("--R"));
}

void TestHorizontalTimer::settingTheSameCodeRepaints()
{
    HorizontalTimer light;
    light.ResetYourColors();
    light.setLeaveOldColorsOn(true);
    light.setChangeYourColorTO(HorizontalTimer::Green);
    light.setChangeYourColorTO(HorizontalTimer::Yellow);
    QCOMPARE(lampLook(light), QStringLiteral("GY-"));
    light.setLeaveOldColorsOn(false);
    light.setChangeYourColorTO(HorizontalTimer::Yellow);
    QCOMPARE(lampLook(light), QStringLiteral("-Y-"));
}

void TestHorizontalTimer::leaveOnJumpStraightToRed()
{
    HorizontalTimer light;
    light.ResetYourColors();
    light.setLeaveOldColorsOn(true);
    light.setChangeYourColorTO(HorizontalTimer::Red);
    QCOMPARE(lampLook(light), QStringLiteral("--R"));
}

void TestHorizontalTimer::twoLightsShareTheState()
{
    HorizontalTimer first;
    HorizontalTimer second;
    first.ResetYourColors();
    second.ResetYourColors();
    first.CycleTimerColor();
    QCOMPARE(second.ChangeYourColorTO(), 10);
    QCOMPARE(lampLook(second), QStringLiteral("G--"));
    second.CycleTimerColor();
    QCOMPARE(lampLook(second), QStringLiteral("-Y-"));
    QCOMPARE(lampLook(first), QStringLiteral("-Y-"));
    first.setLeaveOldColorsOn(true);
    QVERIFY(second.LeaveOldColorsOn());
    second.CycleTimerColor();
    QCOMPARE(lampLook(first), QStringLiteral("-YR"));
    // A light made later shows the lamps as they are, and the flash on every light.
    HorizontalTimer third;
    QCOMPARE(lampLook(third), QStringLiteral("-YR"));
    SharedLamps::instance().setRedBlinkedOff(true);
    QVERIFY(first.shapeTimerCircle(HorizontalTimer::Red)->isBlinkedOff());
    QVERIFY(third.shapeTimerCircle(HorizontalTimer::Red)->isBlinkedOff());
    QVERIFY(third.shapeTimerCircle(HorizontalTimer::Red)->isLit());
}

void TestHorizontalTimer::layoutPlacesLampsOnThePanel()
{
    HorizontalTimer light;
    QCOMPARE(light.size(), QSize(660, 242));
    auto *picture = light.findChild<QLabel *>(QStringLiteral("pictureTimerPanel"));
    QVERIFY(picture);
    QCOMPARE(picture->geometry(), QRect(16, 16, 633, 209));
    // Green left, yellow middle, red right, all on the same line inside the picture.
    const QRect green = light.shapeTimerCircle(10)->geometry();
    const QRect yellow = light.shapeTimerCircle(20)->geometry();
    const QRect red = light.shapeTimerCircle(30)->geometry();
    QCOMPARE(green, QRect(77, 29, 157, 153));
    QVERIFY(green.right() < yellow.left() && yellow.right() < red.left());
    QCOMPARE(yellow.top(), red.top());
    QVERIFY(picture->rect().contains(red));
    QCOMPARE(light.shapeTimerCircle(20)->backColor(), QColor(255, 255, 0));
    QCOMPARE(light.shapeTimerCircle(15), nullptr);
}

void TestHorizontalTimer::panelBitmapIsTheStoredPicture()
{
    QFile file(QStringLiteral(":/timerpanel.bmp"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.size(), 402006);
    QImage image(QStringLiteral(":/timerpanel.bmp"));
    QCOMPARE(image.size(), QSize(632, 212));
    QCOMPARE(QColor(image.pixel(316, 106)), QColor(106, 106, 106));
    QCOMPARE(QColor(image.pixel(0, 0)), QColor(191, 191, 191));
    QCOMPARE(QColor(image.pixel(5, 100)), QColor(255, 255, 255));
    QCOMPARE(QColor(image.pixel(11, 100)), QColor(90, 90, 90));
    QCOMPARE(QColor(image.pixel(12, 100)), QColor(106, 106, 106));
}

void TestHorizontalTimer::litLampIsDrawnInItsColour()
{
    HorizontalTimer light;
    light.ResetYourColors();
    light.setChangeYourColorTO(HorizontalTimer::Red);
    const QImage shot = light.grab().toImage();
    auto centre = [&](int code) {
        const QRect r = light.shapeTimerCircle(code)->geometry();
        const QPoint inPicture = r.center() + QPoint(16, 16);
        return QColor(shot.pixel(inPicture));
    };
    QCOMPARE(centre(30), QColor(255, 0, 0));
    QCOMPARE(centre(10), QColor(106, 106, 106));
    QCOMPARE(centre(20), QColor(106, 106, 106));
}

void TestHorizontalTimer::accessibleDescriptionNamesLitLamps()
{
    HorizontalTimer light;
    light.ResetYourColors();
    QVERIFY(light.accessibleDescription().contains(QStringLiteral("dark")));
    light.setLeaveOldColorsOn(true);
    light.CycleTimerColor();
    light.CycleTimerColor();
    QVERIFY(light.accessibleDescription().contains(QStringLiteral("Green")));
    QVERIFY(light.accessibleDescription().contains(QStringLiteral("Yellow")));
    QVERIFY(!light.accessibleDescription().contains(QStringLiteral("Red")));
}

void TestHorizontalTimer::marksInsideLitLamps_data()
{
    QTest::addColumn<bool>("marked");
    QTest::addColumn<bool>("leaveOn");
    QTest::addColumn<int>("steps");
    QTest::addColumn<bool>("redBlinkedOff");
    QTest::addColumn<QString>("withMark"); // lamps with dark strokes inside, as lampLook writes
    QTest::newRow("not marked") << false << true << 3 << false << "---";
    QTest::newRow("marked, all lit") << true << true << 3 << false << "GYR";
    QTest::newRow("marked, yellow alone") << true << false << 2 << false << "-Y-";
    QTest::newRow("marked, red in a dark second") << true << true << 3 << true << "GY-";
}

void TestHorizontalTimer::marksInsideLitLamps()
{
    QFETCH(bool, marked);
    QFETCH(bool, leaveOn);
    QFETCH(int, steps);
    QFETCH(bool, redBlinkedOff);
    QFETCH(QString, withMark);
    HorizontalTimer light;
    light.ResetYourColors();
    light.setLeaveOldColorsOn(leaveOn);
    light.setLampsMarked(marked);
    for (int step = 0; step < steps; ++step)
        light.CycleTimerColor();
    SharedLamps::instance().setRedBlinkedOff(redBlinkedOff);
    const QImage shot = light.grab().toImage();
    QString seen;
    for (int code : {10, 20, 30}) {
        // The middle half of the lamp, in the light's picture: dark strokes are a mark.
        const QRect lamp = light.shapeTimerCircle(code)->geometry().translated(16, 16);
        const QRect middle(lamp.topLeft() + QPoint(lamp.width() / 4, lamp.height() / 4),
                           lamp.size() / 2);
        int dark = 0;
        for (int y = middle.top(); y <= middle.bottom(); ++y) {
            for (int x = middle.left(); x <= middle.right(); ++x)
                dark += qGray(shot.pixel(x, y)) < 60 ? 1 : 0;
        }
        seen += dark > middle.width() * middle.height() / 20 ? u"GYR"[code / 10 - 1] : u'-';
    }
    QCOMPARE(seen, withMark);
}

void TestHorizontalTimer::accessibleNamesSayWhatIsLit_data()
{
    QTest::addColumn<bool>("reset");
    QTest::addColumn<bool>("leaveOn");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("lightName");
    QTest::addColumn<QStringList>("lampNames");
    QTest::newRow("at start") << false << false << 0 << "Signal light: green, yellow, red"
                              << QStringList{"green lamp, lit", "yellow lamp, lit",
                                             "red lamp, lit"};
    QTest::newRow("all dark") << true << false << 0 << "Signal light: dark"
                              << QStringList{"green lamp, dark", "yellow lamp, dark",
                                             "red lamp, dark"};
    QTest::newRow("yellow") << true << false << 2 << "Signal light: yellow"
                            << QStringList{"green lamp, dark", "yellow lamp, lit",
                                           "red lamp, dark"};
    QTest::newRow("green and yellow left on")
        << true << true << 2 << "Signal light: green, yellow"
        << QStringList{"green lamp, lit", "yellow lamp, lit", "red lamp, dark"};
}

void TestHorizontalTimer::accessibleNamesSayWhatIsLit()
{
    QFETCH(bool, reset);
    QFETCH(bool, leaveOn);
    QFETCH(int, steps);
    QFETCH(QString, lightName);
    QFETCH(QStringList, lampNames);
    HorizontalTimer light;
    if (reset)
        light.ResetYourColors();
    light.setLeaveOldColorsOn(leaveOn);
    for (int step = 0; step < steps; ++step)
        light.CycleTimerColor();
    QCOMPARE(QAccessible::queryAccessibleInterface(&light)->text(QAccessible::Name), lightName);
    QStringList names;
    for (int code : {10, 20, 30})
        names << QAccessible::queryAccessibleInterface(light.shapeTimerCircle(code))
                     ->text(QAccessible::Name);
    QCOMPARE(names, lampNames);
}

QTEST_MAIN(TestHorizontalTimer)
#include "tst_horizontaltimer.moc"
