// SPDX-License-Identifier: MIT
#include "app/lecternworkstimer.h"

#include "app/checked16.h"
#include "app/commandbutton.h"
#include "app/speechcategories.h"
#include "app/ticktimer.h"
#include "app/version.h"
#include "components/framedpanel.h"
#include "components/maskedtimebox.h"
#include "components/menuplacer.h"
#include "components/propertybag.h"
#include "components/storedbool.h"
#include "components/storedlayout.h"
#include "components/twips.h"
#include "controls/event_row/timereventdata.h"
#include "controls/signal_light/horizontaltimer.h"
#include "record/graceperiod.h"
#include "record/meetingstore.h"
#include "report/reportwindow.h"
#include "speaker_screen/speakerscreen.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QFile>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTimer>

#include <utility>

namespace {

const QString RowDataPath = QStringLiteral(":/rows/timerevent%1.bin");

constexpr int RunningHeightTwips = 4500;
constexpr int StoppedHeightTwips = 7800;
constexpr Qt::WindowStates HeldByTheShell = Qt::WindowMaximized | Qt::WindowFullScreen;
// Long enough for a busy shell to answer; only a window maximised with no shell waits it out.
constexpr int ShellGraceMs = 1000;
// How long the title says that File ▸ New Meeting began one.
constexpr int NewMeetingNoteMs = 4000;

QString twoDigits(int number)
{
    return QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0'));
}

} // namespace

LecternWorksTimer::LecternWorksTimer(QWidget *parent, const QString &layoutPath)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("LecternWorksTimer"));
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);

    panelElapsedTime = new FramedPanel(client);
    panelElapsedTime->setObjectName(QStringLiteral("panelElapsedTime"));
    ElapsedTime = new MaskedTimeBox(panelElapsedTime);
    ElapsedTime->setObjectName(QStringLiteral("ElapsedTime"));
    ElapsedTime->setAccessibleName(tr("Time elapsed"));
    // A result, not an input: it can be selected and copied, never typed over.
    ElapsedTime->setReadOnly(true);

    TickTock_TIMER = new TickTimer(this);
    TickTock_TIMER->setObjectName(QStringLiteral("TickTock_TIMER"));
    connect(TickTock_TIMER, &TickTimer::timeout, this, &LecternWorksTimer::TickTock_TIMER_Timer);

    commandStopTimer = new CommandButton(client);
    commandStopTimer->setObjectName(QStringLiteral("commandStopTimer"));
    connect(commandStopTimer, &CommandButton::clicked, this,
            &LecternWorksTimer::commandStopTimer_Click);
    commandStartTimer = new CommandButton(client);
    commandStartTimer->setObjectName(QStringLiteral("commandStartTimer"));
    connect(commandStartTimer, &CommandButton::clicked, this,
            &LecternWorksTimer::commandStartTimer_Click);
    commandCycleColor = new CommandButton(client);
    commandCycleColor->setObjectName(QStringLiteral("commandCycleColor"));
    connect(commandCycleColor, &CommandButton::clicked, this,
            &LecternWorksTimer::commandCycleColor_Click);

    panelSelectionButtons = new FramedPanel(client);
    panelSelectionButtons->setObjectName(QStringLiteral("panelSelectionButtons"));
    for (qint16 index = SpeechCategories::FirstRow; index <= SpeechCategories::RowCount; ++index) {
        auto *row = new TimerEventDATA(panelSelectionButtons);
        row->setObjectName(MenuPlacer::itemName(QStringLiteral("TimerEvent"), index));
        connect(row, &TimerEventDATA::EventWuzClicked, this,
                [this, index] { TimerEvent_EventWuzClicked(index); });
        QFile stored(RowDataPath.arg(index));
        PropertyBag bag;
        if (stored.open(QIODevice::ReadOnly))
            bag = PropertyBag::fromBytes(stored.readAll());
        row->UserControl_ReadProperties(bag);
        m_timerEvent.insert(index, row);
    }
    auto *line = new QWidget(panelSelectionButtons);
    line->setObjectName(QStringLiteral("Line1"));
    line->setBackgroundRole(QPalette::WindowText);
    line->setAutoFillBackground(true);

    m_horizontalTimer = new HorizontalTimer(client);
    m_speakerScreen = new SpeakerScreen(this);
    m_speakerScreen->choose(m_settings.speakerScreen());
    m_meetingStore = new MeetingStore(this);

    const StoredLayout layout = StoredLayout::loadAndApply(layoutPath, this);
    m_layoutFaults = MenuPlacer::place(layout.menus(), menuBar(), createMenuItems());
    if (!m_layoutFaults.isEmpty())
        qCritical("%s: %s", qPrintable(layoutPath), qPrintable(m_layoutFaults.join(u',')));
    setWindowTitle(layout.caption());
    connect(m_meetingStore, &MeetingStore::savedChanged, this, [this](bool saved) {
        setWindowTitle(MeetingStore::titleShowingSaved(windowTitle(), saved));
    });
    // The layout gives the client area; the menu bar sits above it.
    resize(layout.clientSize().width(),
           layout.clientSize().height() + menuBar()->sizeHint().height());
    client->resize(layout.clientSize());

    Form_Load();
    commandStartTimer->setFocus(Qt::OtherFocusReason);

    setupSpeakerView(layout);
}

LecternWorksTimer::~LecternWorksTimer() = default;

TimerEventDATA *LecternWorksTimer::TimerEvent(int index) const
{
    return m_timerEvent.value(index, nullptr);
}

// ---- Timing run -------------------------------------------------------------------------

void LecternWorksTimer::Form_Load()
{
    m_timing.FormIsLoading = StoredBool::True;
    TickTock_TIMER->setEnabled(false);
    menuTimerTestSpeed_Click(SpeechCategories::StartUpSpeed);
    m_horizontalTimer->ResetYourColors();
    for (qint32 row = SpeechCategories::FirstRow; row <= SpeechCategories::RowCount; ++row)
        SetDefaultEventTimes(row);
    m_timing.FormIsLoading = StoredBool::False;
}

void LecternWorksTimer::commandStartTimer_Click()
{
    const QDateTime startedAt = QDateTime::currentDateTime();
    panelElapsedTime->setVisible(false);
    commandStartTimer->setVisible(false);
    m_horizontalTimer->setChangeYourColorTO(HorizontalTimer::Dark);
    // Every speech is timed by the thresholds the operator sees now, not those of the last
    // row click: a second speaker, thresholds typed since and a new test speed all count.
    const qint16 selected = selectedRow();
    if (selected != 0)
        LoadEventTimes(selected);
    m_run = runAtStart(selected, startedAt);
    // Opened while the speaker talks, not when STOP wants to show the time.
    QTimer::singleShot(0, m_meetingStore, &MeetingStore::prepare);
    StartTiming();
    showRunState();
    commandStopTimer->setVisible(true);
    // The hidden START would hand the focus on to a threshold box out of sight, where a stray
    // digit would change a category's time unseen; the button now shown takes it instead.
    commandStopTimer->setFocus(Qt::OtherFocusReason);
}

void LecternWorksTimer::commandStopTimer_Click()
{
    StopTiming();
    showRunState();
    commandStopTimer->setVisible(false);
    commandStartTimer->setVisible(true);
    ShowElapsedTime();
    panelElapsedTime->setVisible(true);
    commandStartTimer->setFocus(Qt::OtherFocusReason);
    recordRun(true);
}

void LecternWorksTimer::commandCycleColor_Click()
{
    m_horizontalTimer->CycleTimerColor();
}

void LecternWorksTimer::TickTock_TIMER_Timer()
{
    // Past 9 hours the counters hold at their limits: the count stops and the light stays.
    m_timing.ElapsedSeconds = Checked16::holdingAdd(m_timing.ElapsedSeconds, 1);
    m_timing.SecondsUntilChange = Checked16::holdingSub(m_timing.SecondsUntilChange, 1);
    if (m_timing.SecondsUntilChange == 0) {
        TimeToChangeColor();
        ArmNextColorChange();
    }
    if (m_menus.menuFlashWhenOverTime->isChecked())
        m_overtimeFlash.tick(m_timing.ElapsedSeconds, [this] { return m_settings.graceSeconds(); });
}

void LecternWorksTimer::StartTiming()
{
    m_timing.ElapsedSeconds = 0;
    // With nothing pending the countdown stays at 0, so no colour step from an earlier run
    // can fire; the tick runs all the same, because the time spoken always counts.
    m_timing.SecondsUntilChange = 0;
    ArmNextColorChange();
    m_overtimeFlash.start(m_run.thresholdSeconds);
    TickTock_TIMER->setEnabled(true);
}

void LecternWorksTimer::StopTiming()
{
    TickTock_TIMER->setEnabled(false);
    m_overtimeFlash.stop();
}

void LecternWorksTimer::ArmNextColorChange()
{
    // The first pending stage is armed and used up; one with no time to run is skipped.
    for (qint16 *stage :
         {&m_timing.SecondsToGreen, &m_timing.SecondsToYellow, &m_timing.SecondsToRed}) {
        if (*stage >= 1) {
            m_timing.SecondsUntilChange = *stage;
            *stage = 0;
            return;
        }
    }
}

void LecternWorksTimer::TimeToChangeColor()
{
    commandCycleColor_Click();
}

void LecternWorksTimer::ShowElapsedTime()
{
    const int minutes = m_timing.ElapsedSeconds / SpeechCategories::SecondsPerMinute;
    const int seconds = m_timing.ElapsedSeconds % SpeechCategories::SecondsPerMinute;
    ElapsedTime->setText(twoDigits(minutes) + QLatin1Char(':') + twoDigits(seconds));
}

// The one answer to what the window shows: while a speech is timed, the light alone; the
// rows too otherwise, except on the speaker's screen. The rows go before the window shrinks and
// come back before it grows; out of sight is not enough, as they would still take keys.
void LecternWorksTimer::showRunState()
{
    panelSelectionButtons->setVisible(!TickTock_TIMER->isEnabled() && !m_speakerView);
    setOuterHeight();
}

void LecternWorksTimer::setOuterHeight()
{
    // The speaker's view keeps the screen; leaving it sets the height the run state asks.
    if (m_speakerView) {
        m_runStateChangedInView = true;
        return;
    }
    // Back from the speaker's view with no START or STOP there: a maximised window is given
    // back to the shell to maximise again.
    if ((std::exchange(m_returnState, Qt::WindowNoState) & Qt::WindowMaximized) &&
        !m_runStateChangedInView) {
        setWindowState(Qt::WindowMaximized);
        return;
    }
    if (!(windowState() & HeldByTheShell)) {
        applyOuterHeight();
        return;
    }
    // The shell holds a maximised or full-screen window at its size, and Wayland ends a
    // program that resizes it there. The window is let go first and sized when the shell
    // has restored its normal geometry and frame, or after a grace period where no shell
    // answers (an X server with no window manager).
    m_awaitingNormalState = true;
    setWindowState(windowState() & ~HeldByTheShell);
    QTimer::singleShot(ShellGraceMs, this, [this] {
        if (m_awaitingNormalState && !(windowState() & HeldByTheShell))
            applyOuterHeight();
    });
}

void LecternWorksTimer::applyOuterHeight()
{
    m_awaitingNormalState = false;
    // The height includes the frame and title bar that the window manager adds.
    const int frame = frameGeometry().height() - geometry().height();
    const int twips = TickTock_TIMER->isEnabled() ? RunningHeightTwips : StoppedHeightTwips;
    const int height = qMax(1, Twips::toPixels(twips) - frame);
    if (m_returnPlace.isNull()) {
        resize(width(), height);
        return;
    }
    // Back from the speaker's view: where the window stood, as wide as it was, and as high
    // unless a START or STOP in the view asked for the run state's height.
    setGeometry(m_returnPlace.x(), m_returnPlace.y(), m_returnPlace.width(),
                m_runStateChangedInView ? height : m_returnPlace.height());
    m_returnPlace = QRect();
}

void LecternWorksTimer::closeEvent(QCloseEvent *event)
{
    // Closing in the middle of a speech keeps what was timed, marked as not stopped.
    if (TickTock_TIMER->isEnabled())
        recordRun(false);
    QMainWindow::closeEvent(event);
    if (m_reportWindow)
        m_reportWindow->close();
}

void LecternWorksTimer::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_speakerView)
        fitLightToScreen();
    else if (m_awaitingNormalState && !(windowState() & HeldByTheShell))
        applyOuterHeight();
}

// ---- Speech categories and thresholds ------------------------------------------------------

void LecternWorksTimer::TimerEvent_EventWuzClicked(qint16 index)
{
    for (qint16 i = SpeechCategories::FirstRow; i <= SpeechCategories::RowCount; ++i) {
        if (i == index)
            LoadEventTimes(index);
        else
            TimerEvent(i)->UnclickYourEvent();
    }
}

qint16 LecternWorksTimer::selectedRow() const
{
    for (qint16 i = SpeechCategories::FirstRow; i <= SpeechCategories::RowCount; ++i) {
        if (TimerEvent(i)->isSelected())
            return i;
    }
    return 0;
}

void LecternWorksTimer::LoadEventTimes(qint16 index)
{
    TimerEventDATA *row = TimerEvent(index);
    if (!row)
        return;
    m_timing.TimeChangeText = row->TimeChangeGreen();
    ConvertTimeChange(HorizontalTimer::Green);
    m_timing.TimeChangeText = row->TimeChangeYellow();
    ConvertTimeChange(HorizontalTimer::Yellow);
    m_timing.TimeChangeText = row->TimeChangeRed();
    ConvertTimeChange(HorizontalTimer::Red);
}

void LecternWorksTimer::ConvertTimeChange(qint32 stageCode)
{
    if (m_timing.FormIsLoading)
        return;
    TimingState &t = m_timing;
    // A later stage waits for the difference to the stage before it.
    const auto laterStage = [&t](qint16 &delay, qint16 &minutes, qint16 &seconds) {
        delay = Checked16::holdingSub(
            SpeechCategories::thresholdSeconds(t.TimeChangeText, minutes, seconds),
            t.PreviousChangeTime);
        t.PreviousChangeTime = Checked16::holdingAdd(t.PreviousChangeTime, delay);
    };
    switch (stageCode) {
    case HorizontalTimer::Green:
        t.SecondsToGreen =
            SpeechCategories::thresholdSeconds(t.TimeChangeText, t.GreenMinutes, t.GreenSeconds);
        t.PreviousChangeTime = t.SecondsToGreen;
        break;
    case HorizontalTimer::Yellow:
        laterStage(t.SecondsToYellow, t.YellowMinutes, t.YellowSeconds);
        break;
    case HorizontalTimer::Red:
        laterStage(t.SecondsToRed, t.RedMinutes, t.RedSeconds);
        break;
    default:
        break;
    }
}

namespace {

void writeThresholds(TimerEventDATA *row, const SpeechCategories::Thresholds &times)
{
    row->setTimeChangeGreen(QString::fromLatin1(times.green));
    row->setTimeChangeYellow(QString::fromLatin1(times.yellow));
    row->setTimeChangeRed(QString::fromLatin1(times.red));
}

} // namespace

void LecternWorksTimer::SetDefaultEventTimes(qint32 index)
{
    TimerEventDATA *row = TimerEvent(index);
    if (!row || !SpeechCategories::row(index).defaults.green)
        return;
    writeThresholds(row, SpeechCategories::row(index).defaults);
}

// ---- The meeting's record ------------------------------------------------------------------

SpeechRecord LecternWorksTimer::runAtStart(qint16 index, const QDateTime &startedAt) const
{
    const TimerEventDATA *row = TimerEvent(index);
    if (!row)
        return SpeechRecord::started(startedAt, 0, {}, {}, {}, false);
    const std::array<QString, 3> texts{row->TimeChangeGreen(), row->TimeChangeYellow(),
                                       row->TimeChangeRed()};
    std::array<int, 3> seconds{};
    qint16 minutesPart = 0, secondsPart = 0;
    for (size_t i = 0; i < texts.size(); ++i)
        seconds[i] = SpeechCategories::thresholdSeconds(texts[i], minutesPart, secondsPart);
    return SpeechRecord::started(startedAt, index, row->EventName(), texts, seconds,
                                 index == SpeechCategories::TestRow);
}

void LecternWorksTimer::recordRun(bool stopped)
{
    // Each run is recorded once, by whichever ends it first.
    if (!m_run.startedAt.isValid())
        return;
    // The light's colour code counts its stages in tens: dark, green, yellow, red.
    const auto lamp =
        SpeechRecord::Lamp(m_horizontalTimer->ChangeYourColorTO() / HorizontalTimer::Green);
    m_meetingStore->record(SpeechRecord::finished(m_run, m_timing.ElapsedSeconds, lamp, stopped,
                                                  m_settings.graceSeconds()));
    m_run = SpeechRecord();
}

void LecternWorksTimer::menuTimerTestSpeed_Click(qint16 index)
{
    for (QAction *speed : m_menus.menuTimerTestSpeed->actions())
        speed->setChecked(speed->data().toInt() == index);
    TimerEventDATA *testRow = TimerEvent(SpeechCategories::TestRow);
    testRow->SelectThisEvent();
    if (const SpeechCategories::TestSpeed *speed = SpeechCategories::findTestSpeed(index))
        writeThresholds(testRow, speed->times);
}

// ---- Menus -----------------------------------------------------------------------------

void LecternWorksTimer::menuNewMeeting_Click()
{
    m_meetingStore->startNewMeeting();
    if (m_reportWindow)
        m_reportWindow->showNewMeeting();
    // The title says so for a while, before its " (record not saved)" if it has one.
    const QString note = tr(" - new meeting started");
    const auto showNote = [this, note](bool shown) {
        const QString plain = MeetingStore::titleShowingSaved(windowTitle(), true).remove(note);
        setWindowTitle(MeetingStore::titleShowingSaved(shown ? plain + note : plain,
                                                       m_meetingStore->isSaved()));
    };
    showNote(true);
    QTimer::singleShot(NewMeetingNoteMs, this, [showNote] { showNote(false); });
}

void LecternWorksTimer::menuTimersReport_Click()
{
    const auto open = [this] {
        if (!m_reportWindow) {
            m_reportWindow = std::make_unique<ReportWindow>(
                m_meetingStore, m_horizontalTimer,
                QList<QAbstractButton *>{commandStartTimer, commandStopTimer});
            connect(m_reportWindow.get(), &ReportWindow::folderUsed, this,
                    [this](const QString &folder) { m_settings.setLastFolder(folder); });
            connect(m_reportWindow.get(), &ReportWindow::detailsUsed, this,
                    [this](const QString &title, const QString &timerName) {
                        m_settings.setMeetingTitle(title);
                        m_settings.setTimerName(timerName);
                    });
        }
        m_reportWindow->setLastFolder(m_settings.lastFolder());
        m_reportWindow->setRememberedDetails(m_settings.meetingTitle(), m_settings.timerName());
        m_reportWindow->showAndRaise();
    };
    ReportWindow::openClearOfTick(TickTock_TIMER->isEnabled(),
                                  TickTock_TIMER->millisecondsToNextTick(), this, open);
}

void LecternWorksTimer::menuGracePeriod_Click(qint16 seconds)
{
    m_settings.setGraceSeconds(seconds);
    for (QAction *grace : m_menus.menuGracePeriod->actions())
        grace->setChecked(grace->data().toInt() == m_settings.graceSeconds());
}

void LecternWorksTimer::menuQuit_Click()
{
    close();
}

void LecternWorksTimer::menuLeaveColorsOn_Click()
{
    QAction *item = m_menus.menuLeaveColorsOn;
    const bool wasChecked = item->isChecked();
    item->setChecked(!wasChecked);
    m_horizontalTimer->setLeaveOldColorsOn(item->isChecked());
}

void LecternWorksTimer::menuFlashWhenOverTime_Click()
{
    QAction *item = m_menus.menuFlashWhenOverTime;
    item->setChecked(!item->isChecked());
    m_settings.setFlashWhenOverTime(item->isChecked());
    if (!item->isChecked())
        m_overtimeFlash.stop();
}

void LecternWorksTimer::menuSpeakerScreen_Click(const QString &screenName)
{
    m_settings.setSpeakerScreen(screenName);
    m_speakerScreen->choose(screenName);
}

void LecternWorksTimer::menuResetElapsedTime_Click()
{
    // The speech in progress keeps its count; only a finished one's result is cleared.
    if (TickTock_TIMER->isEnabled())
        return;
    m_timing.ElapsedSeconds = 0;
    ShowElapsedTime();
}

void LecternWorksTimer::menuAbout_Click()
{
    // Opened, not executed: the tick goes on while the box is up. The caption names the
    // program and its version; the version record gives the file version.
    auto *about = new QMessageBox(
        QMessageBox::Information, m_menus.menuAbout->text().remove(u'&'),
        tr("<p><b>%1</b><br>File version %2</p>"
           "<p>A speech timer for public-speaking clubs: its light turns green, yellow and red "
           "as the speaker passes each threshold.</p>"
           "<p>Copyright the LecternWorks Timer developers.<br>"
           "Released under the MIT licence.</p>")
            .arg(windowTitle().toHtmlEscaped(), Version::FileVersion),
        QMessageBox::Ok, this);
    about->setObjectName(QStringLiteral("aboutBox"));
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setWindowModality(Qt::ApplicationModal);
    about->open();
}

QList<QAction *> LecternWorksTimer::createMenuItems()
{
    const auto item = [this](const char *name, void (LecternWorksTimer::*handler)()) {
        auto *action = new QAction(this);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, [this, action, handler] {
            // Qt flips a checkable item before reporting it; the handlers own the check
            // marks, so they see the item as it was when chosen.
            if (action->isCheckable()) {
                const QSignalBlocker blocker(action);
                action->setChecked(!action->isChecked());
            }
            (this->*handler)();
        });
        return action;
    };
    m_menus.menuNewMeeting = item("menuNewMeeting", &LecternWorksTimer::menuNewMeeting_Click);
    m_menus.menuTimersReport = item("menuTimersReport", &LecternWorksTimer::menuTimersReport_Click);
    m_menus.menuQuit = item("menuQuit", &LecternWorksTimer::menuQuit_Click);
    m_menus.menuLeaveColorsOn =
        item("menuLeaveColorsOn", &LecternWorksTimer::menuLeaveColorsOn_Click);
    m_menus.menuLeaveColorsOn->setCheckable(true);
    m_menus.menuFlashWhenOverTime =
        item("menuFlashWhenOverTime", &LecternWorksTimer::menuFlashWhenOverTime_Click);
    m_menus.menuFlashWhenOverTime->setCheckable(true);
    m_menus.menuFlashWhenOverTime->setChecked(m_settings.flashWhenOverTime());
    m_menus.menuResetElapsedTime =
        item("menuResetElapsedTime", &LecternWorksTimer::menuResetElapsedTime_Click);
    m_menus.menuAbout = item("menuAbout", &LecternWorksTimer::menuAbout_Click);

    m_menus.menuTimerTestSpeed = new QActionGroup(this);
    for (const SpeechCategories::TestSpeed &speed : SpeechCategories::TestSpeeds) {
        auto *action = new QAction(QString::fromLatin1(speed.caption), m_menus.menuTimerTestSpeed);
        action->setObjectName(
            MenuPlacer::itemName(QStringLiteral("menuTimerTestSpeed"), speed.menuIndex));
        action->setCheckable(true);
        action->setData(speed.menuIndex);
    }
    connect(m_menus.menuTimerTestSpeed, &QActionGroup::triggered, this,
            [this](QAction *speed) { menuTimerTestSpeed_Click(qint16(speed->data().toInt())); });

    m_menus.menuGracePeriod = new QActionGroup(this);
    for (const GracePeriod::Choice &grace : GracePeriod::Choices) {
        auto *action = new QAction(QString::fromLatin1(grace.caption), m_menus.menuGracePeriod);
        action->setObjectName(
            MenuPlacer::itemName(QStringLiteral("menuGracePeriod"), grace.seconds));
        action->setCheckable(true);
        action->setChecked(grace.seconds == m_settings.graceSeconds());
        action->setData(grace.seconds);
    }
    connect(m_menus.menuGracePeriod, &QActionGroup::triggered, this,
            [this](QAction *grace) { menuGracePeriod_Click(qint16(grace->data().toInt())); });

    m_menus.menuSpeakerScreen = new QMenu(this);
    m_menus.menuSpeakerScreen->menuAction()->setObjectName(QStringLiteral("menuSpeakerScreen"));
    const auto listScreens = [this] { m_speakerScreen->listScreensIn(m_menus.menuSpeakerScreen); };
    listScreens();
    connect(m_menus.menuSpeakerScreen, &QMenu::aboutToShow, this, listScreens);
    connect(m_menus.menuSpeakerScreen, &QMenu::triggered, this,
            [this](QAction *screen) { menuSpeakerScreen_Click(screen->data().toString()); });
    return QList<QAction *>{m_menus.menuNewMeeting,
                            m_menus.menuTimersReport,
                            m_menus.menuQuit,
                            m_menus.menuLeaveColorsOn,
                            m_menus.menuFlashWhenOverTime,
                            m_menus.menuResetElapsedTime,
                            m_menus.menuAbout,
                            m_menus.menuSpeakerScreen->menuAction()} +
           m_menus.menuTimerTestSpeed->actions() + m_menus.menuGracePeriod->actions();
}

// ---- The speaker's view ----------------------------------------------------------------

void LecternWorksTimer::setupSpeakerView(const StoredLayout &designLayout)
{
    m_designLayout = designLayout;
    keySpeakerView = new QAction(tr("Speaker's view"), this);
    keySpeakerView->setObjectName(QStringLiteral("keySpeakerView"));
    // The desktop's own full-screen keys, and F11 wherever the desktop names none.
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::FullScreen);
    if (!keys.contains(QKeySequence(Qt::Key_F11)))
        keys.prepend(QKeySequence(Qt::Key_F11));
    keySpeakerView->setShortcuts(keys);
    connect(keySpeakerView, &QAction::triggered, this,
            &LecternWorksTimer::keySpeakerView_Triggered);
    addAction(keySpeakerView);
    keyLeaveView = new QAction(tr("Leave the speaker's view"), this);
    keyLeaveView->setObjectName(QStringLiteral("keyLeaveView"));
    keyLeaveView->setShortcut(QKeySequence(Qt::Key_Escape));
    // Esc means nothing to the window outside the view.
    keyLeaveView->setEnabled(false);
    connect(keyLeaveView, &QAction::triggered, this,
            [this] { m_speakerView ? leaveSpeakerView() : m_speakerScreen->close(); });
    addAction(keyLeaveView);
    connect(m_speakerScreen, &SpeakerScreen::openChanged, keyLeaveView, &QAction::setEnabled);
}

void LecternWorksTimer::keySpeakerView_Triggered()
{
    if (m_speakerView)
        leaveSpeakerView();
    else if (m_speakerScreen->isOpen())
        m_speakerScreen->close();
    else if (!m_speakerScreen->open())
        enterSpeakerView();
}

void LecternWorksTimer::enterSpeakerView()
{
    // The window as it comes back. A maximised window's normal geometry may already be the
    // maximised one (some window managers resize before they report the state): the shell
    // restores such a window itself.
    m_returnState = windowState();
    m_returnPlace = m_returnState == Qt::WindowNoState ? geometry() : QRect();
    m_runStateChangedInView = false;
    m_speakerView = true;
    m_awaitingNormalState = false;
    keyLeaveView->setEnabled(true);
    panelSelectionButtons->setVisible(false);
    // Out of sight but not hidden: a hidden menu bar takes its items' shortcuts and its
    // access keys with it, and the keys work here as everywhere.
    menuBar()->setFixedHeight(0);
    QWidget *client = centralWidget();
    QPalette dark = client->palette();
    dark.setColor(QPalette::Window, Qt::black);
    client->setPalette(dark);
    client->setAutoFillBackground(true);
    showFullScreen();
    layout()->activate();
    fitLightToScreen();
    // A threshold box that had the focus is hidden now; the button on the light takes it.
    (commandStartTimer->isHidden() ? commandStopTimer : commandStartTimer)
        ->setFocus(Qt::OtherFocusReason);
}

void LecternWorksTimer::leaveSpeakerView()
{
    m_speakerView = false;
    keyLeaveView->setEnabled(false);
    QWidget *client = centralWidget();
    client->setAutoFillBackground(false);
    client->setPalette(QPalette());
    menuBar()->setMaximumHeight(QWIDGETSIZE_MAX);
    placeAtScale(1.0);
    showRunState();
}

// The light with the button on it as large as the screen allows, centred, the rest dark.
void LecternWorksTimer::fitLightToScreen()
{
    const QRect light = m_designLayout.placement(m_horizontalTimer->objectName());
    const QSize screen = centralWidget()->size();
    const double scale = Twips::scaleToFit(light.size(), screen);
    const QRect shown =
        Twips::toPixels(light.left(), light.top(), light.width(), light.height(), scale);
    const QPoint centred((screen.width() - shown.width()) / 2,
                         (screen.height() - shown.height()) / 2);
    placeAtScale(scale, centred - shown.topLeft());
}

void LecternWorksTimer::placeAtScale(double scale, const QPoint &origin)
{
    m_designLayout.placeAt(this, scale, origin);
    m_horizontalTimer->setScale(scale);
}
