// SPDX-License-Identifier: MIT
#include "app/lecternworkstimer.h"
#include "components/maskedtimebox.h"
#include "components/propertybag.h"
#include "controls/signal_light/timergoodies.h"
#include "tests/support/storedrow.h"
#include "tests/support/windowdriver.h"
#include "timing/speechcategories.h"

#include <QAction>
#include <QEvent>
#include <QTest>

namespace {

struct Delays
{
    int green, yellow, red;
    bool operator==(const Delays &o) const
    {
        return green == o.green && yellow == o.yellow && red == o.red;
    }
};

Delays delaysOf(const LecternWorksTimer &window)
{
    const auto s = window.timingState();
    return {s.SecondsToGreen, s.SecondsToYellow, s.SecondsToRed};
}

QString thresholdsOf(const TimerEventDATA *row)
{
    return row->TimeChangeGreen() + u' ' + row->TimeChangeYellow() + u' ' + row->TimeChangeRed();
}

// Notes, in order, which rows' green boxes were recoloured.
class RecolourLog : public QObject
{
public:
    QList<int> rows;
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange)
            rows << watched->property("row").toInt();
        return false;
    }
};

} // namespace

Q_DECLARE_METATYPE(Delays)

namespace QTest {
template <> char *toString(const Delays &d)
{
    return qstrdup(QByteArray::number(d.green) + ", " + QByteArray::number(d.yellow) + ", " +
                   QByteArray::number(d.red));
}
} // namespace QTest

// The speech categories in the window's rows: default thresholds, row reports and the test speeds.
class TestCategoryRows : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void startUpWritesDefaultsAndChoosesMedium();
    void rowReportGivesStageDelays_data();
    void rowReportGivesStageDelays();
    void testSpeedsAfterAReportOfTheTestRow_data();
    void testSpeedsAfterAReportOfTheTestRow();
    void repeatedReportsGiveTheSameDelays();
    void reportLeavesOnlyItsRowSelected();
    void otherRowsAreUnclickedInAscendingOrder();
    void newTestSpeedTakesEffectAtTheNextReport();
    void emptyCustomRowArmsNothing();
    void rowThresholdsLightTheColoursOnTheirTicks();
};

void TestCategoryRows::init()
{
    TimerGoodies::CurrentTimerColor = 0;
    TimerGoodies::LeaveOldColorsFlag = 0;
}

void TestCategoryRows::startUpWritesDefaultsAndChoosesMedium()
{
    // The label each row shows is the category whose thresholds the program writes into it.
    for (int row = SpeechCategories::FirstRow; row <= SpeechCategories::RowCount; ++row)
        QCOMPARE(PropertyBag::fromBytes(storedRow(row)).readProperty("EventName", {}),
                 QVariant(QString::fromLatin1(SpeechCategories::row(row).EventName)));
    LecternWorksTimer window;
    const QStringList expected{"04:00 05:00 06:00", "05:00 06:00 07:00", "08:00 09:00 10:00",
                               "02:00 02:30 03:00", "01:00 01:30 02:00", "__:__ __:__ __:__",
                               "00:02 00:04 00:06"};
    for (int row = 1; row <= 7; ++row)
        QCOMPARE(thresholdsOf(window.TimerEvent(row)), expected.at(row - 1));
    QVERIFY(window.TimerEvent(7)->isSelected());
    QVERIFY(testSpeedItem(window, 20)->isChecked());
    QVERIFY(!testSpeedItem(window, 10)->isChecked());
    // The report of row 7 during start-up read its texts but converted nothing.
    const auto s = window.timingState();
    QCOMPARE(delaysOf(window), (Delays{0, 0, 0}));
    // Row 7 reported before its texts were written, so the red text read was its blank box.
    QCOMPARE(s.TimeChangeText, QString(MaskedTimeBox::BlankText));
    QCOMPARE(s.GreenMinutes + s.GreenSeconds + s.RedMinutes + s.RedSeconds, 0);
    QCOMPARE(s.PreviousChangeTime, qint16(0));
    QCOMPARE(window.TimerEvent(1)->EventName(),
             QStringLiteral("Ice Breaker Speech   (4 to 6 Minutes)"));
    QCOMPARE(window.TimerEvent(3)->EventName(),
             QStringLiteral("Advanced Seech     (8 to 10 Minutes)"));
}

void TestCategoryRows::rowReportGivesStageDelays_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<Delays>("delays");
    QTest::newRow("ice breaker") << 1 << Delays{240, 60, 60};
    QTest::newRow("standard") << 2 << Delays{300, 60, 60};
    QTest::newRow("advanced") << 3 << Delays{480, 60, 60};
    QTest::newRow("evaluation") << 4 << Delays{120, 30, 30};
    QTest::newRow("table topics") << 5 << Delays{60, 30, 30};
    QTest::newRow("test row at medium") << 7 << Delays{2, 2, 2};
}

void TestCategoryRows::rowReportGivesStageDelays()
{
    QFETCH(int, row);
    QFETCH(Delays, delays);
    LecternWorksTimer window;
    // GIVEN the operator clicks the row's selection button
    QTest::mouseClick(window.TimerEvent(row)->findChild<QWidget *>("optionEventSelected"),
                      Qt::LeftButton);
    // THEN its thresholds became the stage delays
    QCOMPARE(delaysOf(window), delays);
}

void TestCategoryRows::testSpeedsAfterAReportOfTheTestRow_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<QString>("texts");
    QTest::addColumn<Delays>("delays");
    QTest::newRow("fast") << 10 << "00:01 00:02 00:03" << Delays{1, 1, 1};
    QTest::newRow("medium") << 20 << "00:02 00:04 00:06" << Delays{2, 2, 2};
    QTest::newRow("slow") << 30 << "00:03 00:06 00:09" << Delays{3, 3, 3};
}

void TestCategoryRows::testSpeedsAfterAReportOfTheTestRow()
{
    QFETCH(int, speed);
    QFETCH(QString, texts);
    QFETCH(Delays, delays);
    LecternWorksTimer window;
    testSpeedItem(window, speed)->trigger();
    QCOMPARE(thresholdsOf(window.TimerEvent(7)), texts);
    for (int other : {10, 20, 30})
        QCOMPARE(testSpeedItem(window, other)->isChecked(), other == speed);
    window.TimerEvent(7)->SelectThisEvent();
    QCOMPARE(delaysOf(window), delays);
}

void TestCategoryRows::repeatedReportsGiveTheSameDelays()
{
    LecternWorksTimer window;
    window.TimerEvent(2)->SelectThisEvent();
    const Delays first = delaysOf(window);
    window.TimerEvent(2)->SelectThisEvent();
    QCOMPARE(delaysOf(window), first);
    QCOMPARE(window.timingState().PreviousChangeTime, qint16(420));
    // Loading again selects row 7, whose report converts nothing while the form loads.
    window.Form_Load();
    QCOMPARE(delaysOf(window), first);
    QCOMPARE(window.timingState().FormIsLoading, qint16(0));
}

void TestCategoryRows::reportLeavesOnlyItsRowSelected()
{
    LecternWorksTimer window;
    const QColor yellow(255, 255, 0);
    for (int clicked : {3, 6, 1, 7}) {
        window.TimerEvent(clicked)->SelectThisEvent();
        for (int row = 1; row <= 7; ++row) {
            QCOMPARE(window.TimerEvent(row)->isSelected(), row == clicked);
            QCOMPARE(window.TimerEvent(row)->EventTime(2)->backColor() == yellow, row == clicked);
        }
    }
}

void TestCategoryRows::otherRowsAreUnclickedInAscendingOrder()
{
    LecternWorksTimer window;
    RecolourLog log;
    for (int row = 1; row <= 7; ++row) {
        // Every row starts yellow, so every unclick shows as a recolouring.
        window.TimerEvent(row)->EventTime(1)->setBackColor(QColor(255, 255, 0));
        window.TimerEvent(row)->EventTime(1)->setProperty("row", row);
        window.TimerEvent(row)->EventTime(1)->installEventFilter(&log);
    }
    window.TimerEvent_EventWuzClicked(4);
    QCOMPARE(log.rows, (QList<int>{1, 2, 3, 5, 6, 7}));
}

void TestCategoryRows::newTestSpeedTakesEffectAtTheNextReport()
{
    LecternWorksTimer window;
    window.TimerEvent(1)->SelectThisEvent();
    QCOMPARE(delaysOf(window), (Delays{240, 60, 60}));
    // Choosing FAST selects row 7, whose report converts the medium texts it still holds.
    window.menuTimerTestSpeed_Click(10);
    QCOMPARE(delaysOf(window), (Delays{2, 2, 2}));
    QCOMPARE(thresholdsOf(window.TimerEvent(7)), QStringLiteral("00:01 00:02 00:03"));
    QVERIFY(testSpeedItem(window, 10)->isChecked());
    QVERIFY(!window.TimerEvent(1)->isSelected());
    window.TimerEvent(7)->SelectThisEvent();
    QCOMPARE(delaysOf(window), (Delays{1, 1, 1}));
    // SLOW chosen while row 7 stays selected: the next START times SLOW, with no new click.
    window.menuTimerTestSpeed_Click(30);
    window.commandStartTimer_Click();
    QCOMPARE(lookChanges(window, 10), (LookChanges{{3, "G--"}, {6, "-Y-"}, {9, "--R"}}));
}

void TestCategoryRows::emptyCustomRowArmsNothing()
{
    LecternWorksTimer window;
    // GIVEN a run of row 1 stopped in mid-countdown
    window.TimerEvent(1)->SelectThisEvent();
    window.commandStartTimer_Click();
    deliverTicks(window, 50);
    window.commandStopTimer_Click();
    // WHEN the empty CUSTOM row is timed for two minutes
    window.TimerEvent(6)->SelectThisEvent();
    QCOMPARE(delaysOf(window), (Delays{0, 0, 0}));
    window.commandStartTimer_Click();
    QCOMPARE(window.timingState().SecondsUntilChange, qint16(0));
    // THEN no colour comes, not even the old countdown's, and the time spoken counts
    QCOMPARE(lookChanges(window, 300), LookChanges{});
    window.commandStopTimer_Click();
    QCOMPARE(window.findChild<MaskedTimeBox *>(QStringLiteral("ElapsedTime"))->text(),
             QStringLiteral("05:00"));
}

void TestCategoryRows::rowThresholdsLightTheColoursOnTheirTicks()
{
    LecternWorksTimer window;
    window.TimerEvent(5)->SelectThisEvent();
    window.commandStartTimer_Click();
    QCOMPARE(lookChanges(window, 200), (LookChanges{{60, "G--"}, {90, "-Y-"}, {120, "--R"}}));
}

QTEST_MAIN(TestCategoryRows)
#include "tst_categoryrows.moc"
