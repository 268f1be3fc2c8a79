// SPDX-License-Identifier: MIT
#include "app/devicelight.h"
#include "app/devicelightlink.h"
#include "app/lecternworkstimer.h"
#include "app/savedtitle.h"
#include "app/settings.h"
#include "components/framedpanel.h"
#include "components/maskedtimebox.h"
#include "controls/event_row/timereventdata.h"
#include "controls/signal_light/horizontaltimer.h"
#include "controls/signal_light/shapecircle.h"
#include "controls/signal_light/timergoodies.h"
#include "network/lightservice.h"
#include "record/meetingstore.h"
#include "report/speechlabels.h"
#include "sound/cuesounds.h"
#include "speaker/speakerscreen.h"
#include "tests/support/windowdriver.h"
#include "timing/graceperiod.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

// The timing run: START, the tick, the stage delays, the colour steps and STOP.
class TestTimingRun : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void startUpLeavesTheTimerIdleAndDark();
    void startRightAfterStartUpTimesTheTestRow();
    void workedTimelineOfAnIceBreaker();
    void stagesThatCannotRunAreSkipped_data();
    void stagesThatCannotRunAreSkipped();
    void stopInMidCountdownThenStartRunsEveryStage();
    void rowClickWhileTimingArmsTheNewRowNext();
    void elapsedTimeText_data();
    void elapsedTimeText();
    void countersHoldAtTheirLimitsPastNineHours();
    void startAndStopSetTheOuterHeight_data();
    void startAndStopSetTheOuterHeight();
    void leaveColorsOnDuringARun();
    void overtimeFlash_data();
    void overtimeFlash();
    void oneScreenShowsTheViewInTheWindow();
    void stopAndCloseRecordTheRun();
    void anUnsavedRecordShowsInTheTitle();
    void aControllersKeysAreTheWindows_data();
    void aControllersKeysAreTheWindows();
    void theTimerFollowsThePlan_data();
    void theTimerFollowsThePlan();

private:
    QString elapsedText(LecternWorksTimer &window) const;
    QWidget *widget(LecternWorksTimer &window, const char *name) const;
};

void TestTimingRun::init()
{
    TimerGoodies::CurrentTimerColor = 0;
    TimerGoodies::LeaveOldColorsFlag = 0;
    Settings().clear();
}

QString TestTimingRun::elapsedText(LecternWorksTimer &window) const
{
    return window.findChild<MaskedTimeBox *>(QStringLiteral("ElapsedTime"))->text();
}

QWidget *TestTimingRun::widget(LecternWorksTimer &window, const char *name) const
{
    return window.findChild<QWidget *>(QLatin1String(name));
}

// The meeting's window belongs to the record's module, which this test does not link: it is
// reached as a widget.
static QWidget *meetingWindow()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto it = std::find_if(windows.cbegin(), windows.cend(), [](const QWidget *w) {
        return w->objectName() == QStringLiteral("ReportWindow");
    });
    return it == windows.cend() ? nullptr : *it;
}

void TestTimingRun::startUpLeavesTheTimerIdleAndDark()
{
    LecternWorksTimer window;
    const auto &s = window.timingState();
    QVERIFY(!window.tickTimer()->isEnabled());
    QCOMPARE(s.FormIsLoading, qint16(0));
    QCOMPARE(s.SecondsToGreen + s.SecondsToYellow + s.SecondsToRed, 0);
    QCOMPARE(lampLook(*window.horizontalTimer()), QStringLiteral("---"));
    QVERIFY(!widget(window, "commandStartTimer")->isHidden());
    QVERIFY(widget(window, "commandStopTimer")->isHidden());
    QVERIFY(widget(window, "panelElapsedTime")->isHidden());
    QVERIFY(widget(window, "commandCycleColor")->isHidden());
}

void TestTimingRun::startRightAfterStartUpTimesTheTestRow()
{
    LecternWorksTimer window;
    window.commandStartTimer_Click();
    QVERIFY(widget(window, "commandStartTimer")->isHidden());
    QVERIFY(!widget(window, "commandStopTimer")->isHidden());
    // Row 7 is shown selected at MED: green 2 s, yellow 4 s, red 6 s.
    QCOMPARE(lookChanges(window, 10), (LookChanges{{2, "G--"}, {4, "-Y-"}, {6, "--R"}}));
    window.commandStopTimer_Click();
    QCOMPARE(elapsedText(window), QStringLiteral("00:10"));
    QVERIFY(!widget(window, "panelElapsedTime")->isHidden());
}

void TestTimingRun::workedTimelineOfAnIceBreaker()
{
    LecternWorksTimer window;
    window.TimerEvent(1)->SelectThisEvent();
    window.commandStartTimer_Click();
    QCOMPARE(window.timingState().SecondsUntilChange, qint16(240));
    QVERIFY(window.tickTimer()->isEnabled());

    deliverTicks(window, 1);
    QCOMPARE(window.timingState().SecondsUntilChange, qint16(239));
    const LookChanges changes = lookChanges(window, 359);
    QCOMPARE(changes, (LookChanges{{239, "G--"}, {299, "-Y-"}, {359, "--R"}}));
    QVERIFY(window.tickTimer()->isEnabled());
    QCOMPARE(window.timingState().SecondsUntilChange, qint16(0));
    deliverTicks(window, 1);
    QCOMPARE(window.timingState().SecondsUntilChange, qint16(-1));
    deliverTicks(window, 39);
    QCOMPARE(window.timingState().SecondsUntilChange, qint16(-40));

    window.commandStopTimer_Click();
    QCOMPARE(elapsedText(window), QStringLiteral("06:40"));
    QCOMPARE(lampLook(*window.horizontalTimer()), QStringLiteral("--R"));

    // The next speaker in the same category: a second START times the whole light again.
    window.commandStartTimer_Click();
    QCOMPARE(lampLook(*window.horizontalTimer()), QStringLiteral("---"));
    QCOMPARE(lookChanges(window, 400), (LookChanges{{240, "G--"}, {300, "-Y-"}, {360, "--R"}}));
}

void TestTimingRun::stagesThatCannotRunAreSkipped_data()
{
    QTest::addColumn<QStringList>("thresholds");
    QTest::addColumn<LookChanges>("changes");
    QTest::newRow("green at zero lags the light")
        << QStringList{"00:00", "01:00", "02:00"} << LookChanges{{60, "G--"}, {120, "-Y-"}};
    QTest::newRow("equal green and yellow")
        << QStringList{"01:00", "01:00", "02:00"} << LookChanges{{60, "G--"}, {120, "-Y-"}};
    QTest::newRow("yellow before green")
        << QStringList{"05:00", "04:00", "06:00"} << LookChanges{{300, "G--"}, {420, "-Y-"}};
    QTest::newRow("out of order within seconds")
        << QStringList{"00:02", "00:01", "00:04"} << LookChanges{{2, "G--"}, {5, "-Y-"}};
    QTest::newRow("seconds above 59 count in full")
        << QStringList{"00:75", "01:75", "02:75"}
        << LookChanges{{75, "G--"}, {135, "-Y-"}, {195, "--R"}};
}

void TestTimingRun::stagesThatCannotRunAreSkipped()
{
    QFETCH(QStringList, thresholds);
    QFETCH(LookChanges, changes);
    LecternWorksTimer window;
    // Typed after the row was chosen: START takes the thresholds as they are now.
    window.TimerEvent(6)->SelectThisEvent();
    setThresholds(window.TimerEvent(6), thresholds.at(0), thresholds.at(1), thresholds.at(2));
    window.commandStartTimer_Click();
    QCOMPARE(lookChanges(window, 1000), changes);
}

void TestTimingRun::stopInMidCountdownThenStartRunsEveryStage()
{
    LecternWorksTimer window;
    window.TimerEvent(4)->SelectThisEvent(); // 120, 30, 30
    window.commandStartTimer_Click();
    deliverTicks(window, 50);
    window.commandStopTimer_Click();
    QCOMPARE(elapsedText(window), QStringLiteral("00:50"));
    window.commandStartTimer_Click();
    QCOMPARE(window.timingState().SecondsUntilChange, qint16(120));
    QCOMPARE(lookChanges(window, 200), (LookChanges{{120, "G--"}, {150, "-Y-"}, {180, "--R"}}));
}

void TestTimingRun::rowClickWhileTimingArmsTheNewRowNext()
{
    LecternWorksTimer window;
    window.TimerEvent(5)->SelectThisEvent(); // 60, 30, 30
    window.commandStartTimer_Click();
    deliverTicks(window, 10);
    window.TimerEvent(4)->SelectThisEvent(); // 120, 30, 30
    QCOMPARE(window.timingState().SecondsUntilChange, qint16(50));
    QCOMPARE(window.timingState().SecondsToGreen, qint16(120));
    // The countdown in progress runs out, then the new row's stages follow one by one.
    QCOMPARE(lookChanges(window, 400),
             (LookChanges{{50, "G--"}, {170, "-Y-"}, {200, "--R"}, {230, "---"}}));
}

void TestTimingRun::elapsedTimeText_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("shown");
    QTest::newRow("no tick") << 0 << "00:00";
    QTest::newRow("a minute and a half") << 90 << "01:30";
    QTest::newRow("the worked timeline") << 400 << "06:40";
    QTest::newRow("last time that fits the box") << 5999 << "99:59";
    QTest::newRow("a hundred minutes shows whole") << 6000 << "100:00";
}

void TestTimingRun::elapsedTimeText()
{
    QFETCH(int, ticks);
    QFETCH(QString, shown);
    LecternWorksTimer window;
    window.TimerEvent(7)->SelectThisEvent(); // 2, 2, 2: the tick runs on after red
    window.commandStartTimer_Click();
    QCOMPARE(deliverTicks(window, ticks), ticks);
    window.commandStopTimer_Click();
    QCOMPARE(elapsedText(window), shown);
}

void TestTimingRun::countersHoldAtTheirLimitsPastNineHours()
{
    LecternWorksTimer window;
    window.TimerEvent(7)->SelectThisEvent();
    window.commandStartTimer_Click();
    QCOMPARE(deliverTicks(window, 32767), 32767);
    QCOMPARE(window.timingState().ElapsedSeconds, qint16(32767));
    QCOMPARE(lampLook(*window.horizontalTimer()), QStringLiteral("--R"));
    // The 32768th tick and the many after it: nothing wraps, nothing changes colour.
    QCOMPARE(deliverTicks(window, 40000), 40000);
    QCOMPARE(window.timingState().ElapsedSeconds, qint16(32767));
    QCOMPARE(window.timingState().SecondsUntilChange, qint16(-32768));
    QCOMPARE(lampLook(*window.horizontalTimer()), QStringLiteral("--R"));
    QCOMPARE(window.horizontalTimer()->ChangeYourColorTO(), HorizontalTimer::Red);
    window.commandStopTimer_Click();
    QCOMPARE(elapsedText(window), QStringLiteral("546:07"));
}

void TestTimingRun::startAndStopSetTheOuterHeight_data()
{
    QTest::addColumn<Qt::WindowState>("state");
    QTest::newRow("normal") << Qt::WindowNoState;
    QTest::newRow("maximised") << Qt::WindowMaximized;
    QTest::newRow("full screen") << Qt::WindowFullScreen;
}

void TestTimingRun::startAndStopSetTheOuterHeight()
{
    QFETCH(Qt::WindowState, state);
    LecternWorksTimer window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const int width = window.width();
    // GIVEN the window as the operator left it; WHEN START; THEN the run height in its normal state
    window.setWindowState(state);
    if (state != Qt::WindowNoState) // held by the shell once it fills the screen
        QTRY_VERIFY(window.frameGeometry().height() > 520);
    window.commandStartTimer_Click();
    QTRY_COMPARE(window.frameGeometry().height(), 300); // 4500 twips
    QCOMPARE(window.windowState(), Qt::WindowNoState);
    QCOMPARE(window.width(), width);
    // The light and the button on it stay in view; the rows neither show nor take keys.
    QWidget *start = widget(window, "commandStopTimer");
    QVERIFY(start->mapTo(&window, QPoint(0, start->height())).y() <= window.height());
    QVERIFY(widget(window, "panelSelectionButtons")->isHidden());
    window.resize(width + 40, 600); // the operator may resize by hand
    window.commandStopTimer_Click();
    QVERIFY(!widget(window, "panelSelectionButtons")->isHidden());
    QCOMPARE(window.frameGeometry().height(), 520); // 7800 twips
    QCOMPARE(window.width(), width + 40);
}

void TestTimingRun::leaveColorsOnDuringARun()
{
    LecternWorksTimer window;
    window.menuLeaveColorsOn_Click();
    window.TimerEvent(7)->SelectThisEvent(); // 2, 2, 2
    window.commandStartTimer_Click();
    QCOMPARE(lookChanges(window, 10), (LookChanges{{2, "G--"}, {4, "GY-"}, {6, "GYR"}}));
}

void TestTimingRun::overtimeFlash_data()
{
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<int>("grace");
    QTest::addColumn<int>("chosenAt"); // the second it is clicked in the run; 0: not then
    QTest::addColumn<QString>("red");  // the red lamp at 6, 7, 8, 18, 21, 22 and 23 s: "R" or dark
    // The TEST row at MED lights green at 2 s and red at 6 s.
    QTest::newRow("not chosen: steady") << false << 0 << 0 << "RRRRRRR";
    QTest::newRow("no grace: every other second from 7 s") << true << 0 << 0 << "R-RR-R-";
    QTest::newRow("15 s grace: from 22 s") << true << 15 << 0 << "RRRRR-R";
    QTest::newRow("chosen after red lit: still from 22 s") << false << 15 << 8 << "RRRRR-R";
    QTest::newRow("turned off in a dark second: lit again") << true << 0 << 7 << "R-RRRRR";
}

void TestTimingRun::overtimeFlash()
{
    QFETCH(bool, chosen);
    QFETCH(int, grace);
    QFETCH(int, chosenAt);
    QFETCH(QString, red);
    Settings().setGraceSeconds(grace);
    {
        LecternWorksTimer chooser;
        if (chosen)
            chooser.menuItems().menuFlashWhenOverTime->trigger();
    }
    // A later start remembers the choice.
    LecternWorksTimer window;
    QCOMPARE(window.menuItems().menuFlashWhenOverTime->isChecked(), chosen);
    window.menuLeaveColorsOn_Click();
    window.TimerEvent(7)->SelectThisEvent();
    window.commandStartTimer_Click();
    ShapeCircle *lamp = window.horizontalTimer()->shapeTimerCircle(HorizontalTimer::Red);
    QString seen;
    for (int second : {6, 7, 8, 18, 21, 22, 23}) {
        if (chosenAt > 0 && window.timingState().ElapsedSeconds == chosenAt)
            window.menuItems().menuFlashWhenOverTime->trigger();
        deliverTicks(window, second - window.timingState().ElapsedSeconds);
        seen += lamp->isBlinkedOff() ? u'-' : u'R';
        // A paint effect only: the colour state and the lamps lit stay as they were.
        QCOMPARE(window.horizontalTimer()->ChangeYourColorTO(), HorizontalTimer::Red);
        QCOMPARE(lampLook(*window.horizontalTimer()), QStringLiteral("GYR"));
    }
    QCOMPARE(seen, red);
    // STOP in a dark second leaves the red lamp steady.
    window.commandStopTimer_Click();
    QVERIFY(!lamp->isBlinkedOff());
    // Sounds are off: their module was never loaded.
    QVERIFY(!window.cueSounds()->isLoaded());
}

void TestTimingRun::oneScreenShowsTheViewInTheWindow()
{
    if (QGuiApplication::screens().size() != 1)
        QSKIP("needs a single screen");
    LecternWorksTimer window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!window.speakerScreen()->screenForSpeaker());
    window.keySpeakerView_Triggered();
    QVERIFY(!window.speakerScreen()->isOpen());
    QTRY_VERIFY(window.isFullScreen());
    window.keySpeakerView_Triggered();
    QTRY_VERIFY(!window.isFullScreen());
}

void TestTimingRun::stopAndCloseRecordTheRun()
{
    LecternWorksTimer window;
    QVERIFY2(!window.meetingStore(), "the record opened at start-up");
    window.menuItems().menuNewMeeting->trigger();
    for (QAction *grace : window.menuItems().menuGracePeriod->actions()) {
        if (grace->data().toInt() == 15)
            grace->trigger();
    }
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    window.commandStartTimer_Click(); // the TEST row, stopped at once: a mistaken start
    window.commandStopTimer_Click();
    window.TimerEvent(1)->SelectThisEvent();
    window.commandStartTimer_Click();
    deliverTicks(window, 400);
    window.commandStopTimer_Click();
    window.commandStartTimer_Click();
    deliverTicks(window, 100);
    window.close();
    window.commandStopTimer_Click(); // recorded already, as not stopped

    MeetingStore *store = window.meetingStore();
    const QList<SpeechRecord> runs = store->speeches(store->currentMeetingId());
    QCOMPARE(runs.size(), 3);
    QVERIFY(runs.at(0).rehearsal && runs.at(0).mistakenStart && runs.at(0).stopped);
    QCOMPARE(runs.at(0).description, QStringLiteral("Timer TEST"));
    QVERIFY(runs.at(0).startedAt >= before);
    const SpeechRecord &iceBreaker = runs.at(1);
    QCOMPARE(iceBreaker.rowIndex, 1);
    QCOMPARE(iceBreaker.description, QStringLiteral("Ice Breaker Speech (4 to 6 Minutes)"));
    QCOMPARE(iceBreaker.thresholdSeconds, (std::array<int, 3>{240, 300, 360}));
    QCOMPARE(iceBreaker.elapsedSeconds, 400);
    QCOMPARE(iceBreaker.lampReached, SpeechRecord::Lamp::Red);
    QCOMPARE(iceBreaker.verdict().sentence(), QStringLiteral("over time by 0:25"));
    QVERIFY(!iceBreaker.rehearsal && !iceBreaker.mistakenStart);
    QCOMPARE(runs.at(2).elapsedSeconds, 100);
    QCOMPARE(runs.at(2).lampReached, SpeechRecord::Lamp::None);
    QVERIFY(!runs.at(2).stopped);
}

void TestTimingRun::anUnsavedRecordShowsInTheTitle()
{
    // A file where the data folder should be: the record cannot be written.
    QTemporaryDir dir;
    const QString blocked = dir.filePath(QStringLiteral("data"));
    QFile blocker(blocked);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", blocked.toLocal8Bit());
    LecternWorksTimer window;
    qputenv("XDG_DATA_HOME", dataHome);
    const QString title = window.windowTitle();
    window.commandStartTimer_Click();
    deliverTicks(window, 3);
    window.commandStopTimer_Click();
    QCOMPARE(window.windowTitle(), title + QStringLiteral(" (record not saved)"));
    QCOMPARE(titleShowingSaved(QStringLiteral("Timer"), false),
             QStringLiteral("Timer (record not saved)"));
    QCOMPARE(titleShowingSaved(QStringLiteral("Timer (record not saved)"), true),
             QStringLiteral("Timer"));
    QVERIFY(blocker.remove());
    QTRY_COMPARE_WITH_TIMEOUT(window.windowTitle(), title, 10000);
}

// A paired controller's START, STOP and row go through the window's own handlers, and only
// where the window's own keys would.
void TestTimingRun::aControllersKeysAreTheWindows_data()
{
    QTest::addColumn<bool>("runningBefore");
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("runningAfter");
    QTest::addColumn<int>("row");
    QTest::newRow("START") << false << "start" << true << 7;
    QTest::newRow("START while timing") << true << "start" << true << 7;
    QTest::newRow("STOP") << true << "stop" << false << 7;
    QTest::newRow("STOP while stopped") << false << "stop" << false << 7;
    QTest::newRow("a row") << false << "row" << false << 3;
    QTest::newRow("a row while timing") << true << "row" << true << 7;
}

void TestTimingRun::aControllersKeysAreTheWindows()
{
    QFETCH(bool, runningBefore);
    QFETCH(QString, command);
    QFETCH(bool, runningAfter);
    QFETCH(int, row);
    LecternWorksTimer window;
    if (runningBefore)
        window.commandStartTimer_Click();
    QSignalSpy announced(window.deviceLight(), &DeviceLightLink::runStateChanged);
    // Through the module, as the program loads it.
    DeviceLight *module = window.deviceLight()->light();
    QVERIFY(module);
    LightService *light = module->service();
    const QString device = QStringLiteral("Chrome on Android");
    if (command == "start")
        emit light->startRequested(device);
    else if (command == "stop")
        emit light->stopRequested(device);
    else
        emit light->rowRequested(3);
    QCOMPARE(window.tickTimer()->isEnabled(), runningAfter);
    QVERIFY(window.TimerEvent(row)->isSelected());
    QCOMPARE(announced.isEmpty(), runningBefore == runningAfter && row == 7);
    // The record keeps which device pressed START or STOP, and the window's own as its own.
    const QString by = runningBefore != runningAfter ? device : QString();
    if (runningAfter)
        QCOMPARE(window.recordLink()->run().startedBy, by);
    else if (MeetingStore *store = window.meetingStore(); store && runningBefore)
        QCOMPARE(store->speeches(store->currentMeetingId()).last().stoppedBy, by);
}

// Ann (Table Topics), Bo (CUSTOM 0:01, 0:02, 0:03) and Cy (Speech Evaluation) planned. Each
// step: "time" (START, 3 s, STOP) or its halves "start" and "stop", "mistake" (START, STOP),
// "click N" (a row of the timer), "next N" (Speaks Next on the Nth planned), "edit" (Ann renamed
// Zed and Bo taken off the plan), "new" (New Meeting), "elsewhere" (another copy records Ann's
// speech); "unwritable" first: a record that cannot be written. The names recorded, and the row
// chosen after each step.
void TestTimingRun::theTimerFollowsThePlan_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<int>>("rows");
    QTest::newRow("START and STOP only") << QStringList{"time", "time", "time"}
                                         << QStringList{"Ann", "Bo", "Cy"} << QList<int>{6, 4, 4};
    QTest::newRow("a row clicked: timed without the plan, whose row comes back")
        << QStringList{"time", "click 1", "time", "time", "time"}
        << QStringList{"Ann", "", "Bo", "Cy"} << QList<int>{6, 1, 6, 4, 4};
    QTest::newRow("the plan edited during a speech: the speech as it started")
        << QStringList{"start", "edit", "stop"} << QStringList{"Ann"} << QList<int>{5, 5, 4};
    QTest::newRow("the plan edited during a speech on another row: chosen at STOP")
        << QStringList{"click 1", "start", "edit", "stop"} << QStringList{""}
        << QList<int>{1, 1, 1, 5};
    QTest::newRow("a row clicked before a plan edit and during a speech: the operator's")
        << QStringList{"click 1", "edit", "start", "click 3", "stop"} << QStringList{""}
        << QList<int>{1, 1, 1, 3, 3};
    QTest::newRow("the plan edited: the mark stays")
        << QStringList{"next 2", "edit"} << QStringList{} << QList<int>{4, 4};
    QTest::newRow("a rehearsal, a mistaken start: the planned speaker still to speak")
        << QStringList{"click 7", "time", "mistake", "time"} << QStringList{"", "", "Ann"}
        << QList<int>{7, 5, 5, 6};
    QTest::newRow("New Meeting: the plan's row")
        << QStringList{"click 7", "new"} << QStringList{} << QList<int>{7, 5};
    QTest::newRow("Ann recorded by another copy during her speech: said, not Ctrl+U")
        << QStringList{"start", "elsewhere", "stop"} << QStringList{"Ann", ""}
        << QList<int>{5, 5, 6};
    QTest::newRow("the last planned timed, unsaved: the first still to come")
        << QStringList{"unwritable", "next 2", "time"} << QStringList{"Cy"} << QList<int>{5, 4, 5};
}

void TestTimingRun::theTimerFollowsThePlan()
{
    QFETCH(QStringList, steps);
    QFETCH(QStringList, names);
    QFETCH(QList<int>, rows);
    // A file where the data folder should be: the record cannot be written.
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("data")));
    const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
    if (steps.first() == "unwritable" && blocker.open(QIODevice::WriteOnly))
        qputenv("XDG_DATA_HOME", blocker.fileName().toLocal8Bit());
    LecternWorksTimer window;
    qputenv("XDG_DATA_HOME", dataHome);
    window.menuItems().menuNewMeeting->trigger();
    MeetingStore *store = window.meetingStore();
    // The record's file outlives the test: no plan is left for the others.
    const auto noPlan = [store] {
        QList<qint64> ids;
        for (const PlanEntry &entry : store->plan())
            ids << entry.id;
        QVERIFY(ids.isEmpty() || store->removePlanned(ids));
    };
    noPlan();
    const auto cleanUp = qScopeGuard(noPlan);
    const QList<PlanEntry> plan = store->addPlanned({PlanEntry::make("Ann", 5, {60, 90, 120}),
                                                     PlanEntry::make("Bo", 6, {1, 2, 3}),
                                                     PlanEntry::make("Cy", 4, {120, 150, 180})});
    QCOMPARE(window.selectedRow(), 5);
    QVERIFY2(window.windowTitle().contains(" - Next: Ann — Table Topics (1 to 2 Minutes)"),
             qPrintable(window.windowTitle()));
    if (steps.first() != "unwritable") {
        // Started with nothing remembered, the plan is followed all the same.
        Settings().clear();
        LecternWorksTimer again;
        QTRY_COMPARE(again.selectedRow(), 5);
    }
    window.menuItems().menuTimersReport->trigger();
    for (int i = 0; i < steps.size(); ++i) {
        const QString &step = steps.at(i);
        const int number = step.back().digitValue();
        if (step.startsWith("click"))
            window.TimerEvent(number)->SelectThisEvent();
        if (step == "time" || step == "start" || step == "mistake")
            window.commandStartTimer_Click();
        if (step == "time" || step == "stop")
            deliverTicks(window, 3);
        if (step == "time" || step == "stop" || step == "mistake")
            window.commandStopTimer_Click();
        if (step == "new")
            window.menuItems().menuNewMeeting->trigger();
        if (step == "elsewhere")
            QVERIFY(MeetingStore(store->filePath())
                        .addSpeechByHand(0, QDateTime::currentDateTime().addSecs(-60), QString(), 5,
                                         {60, 90, 120}, 100, 15, plan.at(0).id));
        if (step == "edit") {
            PlanEntry renamed = plan.at(0);
            renamed.speakerName = "Zed";
            QVERIFY(store->changePlanned(renamed));
            QVERIFY(store->removePlanned({plan.at(1).id}));
        }
        if (step.startsWith("next")) {
            auto *table = meetingWindow()->findChild<QTableView *>("tableSpeeches");
            const QModelIndex first = table->model()->index(0, SpeechLabels::Speaker);
            table->setCurrentIndex(
                first.model()->match(first, Qt::DisplayRole, plan.at(number).speakerName).value(0));
            for (QAction *action : table->actions()) {
                if (action->shortcut() == QKeySequence(Qt::CTRL | Qt::Key_Return))
                    action->trigger();
            }
        }
        QCOMPARE(window.selectedRow(), rows.at(i));
        if (window.selectedRow() == 6)
            QCOMPARE(window.TimerEvent(6)->TimeChangeRed(), QStringLiteral("00:03"));
    }
    QStringList recorded;
    for (const SpeechRecord &s : store->speeches(store->currentMeetingId()))
        recorded << s.speakerName;
    for (const SpeechRecord &s : store->unsavedSpeeches())
        recorded << s.speakerName;
    QCOMPARE(recorded, names);
    const auto *status = meetingWindow()->findChild<QLabel *>("labelStatus");
    QCOMPARE(status->text().contains("Ctrl+U"), !names.isEmpty() && !names.last().isEmpty());
}

QTEST_MAIN(TestTimingRun)
#include "tst_timingrun.moc"
