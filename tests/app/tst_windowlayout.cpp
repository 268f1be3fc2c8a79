// SPDX-License-Identifier: MIT
#include "app/lecternworkstimer.h"
#include "app/settings.h"
#include "components/fonts.h"
#include "components/framedpanel.h"
#include "components/maskedtimebox.h"
#include "controls/signal_light/horizontaltimer.h"
#include "controls/signal_light/timergoodies.h"
#include "speaker/speakerscreen.h"
#include "speaker/speakerwindow.h"
#include "tests/support/windowdriver.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>

// The window as the operator meets it: sizes, places, stacking, menus and keys.
class TestWindowLayout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void windowHasItsDesignedSize();
    void controlsSitWhereTheLayoutPutsThem_data();
    void controlsSitWhereTheLayoutPutsThem();
    void buttonsAndElapsedTimeAreDrawnOverTheLight();
    void fontsAndColoursFollowTheLayout();
    void tabOrderRunsThroughTheRows();
    void menuBarStructure();
    void separatorsCannotBeChosen();
    void brokenMenuEntriesAreReported_data();
    void brokenMenuEntriesAreReported();
    void leaveColorsOnTogglesAndShowsAtTheNextChange();
    void resetClearsOnlyAFinishedRunAboutLetsTheRunGoOn();
    void accessKeysPressOnlyVisibleButtonsAtOnce();
    void shortcutsChooseTheirItems();
    void theShownButtonTakesTheFocus();
    void quitDuringARunClosesTheWindow();
    void everyControlHasAnAccessibleName();
    void speakerViewFillsTheScreenEscRestores_data();
    void speakerViewFillsTheScreenEscRestores();
    void speakerScreenShowsTheLightBesideTheWindow_data();
    void speakerScreenShowsTheLightBesideTheWindow();

private:
    static QWidget *child(QWidget &window, const QString &name)
    {
        return window.findChild<QWidget *>(name);
    }
    static QScreen *screenNamed(const QString &name)
    {
        for (QScreen *s : QGuiApplication::screens()) {
            if (s->name() == name)
                return s;
        }
        return nullptr;
    }
};

void TestWindowLayout::init()
{
    TimerGoodies::CurrentTimerColor = 0;
    TimerGoodies::LeaveOldColorsFlag = 0;
    // Every test starts from a first start: nothing remembered.
    Settings().clear();
}

void TestWindowLayout::windowHasItsDesignedSize()
{
    LecternWorksTimer window;
    QCOMPARE(window.windowTitle(),
             QStringLiteral("Brindlewick's Lecternworks Timer - Version 1.1"));
    QCOMPARE(window.centralWidget()->size(), QSize(661, 462)); // 9915 x 6930 twips
    QCOMPARE(window.height(), 462 + window.menuBar()->sizeHint().height());
}

void TestWindowLayout::controlsSitWhereTheLayoutPutsThem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("light across the top")
        << "HorizontalTimer" << QRect(0, 0, 660, 241); // 3615 twips
    QTest::newRow("START on the lower left") << "commandStartTimer" << QRect(37, 176, 73, 41);
    QTest::newRow("STOP on the lower right") << "commandStopTimer" << QRect(564, 176, 73, 41);
    QTest::newRow("elapsed time over yellow") << "panelElapsedTime" << QRect(289, 107, 97, 43);
    QTest::newRow("elapsed box in its panel") << "ElapsedTime" << QRect(8, 8, 80, 27);
    QTest::newRow("rows below the light") << "panelSelectionButtons" << QRect(0, 244, 660, 217);
    QTest::newRow("first row") << "TimerEvent(1)" << QRect(16, 13, 627, 25);
    QTest::newRow("test row set apart") << "TimerEvent(7)" << QRect(16, 180, 627, 25);
    QTest::newRow("line above the test row") << "Line1" << QRect(13, 174, 628, 4);
}

void TestWindowLayout::controlsSitWhereTheLayoutPutsThem()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    LecternWorksTimer window;
    QWidget *control = child(window, name);
    QVERIFY(control);
    QCOMPARE(control->geometry(), geometry);
}

void TestWindowLayout::buttonsAndElapsedTimeAreDrawnOverTheLight()
{
    LecternWorksTimer window;
    QWidget *client = window.centralWidget();
    auto topmostAt = [client](QWidget *w) {
        QWidget *hit = client->childAt(w->geometry().center());
        return hit && (hit == w || w->isAncestorOf(hit));
    };
    QVERIFY(topmostAt(child(window, "commandStartTimer")));
    window.commandStartTimer_Click();
    QVERIFY(topmostAt(child(window, "commandStopTimer")));
    window.commandStopTimer_Click();
    QVERIFY(topmostAt(child(window, "panelElapsedTime")));
    // The hidden colour button never covers anything.
    QVERIFY(!topmostAt(child(window, "commandCycleColor")));
}

void TestWindowLayout::fontsAndColoursFollowTheLayout()
{
    LecternWorksTimer window;
    const QFont start = child(window, "commandStartTimer")->font();
    QCOMPARE(start.families(), Fonts::familiesFor(QStringLiteral("Verdana")));
    QCOMPARE(start.pointSizeF(), 14.25);
    QCOMPARE(child(window, "commandCycleColor")->font().pointSizeF(), 18.0);
    auto *elapsedPanel = window.findChild<FramedPanel *>(QStringLiteral("panelElapsedTime"));
    QCOMPARE(elapsedPanel->caption(), QStringLiteral("Time Elapsed"));
    QCOMPARE(elapsedPanel->font().families(), Fonts::familiesFor(QStringLiteral("MS Sans Serif")));
    QCOMPARE(elapsedPanel->faceColor(), QColor(240, 240, 240));
    auto *selection = window.findChild<FramedPanel *>(QStringLiteral("panelSelectionButtons"));
    QCOMPARE(selection->caption(), QStringLiteral("Selection Panel"));
    QCOMPARE(selection->textColor(), QApplication::palette(selection).color(QPalette::ButtonText));
    QCOMPARE(static_cast<QPushButton *>(child(window, "commandStopTimer"))->text(),
             QStringLiteral("STO&P"));
}

void TestWindowLayout::tabOrderRunsThroughTheRows()
{
    LecternWorksTimer window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.commandStartTimer_Click();
    window.commandStopTimer_Click();
    // Tab from START, with the elapsed time shown: the whole chain once round.
    QStringList stops;
    QWidget *w = child(window, "commandStartTimer");
    while (stops.size() < 38) {
        int row = 0;
        for (int i = 1; i <= 7; ++i)
            row = window.TimerEvent(i)->isAncestorOf(w) ? i : row;
        stops << QStringLiteral("%1:%2").arg(row).arg(w->objectName());
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || !w->isVisible());
    }
    QStringList expected{"0:commandStartTimer", "0:ElapsedTime"};
    for (int row = 1; row <= 7; ++row) {
        for (const char *name : {"EventTime(1)", "EventTime(2)", "EventTime(3)",
                                 "textEventDescription", "optionEventSelected"})
            expected << QStringLiteral("%1:%2").arg(row).arg(QLatin1String(name));
    }
    expected << "0:commandStartTimer";
    QCOMPARE(stops, expected);
}

void TestWindowLayout::menuBarStructure()
{
    LecternWorksTimer window;
    QStringList seen;
    std::function<void(const QList<QAction *> &, int)> walk = [&](const QList<QAction *> &items,
                                                                  int level) {
        for (QAction *item : items) {
            QString line = QString(level * 2, u' ') +
                           (item->isSeparator() ? QStringLiteral("-") : item->text());
            if (!item->shortcut().isEmpty())
                line += u'\t' + item->shortcut().toString(QKeySequence::PortableText);
            seen << line;
            if (item->menu())
                walk(item->menu()->actions(), level + 1);
        }
    };
    walk(window.menuBar()->actions(), 0);
    const QStringList expected{
        "&File",
        "  &New Meeting",
        "  &Timer's Report...\tCtrl+T",
        "  &Back Up Meetings...",
        "  -",
        "  &Quit\tCtrl+Q",
        "&Options",
        "  &Timer Test Speed",
        "    &FAST: 1 - 2 - 3",
        "    -",
        "    &MED: 2 - 4 - 6",
        "    -",
        "    &SLOW: 3 - 6 - 9",
        "  &Grace Period",
        "    &None",
        "    &15 Seconds",
        "    &30 Seconds",
        "  -",
        "  &Leave Colors On\tCtrl+L",
        "  &Flash When Over Time",
        "  &Mark the Lamps",
        "  So&unds",
        "    &Play Sounds",
        "    -",
        "    Overtime Bell &Once",
        "    Overtime Bell &Every 30 Seconds",
        "    -",
        "    &Soft",
        "    &Medium",
        "    &Loud",
        "    -",
        "    &Test Sounds",
        "  -",
        "  &Reset Elapsed Time\tCtrl+R",
        "  -",
        "  &Speaker's Screen",
        "    full-hd (1920 x 1080)",
        "    square (1280 x 1024)",
        "    wide-and-low (2560 x 600)",
        "  Light on &Other Devices...",
        "  Light for Screen &Capture",
        "&Help",
        "  &About Brindlewick Lecternworks Timer\tCtrl+A",
    };
    QCOMPARE(seen, expected);
    QVERIFY(window.layoutFaults().isEmpty());
    // After start-up only MED, the grace period, the screen next to the window's, the bell's
    // repeat and the volume carry a check mark: the options are off.
    QStringList checked;
    for (QAction *item : window.findChildren<QAction *>()) {
        if (item->isChecked())
            checked << item->objectName();
    }
    checked.sort();
    QCOMPARE(checked,
             (QStringList{"menuGracePeriod(30)", "menuOvertimeBell(0)", "menuSoundVolume(60)",
                          "menuSpeakerScreen(square)", "menuTimerTestSpeed(20)"}));
}

void TestWindowLayout::separatorsCannotBeChosen()
{
    LecternWorksTimer window;
    window.TimerEvent(2)->SelectThisEvent();
    for (QAction *item :
         window.findChild<QMenu *>(QStringLiteral("mnuTimerTestSpeed"))->actions()) {
        if (item->isSeparator())
            item->trigger();
    }
    QVERIFY(window.TimerEvent(2)->isSelected());
    QVERIFY(testSpeedItem(window, 20)->isChecked());
}

void TestWindowLayout::brokenMenuEntriesAreReported_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<QStringList>("faults");
    QTest::newRow("test speed index off by one")
        << QByteArray("\"index\": 20") << QByteArray("\"index\": 21")
        << QStringList{"no menu item for menuTimerTestSpeed(21)",
                       "the layout places no menuTimerTestSpeed(20)"};
    QTest::newRow("misspelt item")
        << QByteArray("\"menuQuit\"") << QByteArray("\"menuQuitt\"")
        << QStringList{"no menu item for menuQuitt", "the layout places no menuQuit"};
    QTest::newRow("item outside a menu")
        << QByteArray("\"menus\": [") << QByteArray("\"menus\": [{\"name\": \"menuAbout\"},")
        << QStringList{"menu item menuAbout outside a menu"};
}

void TestWindowLayout::brokenMenuEntriesAreReported()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(QStringList, faults);
    // GIVEN the stored layout with one menu entry broken
    QFile original(QStringLiteral(":/layouts/lecternworkstimer.json"));
    QVERIFY(original.open(QIODevice::ReadOnly));
    QByteArray json = original.readAll();
    QVERIFY(json.contains(from));
    json.replace(from, to);
    QTemporaryFile broken;
    QVERIFY(broken.open());
    broken.write(json);
    broken.close();
    // WHEN the window is built from it THEN the fault is reported and the window works
    QTest::ignoreMessage(QtCriticalMsg,
                         QRegularExpression(QRegularExpression::escape(faults.join(u','))));
    LecternWorksTimer window(nullptr, broken.fileName());
    QCOMPARE(window.layoutFaults(), faults);
    window.commandStartTimer_Click();
    QCOMPARE(lookChanges(window, 3), (LookChanges{{2, "G--"}}));
}

void TestWindowLayout::leaveColorsOnTogglesAndShowsAtTheNextChange()
{
    LecternWorksTimer window;
    QAction *item = window.menuItems().menuLeaveColorsOn;
    window.TimerEvent(7)->SelectThisEvent();
    window.commandStartTimer_Click();
    deliverTicks(window, 4);
    QCOMPARE(lampLook(*window.horizontalTimer()), QStringLiteral("-Y-"));
    // GIVEN yellow lit, WHEN the option is chosen THEN nothing changes until the next step
    item->trigger();
    QVERIFY(item->isChecked());
    QVERIFY(window.horizontalTimer()->LeaveOldColorsOn());
    QCOMPARE(TimerGoodies::LeaveOldColorsFlag, qint16(-1));
    QCOMPARE(lampLook(*window.horizontalTimer()), QStringLiteral("-Y-"));
    deliverTicks(window, 2);
    QCOMPARE(lampLook(*window.horizontalTimer()), QStringLiteral("-YR"));
    item->trigger();
    QVERIFY(!item->isChecked());
    QVERIFY(!window.horizontalTimer()->LeaveOldColorsOn());
    QCOMPARE(lampLook(*window.horizontalTimer()), QStringLiteral("-YR"));
}

void TestWindowLayout::resetClearsOnlyAFinishedRunAboutLetsTheRunGoOn()
{
    LecternWorksTimer window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.TimerEvent(7)->SelectThisEvent();
    window.commandStartTimer_Click();
    deliverTicks(window, 7); // past red
    const auto before = window.timingState();
    const QString look = lampLook(*window.horizontalTimer());
    // GIVEN a run: Reset keeps the speech's count, About opens over the running light
    window.menuItems().menuResetElapsedTime->trigger();
    window.menuItems().menuAbout->trigger();
    auto *about = window.findChild<QMessageBox *>();
    QVERIFY(about);
    QTRY_VERIFY(about->isVisible());
    QVERIFY(about->isModal());
    QCOMPARE(about->windowTitle(), QStringLiteral("About Brindlewick Lecternworks Timer"));
    QVERIFY(about->text().contains(QStringLiteral("Version 1.1")));
    QVERIFY(about->text().contains(QStringLiteral("1.00")));
    QVERIFY(about->text().contains(QStringLiteral("MIT")));
    QVERIFY(window.tickTimer()->isEnabled());
    deliverTicks(window, 1);
    const auto after = window.timingState();
    QCOMPARE(after.ElapsedSeconds, before.ElapsedSeconds + 1);
    QCOMPARE(after.SecondsUntilChange, before.SecondsUntilChange - 1);
    QCOMPARE(lampLook(*window.horizontalTimer()), look);
    QTest::keyClick(about, Qt::Key_Escape);
    QTRY_VERIFY(!window.findChild<QMessageBox *>());
    // WHEN the run is stopped, THEN Reset clears its result
    window.commandStopTimer_Click();
    auto *elapsed = window.findChild<MaskedTimeBox *>(QStringLiteral("ElapsedTime"));
    QCOMPARE(elapsed->text(), QStringLiteral("00:08"));
    window.menuItems().menuResetElapsedTime->trigger();
    QCOMPARE(elapsed->text(), QStringLiteral("00:00"));
}

void TestWindowLayout::accessKeysPressOnlyVisibleButtonsAtOnce()
{
    LecternWorksTimer window;
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // Alt+P while STOP is hidden does nothing.
    QTest::keyClick(&window, Qt::Key_P, Qt::AltModifier);
    QVERIFY(!child(window, "commandStartTimer")->isHidden());
    // Alt+S presses START at the key press, not after an animation.
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    QVERIFY(child(window, "commandStartTimer")->isHidden());
    QVERIFY(!child(window, "commandStopTimer")->isHidden());
    QTest::keyClick(&window, Qt::Key_S, Qt::AltModifier);
    QVERIFY(child(window, "commandStartTimer")->isHidden());
    QTest::keyClick(&window, Qt::Key_P, Qt::AltModifier);
    QVERIFY(!child(window, "commandStartTimer")->isHidden());
    QVERIFY(!child(window, "panelElapsedTime")->isHidden());
    // The hidden colour button's access key reaches nothing.
    const qint32 code = window.horizontalTimer()->ChangeYourColorTO();
    QTest::keyClick(&window, Qt::Key_C, Qt::AltModifier);
    QCOMPARE(window.horizontalTimer()->ChangeYourColorTO(), code);
}

void TestWindowLayout::shortcutsChooseTheirItems()
{
    LecternWorksTimer window;
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    QVERIFY(window.horizontalTimer()->LeaveOldColorsOn());
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    QVERIFY(!window.horizontalTimer()->LeaveOldColorsOn());
    QTest::keyClick(&window, Qt::Key_R, Qt::ControlModifier);
    QVERIFY(window.isVisible());
    // Quit from the meeting window too.
    QTest::keyClick(&window, Qt::Key_T, Qt::ControlModifier);
    QTRY_VERIFY(QApplication::activeWindow() && QApplication::activeWindow() != &window);
    QTest::keyClick(QApplication::activeWindow(), Qt::Key_Q, Qt::ControlModifier);
    QTRY_VERIFY(!window.isVisible());
}

void TestWindowLayout::theShownButtonTakesTheFocus()
{
    LecternWorksTimer window;
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // GIVEN a run started by mouse
    QTest::mouseClick(child(window, "commandStartTimer"), Qt::LeftButton);
    // WHEN the operator types digits during the speech
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("59"));
    // THEN no threshold changed and the keyboard is on STOP
    QCOMPARE(QApplication::focusWidget(), child(window, "commandStopTimer"));
    QCOMPARE(window.TimerEvent(1)->TimeChangeGreen(), QStringLiteral("04:00"));
    // Space clicks the focused STOP at the press, Enter the focused START
    QTest::keyPress(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(!child(window, "commandStartTimer")->isHidden());
    QCOMPARE(QApplication::focusWidget(), child(window, "commandStartTimer"));
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(!child(window, "commandStartTimer")->isHidden());
    // The result takes no typing: a stray digit cannot turn 00:00 into 90:00.
    auto *elapsed = window.findChild<MaskedTimeBox *>(QStringLiteral("ElapsedTime"));
    elapsed->setFocus();
    QTest::keyClicks(elapsed, QStringLiteral("9"));
    QTest::keyClick(elapsed, Qt::Key_Delete);
    QCOMPARE(elapsed->text(), QStringLiteral("00:00"));
    child(window, "commandStartTimer")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(child(window, "commandStartTimer")->isHidden());
    // A held Return repeats on STOP, and modified keys reach it: none of them stops the run.
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
    QCoreApplication::sendEvent(QApplication::focusWidget(), &repeat);
    QVERIFY(child(window, "commandStartTimer")->isHidden());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return, Qt::ControlModifier);
    QVERIFY(child(window, "commandStartTimer")->isHidden());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space, Qt::ShiftModifier);
    QVERIFY(child(window, "commandStartTimer")->isHidden());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(!child(window, "commandStartTimer")->isHidden());
}

void TestWindowLayout::quitDuringARunClosesTheWindow()
{
    LecternWorksTimer window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.TimerEvent(7)->SelectThisEvent();
    window.commandStartTimer_Click();
    QVERIFY(window.tickTimer()->isEnabled());
    window.menuItems().menuQuit->trigger();
    QVERIFY(!window.isVisible());
}

void TestWindowLayout::everyControlHasAnAccessibleName()
{
    LecternWorksTimer window;
    QCOMPARE(window.TimerEvent(5)->accessibleName(),
             QStringLiteral("Table Topics (1 to 2 Minutes)"));
    QVERIFY(
        window.TimerEvent(5)->EventTime(2)->accessibleName().contains(QStringLiteral("yellow")));
    QVERIFY(!window.horizontalTimer()->accessibleName().isEmpty());
    for (const char *described : {"commandStartTimer", "commandStopTimer", "ElapsedTime"})
        QVERIFY(!window.findChild<QWidget *>(QLatin1String(described))
                     ->accessibleDescription()
                     .isEmpty());
    QVERIFY(!window.TimerEvent(5)->EventTime(2)->accessibleDescription().isEmpty());
    for (QWidget *w : window.findChildren<QWidget *>()) {
        if (w->focusPolicy() & Qt::TabFocus) {
            const bool named =
                !w->accessibleName().isEmpty() || !w->property("text").toString().isEmpty();
            QVERIFY2(named, qPrintable(w->objectName()));
        }
    }
}

void TestWindowLayout::speakerViewFillsTheScreenEscRestores_data()
{
    QTest::addColumn<QString>("screenName");
    QTest::addColumn<bool>("startFirst");
    QTest::addColumn<QKeySequence>("keyInView");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QRect>("light");
    QTest::addColumn<int>("lamp");
    QTest::addColumn<int>("outerHeight"); // 0: as the view was entered
    QTest::addColumn<int>("handHeight");  // 0: the height START, STOP or the design gave
    QTest::addColumn<bool>("maximised");
    // The light area is 9900 x 3615 twips, 15 twips a pixel; its lamps 2295 twips high. Its
    // panel, 35 twips short of the right edge, stands at the screen's centre.
    const double fullHd = 1920 * 15 / 9900.0;
    const QRect fullHdLight(3, 189, 1920, 701);
    QTest::newRow("full HD, START in the view")
        << "full-hd" << false << QKeySequence("Alt+S") << fullHd << fullHdLight << 445 << 300 << 0
        << false;
    QTest::newRow("second screen, STOP in the view")
        << "square" << true << QKeySequence("Alt+P") << 1280 * 15 / 9900.0
        << QRect(2, 278, 1280, 467) << 297 << 520 << 0 << false;
    QTest::newRow("wide and low, during a run")
        << "wide-and-low" << true << QKeySequence() << 600 * 15 / 3615.0 << QRect(461, 0, 1643, 600)
        << 381 << 300 << 0 << false;
    QTest::newRow("before START, as designed")
        << "full-hd" << false << QKeySequence() << fullHd << fullHdLight << 445 << 0 << 0 << false;
    QTest::newRow("a height set by hand") << "full-hd" << false << QKeySequence() << fullHd
                                          << fullHdLight << 445 << 0 << 400 << false;
    QTest::newRow("maximised during a run")
        << "full-hd" << true << QKeySequence() << fullHd << fullHdLight << 445 << 0 << 0 << true;
}

void TestWindowLayout::speakerViewFillsTheScreenEscRestores()
{
    QFETCH(QString, screenName);
    QFETCH(bool, startFirst);
    QFETCH(QKeySequence, keyInView);
    QFETCH(double, scale);
    QFETCH(QRect, light);
    QFETCH(int, lamp);
    QFETCH(int, outerHeight);
    QFETCH(int, handHeight);
    QFETCH(bool, maximised);
    QScreen *screen = nullptr;
    for (QScreen *s : QGuiApplication::screens())
        screen = s->name() == screenName ? s : screen;
    if (!screen)
        QSKIP("needs the screens of tests/app/screens.json, which ctest configures");
    LecternWorksTimer window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.move(screen->geometry().topLeft() + QPoint(40, 30));
    QTRY_COMPARE(window.screen(), screen);
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // The window's own screen chosen as the speaker's: the window shows the view itself.
    window.menuSpeakerScreen_Click(screenName);
    const QRect designed = window.geometry();
    if (startFirst)
        window.commandStartTimer_Click();
    if (handHeight)
        window.resize(window.width(), handHeight);
    if (maximised)
        window.showMaximized();
    QTRY_VERIFY(!maximised || window.frameGeometry() == screen->availableGeometry());
    QTRY_VERIFY(!handHeight || window.height() == handHeight);
    const QRect entered = window.geometry();
    // GIVEN the window on a screen, WHEN F11 (and START or STOP by key in the view)
    QTest::keyClick(&window, Qt::Key_F11);
    QVERIFY(child(window, "panelSelectionButtons")->isHidden());
    if (!keyInView.isEmpty())
        QTest::keySequence(&window, keyInView);
    // THEN the light area fills that screen, scaled as one, and the keys still work
    QTRY_COMPARE(window.geometry(), screen->geometry());
    QCOMPARE(window.centralWidget()->geometry(), QRect(QPoint(), screen->size()));
    QVERIFY(window.findChild<QWidget *>(QStringLiteral("panelSelectionButtons"))->isHidden());
    QCOMPARE(window.horizontalTimer()->geometry(), light);
    QCOMPARE(window.horizontalTimer()->shapeTimerCircle(HorizontalTimer::Red)->height(), lamp);
    const bool running = window.tickTimer()->isEnabled();
    QWidget *button = child(window, running ? "commandStopTimer" : "commandStartTimer");
    QVERIFY(!button->isHidden());
    QVERIFY(light.contains(button->geometry()));
    QCOMPARE(button->font().pointSizeF(), 14.25 * scale);
    QWidget *elapsed = child(window, "panelElapsedTime");
    // The elapsed time shows the result of a run, once there is one.
    QCOMPARE(!elapsed->isHidden(), !running && (startFirst || !keyInView.isEmpty()));
    QVERIFY(light.contains(elapsed->geometry()));
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    QVERIFY(window.horizontalTimer()->LeaveOldColorsOn());
    // WHEN Esc THEN the designed window where it stood, as it was entered, or at the height the
    // run state asks if START or STOP came in the view
    QTest::keyClick(&window, Qt::Key_Escape);
    if (outerHeight)
        QTRY_COMPARE(window.frameGeometry().height(), outerHeight);
    else
        QTRY_COMPARE(window.geometry(), entered);
    QVERIFY(!window.isFullScreen());
    QCOMPARE(window.isMaximized(), maximised);
    if (!maximised) {
        QCOMPARE(window.geometry().topLeft(), designed.topLeft());
        QCOMPARE(window.width(), designed.width());
    }
    QCOMPARE(window.horizontalTimer()->geometry(), QRect(0, 0, 660, 241));
    QCOMPARE(window.horizontalTimer()->shapeTimerCircle(HorizontalTimer::Red)->height(), 153);
    QCOMPARE(button->font().pointSizeF(), 14.25);
    QVERIFY(window.menuBar()->height() > 0);
    QCOMPARE(child(window, "panelSelectionButtons")->isHidden(), running);
    // Once out of the view the window is the operator's: Esc leaves a height set by hand,
    // START and STOP a place moved to.
    window.resize(window.width(), 400);
    QTest::keyClick(&window, Qt::Key_Escape);
    QCOMPARE(window.height(), 400);
    window.move(window.pos() + QPoint(30, 20));
    const QPoint moved = window.pos();
    window.commandStartTimer_Click();
    window.commandStopTimer_Click();
    QCOMPARE(window.pos(), moved);
    // GIVEN it maximised, WHEN F11, START and Esc THEN it is as wide as before, not screen-wide
    window.showMaximized();
    QTRY_VERIFY(window.width() > designed.width());
    QTest::keyClick(&window, Qt::Key_F11);
    window.commandStartTimer_Click();
    QTest::keyClick(&window, Qt::Key_Escape);
    QTRY_COMPARE(window.frameGeometry().height(), 300);
    QCOMPARE(window.width(), designed.width());
}

void TestWindowLayout::speakerScreenShowsTheLightBesideTheWindow_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("unplugged");
    QTest::addColumn<QString>("shownOn");
    QTest::addColumn<QRect>("light");
    // The window stands on full-hd, the first of three screens side by side. The light is
    // 660 x 242 as designed: 1280 / 660 times that on square, 600 / 242 times on wide-and-low;
    // its panel, a pixel short at the bottom and two at the right, centred.
    const QRect onSquare(2, 278, 1280, 469);
    const QRect onWide(464, 1, 1636, 600);
    const QString none;
    QTest::newRow("two screens or more: the next") << none << none << "square" << onSquare;
    QTest::newRow("the chosen screen") << "wide-and-low" << none << "wide-and-low" << onWide;
    QTest::newRow("the chosen screen not there: the next")
        << "projector" << none << "square" << onSquare;
    QTest::newRow("its screen unplugged while it shows: the one left") << none << "square"
                                                                       << "wide-and-low" << onWide;
    QTest::newRow("its screen unplugged, none other left: closed")
        << none << "square" << none << QRect();
}

void TestWindowLayout::speakerScreenShowsTheLightBesideTheWindow()
{
    QFETCH(QString, chosen);
    QFETCH(QString, unplugged);
    QFETCH(QString, shownOn);
    QFETCH(QRect, light);
    if (!screenNamed(QStringLiteral("wide-and-low")))
        QSKIP("needs the screens of tests/app/screens.json, which ctest configures");
    LecternWorksTimer window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.move(QPoint(40, 30));
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    if (!chosen.isEmpty())
        window.menuSpeakerScreen_Click(chosen);
    const QRect placed = window.geometry();
    window.TimerEvent(7)->SelectThisEvent();
    if (shownOn.isEmpty()) // two screens only
        window.speakerScreen()->setScreenList([] {
            return QList<QScreen *>{screenNamed(QStringLiteral("full-hd")),
                                    screenNamed(QStringLiteral("square"))};
        });
    // WHEN F11 on the operator's window
    QTest::keyClick(&window, Qt::Key_F11);
    SpeakerWindow *speaker = window.speakerScreen()->window();
    QVERIFY(speaker);
    if (!unplugged.isEmpty()) {
        QTRY_COMPARE(speaker->geometry(), screenNamed(unplugged)->geometry());
        emit qGuiApp->screenRemoved(screenNamed(unplugged));
    }
    if (shownOn.isEmpty()) {
        QVERIFY(!window.speakerScreen()->window());
        return;
    }
    // THEN the light fills the speaker's screen in a window that takes no focus and no keys
    QTRY_COMPARE(speaker->geometry(), screenNamed(shownOn)->geometry());
    QVERIFY(speaker->isFullScreen());
    QCOMPARE(speaker->light()->geometry(), light);
    QVERIFY(speaker->windowFlags() & Qt::WindowDoesNotAcceptFocus);
    const QList<QWidget *> parts = speaker->findChildren<QWidget *>();
    QVERIFY(std::none_of(parts.cbegin(), parts.cend(),
                         [](QWidget *w) { return w->focusPolicy() != Qt::NoFocus; }));
    QCOMPARE(QApplication::activeWindow(), &window);
    // and the operator's window stays as it was, with every key
    QCOMPARE(window.geometry(), placed);
    QVERIFY(!window.isFullScreen());
    QTest::keySequence(&window, QKeySequence("Alt+S"));
    QVERIFY(window.tickTimer()->isEnabled());
    QTest::keyClick(&window, Qt::Key_L, Qt::ControlModifier);
    deliverTicks(window, 4);
    QCOMPARE(lampLook(*speaker->light()), QStringLiteral("GY-"));
    deliverTicks(window, 2);
    QCOMPARE(lampLook(*speaker->light()), QStringLiteral("GYR"));
    QCOMPARE(lampLook(*window.horizontalTimer()), QStringLiteral("GYR"));
    // Marked from the operator's menu, the speaker's lamps carry their letters too.
    window.menuItems().menuMarkTheLamps->trigger();
    QCOMPARE(speaker->light()->shapeTimerCircle(HorizontalTimer::Red)->mark(), QStringLiteral("R"));
    window.menuItems().menuMarkTheLamps->trigger();
    QCOMPARE(speaker->light()->shapeTimerCircle(HorizontalTimer::Red)->mark(), QString());
    QCOMPARE(QApplication::focusWidget(), child(window, "commandStopTimer"));
    // WHEN Esc THEN the speaker's window closes and the operator's stays as START left it
    const QRect running = window.geometry();
    QCOMPARE(running.topLeft(), placed.topLeft());
    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!window.speakerScreen()->window());
    QCOMPARE(window.geometry(), running);
    // F11 opens it again, and F11 closes it
    QTest::keyClick(&window, Qt::Key_F11);
    QVERIFY(window.speakerScreen()->window());
    QCOMPARE(lampLook(*window.speakerScreen()->window()->light()), QStringLiteral("GYR"));
    // Given the keyboard by a shell all the same, it takes the operator's keys and hands the
    // keyboard back.
    QApplication::setActiveWindow(window.speakerScreen()->window());
    QTest::keySequence(window.speakerScreen()->window(), QKeySequence("Alt+P"));
    QVERIFY(!window.tickTimer()->isEnabled());
    QTest::keySequence(window.speakerScreen()->window(), QKeySequence("Alt+S"));
    QVERIFY(window.tickTimer()->isEnabled());
    QTRY_COMPARE(QApplication::activeWindow(), &window);
    QApplication::setActiveWindow(nullptr); // the keys without the focus
    QTest::keyClick(window.speakerScreen()->window(), Qt::Key_P, Qt::AltModifier);
    QVERIFY(!window.tickTimer()->isEnabled());
    QApplication::setActiveWindow(&window);
    QTest::keyClick(&window, Qt::Key_F11);
    QVERIFY(!window.speakerScreen()->window());
    QVERIFY(!window.isFullScreen());
    // F11 from another of the program's windows (the report, say) as well.
    QWidget report;
    report.show();
    QApplication::setActiveWindow(&report);
    QTest::keyClick(&report, Qt::Key_F11);
    QVERIFY(window.speakerScreen()->window());
    QTest::keyClick(&report, Qt::Key_F11);
    QVERIFY(!window.speakerScreen()->window());
    report.close();
    QApplication::setActiveWindow(&window);
    // The operator's own screen chosen for it, it closes.
    QTest::keyClick(&window, Qt::Key_F11);
    window.menuSpeakerScreen_Click(QStringLiteral("full-hd"));
    QVERIFY(!window.speakerScreen()->window());
    // Open, it does not keep the program going once the operator's window closes.
    window.menuSpeakerScreen_Click(chosen);
    QTest::keyClick(&window, Qt::Key_F11);
    QVERIFY(window.speakerScreen()->window());
    QTimer keptGoing; // still running by then: the speaker's window kept the program going
    keptGoing.callOnTimeout(qApp, [] { QCoreApplication::exit(1); });
    keptGoing.start(5000);
    QTimer::singleShot(0, &window, &QWidget::close);
    QCOMPARE(QApplication::exec(), 0);
}

QTEST_MAIN(TestWindowLayout)
#include "tst_windowlayout.moc"
