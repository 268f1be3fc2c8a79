// SPDX-License-Identifier: MIT
#include "app/lecternworkstimer.h"
#include "app/ticktimer.h"
#include "components/maskedtimebox.h"
#include "controls/event_row/timereventdata.h"
#include "controls/signal_light/horizontaltimer.h"
#include "controls/signal_light/shapecircle.h"
#include "controls/signal_light/timergoodies.h"
#include "tests/support/windowdriver.h"

#include <QAction>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

constexpr int RowCount = 7;
constexpr int TestRow = 7;
constexpr int RunningHeight = 300;
constexpr int StoppedHeight = 520;
constexpr qint16 Speeds[] = {10, 20, 30};
const QColor SelectedBoxColour(255, 255, 0);

QtMessageHandler previousHandler = nullptr;

// Keys that a time box refuses are reported by QtTest as warnings, and every About box shown
// offscreen by the platform; thousands of them would bury a real message.
void quietHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.startsWith(QLatin1String("Keyboard event not accepted")) ||
        message.contains(QLatin1String("propagateSizeHints")))
        return;
    previousHandler(type, context, message);
}

// The number a person reads in a threshold's two-digit field: its digits, blanks skipped.
int fieldNumber(QStringView field)
{
    int value = 0;
    for (const QChar c : field) {
        if (c >= u'0' && c <= u'9')
            value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

int thresholdSeconds(const QString &text)
{
    return fieldNumber(QStringView(text).left(2)) * 60 + fieldNumber(QStringView(text).right(2));
}

bool fitsTimeMask(const QString &text)
{
    if (text.size() != 5 || text[2] != u':')
        return false;
    for (int i : {0, 1, 3, 4}) {
        if (!(text[i] == u'_' || (text[i] >= u'0' && text[i] <= u'9')))
            return false;
    }
    return true;
}

QString minutesAndSeconds(int seconds)
{
    return QString::asprintf("%02d:%02d", seconds / 60, seconds % 60);
}

// What the operator should see and what the run should hold, worked out from the actions alone.
struct Model
{
    int code = 0;                        // 0 dark, 10 green, 20 yellow, 30 red
    bool lit[3] = {false, false, false}; // green, yellow, red
    bool leaveOn = false;
    int stage[3] = {0, 0, 0}; // seconds still to wait for green, yellow, red; 0 used up
    int untilChange = 0;
    int elapsed = 0;
    bool tickOn = false;
    bool running = false;
    bool elapsedShown = false;
    int selectedRow = TestRow;
    qint16 speed = 20;

    void paint(int newCode)
    {
        code = newCode;
        if (code == 0) {
            std::fill(std::begin(lit), std::end(lit), false);
            return;
        }
        const int lamp = code / 10 - 1;
        lit[lamp] = true;
        if (!leaveOn) {
            for (int other = 0; other < 3; ++other)
                lit[other] = other == lamp;
        }
    }

    void arm()
    {
        for (int &s : stage) {
            if (s >= 1) {
                untilChange = s;
                s = 0;
                return;
            }
        }
    }

    // Each stage waits for the difference to the threshold before it.
    void take(const QString &green, const QString &yellow, const QString &red)
    {
        const int g = thresholdSeconds(green);
        const int y = thresholdSeconds(yellow);
        const int r = thresholdSeconds(red);
        stage[0] = g;
        stage[1] = y - g;
        stage[2] = r - y;
    }

    // START times the selected row by the thresholds it shows at that moment.
    void start(const TimerEventDATA *row)
    {
        take(row->TimeChangeGreen(), row->TimeChangeYellow(), row->TimeChangeRed());
        running = true;
        elapsedShown = false;
        paint(0);
        elapsed = 0;
        untilChange = 0;
        arm();
        tickOn = true;
    }

    // Reset Elapsed Time clears a finished speech's result, never a running count.
    void resetElapsed()
    {
        if (!running)
            elapsed = 0;
    }

    void stop()
    {
        running = false;
        tickOn = false;
        elapsedShown = true;
    }

    void tick()
    {
        elapsed = std::min(elapsed + 1, 32767);
        untilChange = std::max(untilChange - 1, -32768);
        if (untilChange == 0) {
            paint(code == 30 ? 0 : code + 10);
            arm();
        }
    }
};

} // namespace

// Seeded sequences of what an operator can do to the window, each followed by a check of what
// must always hold. A failure names the seed and the step; LW_SEED=<seed> repeats that run.
class TestRandomOperator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void randomOperator_data();
    void randomOperator();
    void quitDuringRunClosesTheWindow();

private:
    struct Key
    {
        int key;
        Qt::KeyboardModifiers mods;
        QString text;
    };

    void build();
    void act();
    void tickBurst();
    void typeKey();
    void closeAboutBox();
    void clickRow();
    void start();
    void stop();
    QString check(bool afterRowReport, bool afterStop) const;

    QRadioButton *radio(int row) const;
    QPushButton *button(const char *name) const;
    QWidget *textTarget(int index) const;

    QRandomGenerator m_rng;
    LecternWorksTimer *m_window = nullptr;
    Model m_model;
    QString m_action;
    QWidget *m_typingInto = nullptr;
    QList<Key> m_keys;
    bool m_rowReported = false;
    bool m_stopped = false;
    bool m_started = false;
};

void TestRandomOperator::initTestCase()
{
    previousHandler = qInstallMessageHandler(quietHandler);
    const auto key = [this](int k, Qt::KeyboardModifiers mods = Qt::NoModifier,
                            const QString &text = {}) {
        m_keys.append({k, mods, text});
    };
    for (int digit = 0; digit <= 9; ++digit) {
        // Digits are the keys a person mostly types into these boxes.
        for (int weight = 0; weight < 3; ++weight)
            key(Qt::Key_0 + digit, Qt::NoModifier, QString::number(digit));
    }
    key(Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    key(Qt::Key_Colon, Qt::ShiftModifier, QStringLiteral(":"));
    key(Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    key(Qt::Key_Minus, Qt::NoModifier, QStringLiteral("-"));
    key(Qt::Key_unknown, Qt::NoModifier, QStringLiteral("\u0663")); // Arabic-Indic three
    for (int k : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End, Qt::Key_Left,
                  Qt::Key_Right, Qt::Key_Return, Qt::Key_Tab}) {
        key(k);
    }
    for (int k : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Home, Qt::Key_End, Qt::Key_Left,
                  Qt::Key_Right})
        key(k, Qt::ShiftModifier);
    for (int k : {Qt::Key_A, Qt::Key_C, Qt::Key_X, Qt::Key_V, Qt::Key_Z, Qt::Key_Y, Qt::Key_L,
                  Qt::Key_R, Qt::Key_Backspace, Qt::Key_Delete})
        key(k, Qt::ControlModifier);
    // Access keys: START, STOP and the hidden Cycle Color button.
    for (int k : {Qt::Key_S, Qt::Key_P, Qt::Key_C})
        key(k, Qt::AltModifier);
}

void TestRandomOperator::init()
{
    // The light's state is process-wide: every run starts from program start.
    TimerGoodies::CurrentTimerColor = 0;
    TimerGoodies::LeaveOldColorsFlag = 0;
}

void TestRandomOperator::build()
{
    m_window = new LecternWorksTimer;
    // Ticks come only from the test: the window's own tick never falls due.
    m_window->tickTimer()->setClock([] { return qint64(0); });
    m_window->show();
    m_window->activateWindow();
    m_model = Model();
    m_typingInto = nullptr;
}

QRadioButton *TestRandomOperator::radio(int row) const
{
    return m_window->TimerEvent(row)->findChild<QRadioButton *>(
        QStringLiteral("optionEventSelected"));
}

QPushButton *TestRandomOperator::button(const char *name) const
{
    return m_window->findChild<QPushButton *>(QLatin1String(name));
}

// 0 to 27: a row's description or one of its three time boxes; 28: the elapsed time box.
QWidget *TestRandomOperator::textTarget(int index) const
{
    if (index >= RowCount * 4)
        return m_window->findChild<MaskedTimeBox *>(QStringLiteral("ElapsedTime"));
    TimerEventDATA *row = m_window->TimerEvent(index / 4 + 1);
    if (index % 4 == 0)
        return row->findChild<QLineEdit *>(QStringLiteral("textEventDescription"));
    return row->EventTime(index % 4);
}

void TestRandomOperator::clickRow()
{
    const int row = int(m_rng.bounded(1, RowCount + 1));
    TimerEventDATA *data = m_window->TimerEvent(row);
    const QString green = data->TimeChangeGreen();
    const QString yellow = data->TimeChangeYellow();
    const QString red = data->TimeChangeRed();
    // A row out of sight (during a run) is reached only from code.
    if (m_rng.bounded(10) == 0 || !data->isVisible()) {
        m_action = QStringLiteral("row %1 SelectThisEvent").arg(row);
        data->SelectThisEvent();
    } else {
        m_action = QStringLiteral("click row %1's button").arg(row);
        QRadioButton *button = radio(row);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    }
    m_model.take(green, yellow, red);
    m_model.selectedRow = row;
    m_rowReported = true;
}

void TestRandomOperator::typeKey()
{
    QList<QWidget *> targets;
    for (int index = 0; index <= RowCount * 4; ++index) {
        if (textTarget(index)->isVisible())
            targets << textTarget(index);
    }
    if (targets.isEmpty()) {
        // During a run only the light and STOP are in view: keys go where the focus is.
        m_typingInto = QApplication::focusWidget();
    } else if (!m_typingInto || !m_typingInto->isVisible() || !targets.contains(m_typingInto) ||
               m_rng.bounded(5) == 0) {
        // A person clicks into a box, somewhere along it, before typing.
        m_typingInto = targets.at(int(m_rng.bounded(targets.size())));
        const QPoint at(int(m_rng.bounded(m_typingInto->width())), m_typingInto->height() / 2);
        if (m_rng.bounded(6) == 0)
            QTest::mouseDClick(m_typingInto, Qt::LeftButton, {}, at);
        else
            QTest::mouseClick(m_typingInto, Qt::LeftButton, {}, at);
    }
    const Key &k = m_keys.at(int(m_rng.bounded(m_keys.size())));
    m_action =
        QStringLiteral("key %1 mods %2 text '%3' into %4/%5")
            .arg(k.key, 0, 16)
            .arg(int(k.mods), 0, 16)
            .arg(k.text, m_typingInto->parentWidget()->objectName(), m_typingInto->objectName());
    QPushButton *startButton = button("commandStartTimer");
    QPushButton *stopButton = button("commandStopTimer");
    const bool startShown = startButton->isVisible();
    const bool stopShown = stopButton->isVisible();
    const bool clickKey =
        k.mods == Qt::NoModifier && (k.key == Qt::Key_Space || k.key == Qt::Key_Return);
    QTest::sendKeyEvent(QTest::Click, m_typingInto, Qt::Key(k.key), k.text, k.mods);
    if (k.mods == Qt::ControlModifier && k.key == Qt::Key_L)
        m_model.leaveOn = !m_model.leaveOn;
    if (k.mods == Qt::ControlModifier && k.key == Qt::Key_R)
        m_model.resetElapsed();
    if ((k.mods == Qt::AltModifier && k.key == Qt::Key_S && startShown) ||
        (clickKey && m_typingInto == startButton))
        start();
    if ((k.mods == Qt::AltModifier && k.key == Qt::Key_P && stopShown) ||
        (clickKey && m_typingInto == stopButton))
        stop();
    closeAboutBox();
}

// Ctrl+A and the menu open the About box; the operator reads it and closes it.
void TestRandomOperator::closeAboutBox()
{
    for (QMessageBox *box : m_window->findChildren<QMessageBox *>())
        box->done(QMessageBox::Ok);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestRandomOperator::start()
{
    m_model.start(m_window->TimerEvent(m_model.selectedRow));
    m_started = true;
}

void TestRandomOperator::stop()
{
    m_model.stop();
    m_stopped = true;
}

void TestRandomOperator::tickBurst()
{
    const quint32 kind = m_rng.bounded(10);
    const int count = int(kind < 5 ? 1 : kind < 8 ? m_rng.bounded(1, 21) : m_rng.bounded(1, 401));
    m_action = QStringLiteral("%1 tick(s)").arg(count);
    for (int i = 0; i < count && m_window->tickTimer()->isEnabled(); ++i) {
        m_window->TickTock_TIMER_Timer();
        m_model.tick();
    }
}

void TestRandomOperator::act()
{
    m_rowReported = false;
    m_stopped = false;
    m_started = false;
    const quint32 roll = m_rng.bounded(100);
    if (roll < 30) {
        if (m_window->tickTimer()->isEnabled())
            tickBurst();
        else
            m_action = QStringLiteral("no tick: the tick is off");
    } else if (roll < 40) {
        clickRow();
    } else if (roll < 75) {
        typeKey();
    } else if (roll < 83) {
        QPushButton *startButton = button("commandStartTimer");
        QPushButton *shown = startButton->isVisible() ? startButton : button("commandStopTimer");
        m_action = QStringLiteral("click %1").arg(shown->objectName());
        QTest::mouseClick(shown, Qt::LeftButton, {}, shown->rect().center());
        if (shown == startButton)
            start();
        else
            stop();
    } else {
        const quint32 item = m_rng.bounded(6);
        if (item < 3) {
            const qint16 speed = Speeds[item];
            m_action = QStringLiteral("menu test speed %1").arg(speed);
            TimerEventDATA *testRow = m_window->TimerEvent(TestRow);
            m_model.take(testRow->TimeChangeGreen(), testRow->TimeChangeYellow(),
                         testRow->TimeChangeRed());
            m_model.selectedRow = TestRow;
            m_model.speed = speed;
            m_rowReported = true;
            testSpeedItem(*m_window, speed)->trigger();
        } else if (item == 3) {
            m_action = QStringLiteral("menu Leave Colors On");
            m_model.leaveOn = !m_model.leaveOn;
            m_window->menuItems().menuLeaveColorsOn->trigger();
        } else if (item == 4) {
            m_action = QStringLiteral("menu Reset Elapsed Time");
            m_window->menuItems().menuResetElapsedTime->trigger();
            m_model.resetElapsed();
        } else {
            m_action = QStringLiteral("menu About");
            m_window->menuItems().menuAbout->trigger();
            closeAboutBox();
        }
    }
}

QString TestRandomOperator::check(bool afterRowReport, bool afterStop) const
{
    const Model &m = m_model;
    if (!m_window->isVisible())
        return QStringLiteral("the window closed");
    HorizontalTimer *light = m_window->horizontalTimer();
    const int lamps[] = {HorizontalTimer::Green, HorizontalTimer::Yellow, HorizontalTimer::Red};
    for (int i = 0; i < 3; ++i) {
        if (light->shapeTimerCircle(lamps[i])->isLit() != m.lit[i])
            return QStringLiteral("lamp %1 is %2, expected %3 (code %4, colours left on %5)")
                .arg(lamps[i])
                .arg(QLatin1String(m.lit[i] ? "dark" : "lit"),
                     QLatin1String(m.lit[i] ? "lit" : "dark"))
                .arg(m.code)
                .arg(m.leaveOn);
    }
    if (light->ChangeYourColorTO() != m.code)
        return QStringLiteral("colour code %1, expected %2")
            .arg(light->ChangeYourColorTO())
            .arg(m.code);

    const LecternWorksTimer::TimingState &s = m_window->timingState();
    const bool tickOn = m_window->tickTimer()->isEnabled();
    if (s.ElapsedSeconds < 0)
        return QStringLiteral("elapsed seconds wrapped to %1").arg(s.ElapsedSeconds);
    if (s.ElapsedSeconds != m.elapsed || s.SecondsUntilChange != m.untilChange ||
        tickOn != m.tickOn)
        return QStringLiteral("elapsed %1 until change %2 tick %3, expected %4 %5 %6")
            .arg(s.ElapsedSeconds)
            .arg(s.SecondsUntilChange)
            .arg(tickOn)
            .arg(m.elapsed)
            .arg(m.untilChange)
            .arg(m.tickOn);
    if (s.SecondsToGreen != m.stage[0] || s.SecondsToYellow != m.stage[1] ||
        s.SecondsToRed != m.stage[2])
        return QStringLiteral("stage delays %1/%2/%3, expected %4/%5/%6")
            .arg(s.SecondsToGreen)
            .arg(s.SecondsToYellow)
            .arg(s.SecondsToRed)
            .arg(m.stage[0])
            .arg(m.stage[1])
            .arg(m.stage[2]);

    const bool startShown = button("commandStartTimer")->isVisible();
    const bool stopShown = button("commandStopTimer")->isVisible();
    if (startShown == m.running || stopShown != m.running)
        return QStringLiteral("START shown %1, STOP shown %2 while running %3")
            .arg(startShown)
            .arg(stopShown)
            .arg(m.running);
    if (m.running && m_window->frameGeometry().height() != RunningHeight)
        return QStringLiteral("height %1 while running").arg(m_window->frameGeometry().height());
    if (m.elapsedShown && m_window->frameGeometry().height() != StoppedHeight)
        return QStringLiteral("height %1 after STOP").arg(m_window->frameGeometry().height());
    auto *elapsed = m_window->findChild<MaskedTimeBox *>(QStringLiteral("ElapsedTime"));
    if (elapsed->isVisible() != m.elapsedShown)
        return QStringLiteral("elapsed time shown %1, expected %2")
            .arg(elapsed->isVisible())
            .arg(m.elapsedShown);
    if (afterStop && elapsed->text() != minutesAndSeconds(m.elapsed))
        return QStringLiteral("STOP shows %1 after %2 ticks").arg(elapsed->text()).arg(m.elapsed);

    int yellowRows = 0;
    for (int row = 1; row <= RowCount; ++row) {
        TimerEventDATA *data = m_window->TimerEvent(row);
        int yellowBoxes = 0;
        for (int box = 1; box <= 3; ++box) {
            MaskedTimeBox *time = data->EventTime(box);
            if (!fitsTimeMask(time->text()))
                return QStringLiteral("row %1 box %2 shows '%3'")
                    .arg(row)
                    .arg(box)
                    .arg(time->text());
            yellowBoxes += time->backColor() == SelectedBoxColour;
        }
        if (yellowBoxes != 0 && yellowBoxes != 3)
            return QStringLiteral("row %1 has %2 yellow boxes").arg(row).arg(yellowBoxes);
        yellowRows += yellowBoxes / 3;
        const bool selected = row == m.selectedRow;
        if (data->isSelected() != selected || (yellowBoxes == 3) != selected)
            return QStringLiteral("row %1 selected %2 yellow %3, expected %4")
                .arg(row)
                .arg(data->isSelected())
                .arg(yellowBoxes == 3)
                .arg(selected);
    }
    if (afterRowReport && yellowRows > 1)
        return QStringLiteral("%1 rows have yellow boxes").arg(yellowRows);

    for (qint16 speed : Speeds) {
        if (testSpeedItem(*m_window, speed)->isChecked() != (speed == m.speed))
            return QStringLiteral("test speed %1 check mark wrong, chosen %2")
                .arg(speed)
                .arg(m.speed);
    }
    if (m_window->menuItems().menuLeaveColorsOn->isChecked() != m.leaveOn)
        return QStringLiteral("Leave Colors On check mark is not %1").arg(m.leaveOn);
    return {};
}

void TestRandomOperator::randomOperator_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("steps");
    bool fromEnv = false;
    const quint32 envSeed = qEnvironmentVariable("LW_SEED").toUInt(&fromEnv);
    if (fromEnv) {
        QTest::newRow(qPrintable(QStringLiteral("seed %1 from LW_SEED").arg(envSeed)))
            << envSeed << 60000;
        return;
    }
    QTest::newRow("default seed") << quint32(20240501) << 15000;
    QTest::newRow("seed 1") << quint32(1) << 10000;
    QTest::newRow("seed 77") << quint32(77) << 10000;
    QTest::newRow("seed 4242") << quint32(4242) << 10000;
}

void TestRandomOperator::randomOperator()
{
    QFETCH(quint32, seed);
    QFETCH(int, steps);
    build();
    const std::unique_ptr<LecternWorksTimer> owner(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_rng.seed(seed);

    QString problem = check(false, false);
    QVERIFY2(problem.isEmpty(),
             qPrintable(QStringLiteral("seed %1 at start-up: %2").arg(seed).arg(problem)));

    // A safety cap for slow machines, sanitizers included; not a measure of speed.
    QElapsedTimer clock;
    clock.start();
    constexpr qint64 SafetyMilliseconds = 12000;
    int step = 1;
    int ticks = 0, changes = 0;
    for (; step <= steps && clock.elapsed() < SafetyMilliseconds; ++step) {
        const int codeBefore = m_model.code;
        const int elapsedBefore = m_window->timingState().ElapsedSeconds;
        act();
        const int elapsedAfter = m_window->timingState().ElapsedSeconds;
        ticks += qMax(0, elapsedAfter - elapsedBefore);
        changes += m_model.code != codeBefore;
        if (elapsedAfter < elapsedBefore && !m_started && m_model.elapsed != 0)
            problem = QStringLiteral("elapsed seconds went down from %1 to %2")
                          .arg(elapsedBefore)
                          .arg(elapsedAfter);
        else
            problem = check(m_rowReported, m_stopped);
        if (!problem.isEmpty())
            QFAIL(qPrintable(QStringLiteral("seed %1 step %2 after %3: %4 (LW_SEED=%1 repeats it)")
                                 .arg(seed)
                                 .arg(step)
                                 .arg(m_action, problem)));
    }
    qInfo("seed %u: %d steps, %d ticks, %d colour changes", seed, step - 1, ticks, changes);
    QVERIFY2(changes > 0, "the sequence never changed the light's colour");
}

void TestRandomOperator::quitDuringRunClosesTheWindow()
{
    build();
    const std::unique_ptr<LecternWorksTimer> owner(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    testSpeedItem(*m_window, Speeds[0])->trigger();
    QTest::mouseClick(radio(TestRow), Qt::LeftButton, {}, radio(TestRow)->rect().center());
    QTest::mouseClick(button("commandStartTimer"), Qt::LeftButton);
    m_window->TickTock_TIMER_Timer();
    QVERIFY(m_window->horizontalTimer()->shapeTimerCircle(HorizontalTimer::Green)->isLit());

    // Quit chosen while the program runs its event loop ends that loop with status 0.
    QTimer::singleShot(0, m_window, [this] { m_window->menuItems().menuQuit->trigger(); });
    QTimer safety;
    safety.setSingleShot(true);
    connect(&safety, &QTimer::timeout, qApp, [] { QCoreApplication::exit(2); });
    safety.start(10000);
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(safety.isActive());
    QVERIFY(!m_window->isVisible());
}

QTEST_MAIN(TestRandomOperator)
#include "tst_randomoperator.moc"
