// SPDX-License-Identifier: MIT
// Names that keep the form the timer's design gave them: the window LecternWorksTimer, its
// controls (commandStartTimer, commandStopTimer, commandCycleColor, panelElapsedTime,
// panelSelectionButtons, ElapsedTime, TickTock_TIMER, the row array TimerEvent), its timing state
// (TimingState's fields), its handlers (Form_Load, commandStartTimer_Click, commandStopTimer_Click,
// commandCycleColor_Click, TickTock_TIMER_Timer, TimerEvent_EventWuzClicked,
// menuTimerTestSpeed_Click, menuLeaveColorsOn_Click, menuQuit_Click, menuResetElapsedTime_Click,
// menuAbout_Click) and its private steps (StartTiming, StopTiming, ArmNextColorChange,
// TimeToChangeColor, ShowElapsedTime, LoadEventTimes, ConvertTimeChange, SetDefaultEventTimes).
// Every other name is this program's own and follows Qt's style (members with m_).
#include "app/lecternworkstimer.h"

#include "app/aboutbox.h"
#include "app/commandbutton.h"
#include "app/devicelightlink.h"
#include "app/recordlink.h"
#include "app/soundlink.h"
#include "app/ticktimer.h"
#include "app/windowmenus.h"
#include "components/framedpanel.h"
#include "components/maskedtimebox.h"
#include "components/menuplacer.h"
#include "components/propertybag.h"
#include "components/storedbool.h"
#include "components/storedlayout.h"
#include "controls/event_row/timereventdata.h"
#include "controls/signal_light/horizontaltimer.h"
#include "record/meetingstore.h"
#include "speaker/speakerkeys.h"
#include "speaker/speakerscreen.h"
#include "speaker/speakerview.h"
#include "timing/checked16.h"
#include "timing/graceperiod.h"
#include "timing/speechcategories.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace {

const QString RowDataPath = QStringLiteral(":/rows/timerevent%1.bin");

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
    ElapsedTime->setAccessibleDescription(
        tr("How long the last speech ran, in minutes and seconds"));
    // A result, not an input: it can be selected and copied, never typed over.
    ElapsedTime->setReadOnly(true);

    TickTock_TIMER = new TickTimer(this);
    TickTock_TIMER->setObjectName(QStringLiteral("TickTock_TIMER"));
    connect(TickTock_TIMER, &TickTimer::timeout, this, &LecternWorksTimer::TickTock_TIMER_Timer);

    const auto command = [this, client](const char *name, void (LecternWorksTimer::*handler)(),
                                        const QString &description) {
        auto *button = new CommandButton(client);
        button->setObjectName(QLatin1String(name));
        button->setAccessibleDescription(description);
        connect(button, &CommandButton::clicked, this, handler);
        return button;
    };
    commandStopTimer = command("commandStopTimer", &LecternWorksTimer::commandStopTimer_Click,
                               tr("Stops the timing and shows the time spoken"));
    commandStartTimer = command("commandStartTimer", &LecternWorksTimer::commandStartTimer_Click,
                                tr("Starts timing a speech by the chosen category's thresholds"));
    commandCycleColor =
        command("commandCycleColor", &LecternWorksTimer::commandCycleColor_Click, QString());

    panelSelectionButtons = new FramedPanel(client);
    panelSelectionButtons->setObjectName(QStringLiteral("panelSelectionButtons"));
    for (qint16 index = SpeechCategories::FirstRow; index <= SpeechCategories::RowCount; ++index) {
        auto *row = new TimerEventDATA(panelSelectionButtons);
        row->setObjectName(MenuPlacer::itemName(QStringLiteral("TimerEvent"), index));
        connect(row, &TimerEventDATA::EventWuzClicked, this,
                [this, index] { TimerEvent_EventWuzClicked(index); });
        row->UserControl_ReadProperties(PropertyBag::fromFile(RowDataPath.arg(index)));
        row->setEventName(
            QCoreApplication::translate(SpeechCategories::TextContext, row->EventName().toUtf8()));
        m_timerEvent.insert(index, row);
    }
    auto *line = new QWidget(panelSelectionButtons);
    line->setObjectName(QStringLiteral("Line1"));
    line->setBackgroundRole(QPalette::WindowText);
    line->setAutoFillBackground(true);

    m_horizontalTimer = new HorizontalTimer(client);
    m_speakerScreen = new SpeakerScreen(this);
    m_speakerScreen->choose(m_settings.speakerScreen());
    m_record = new RecordLink(this, m_settings);
    m_sounds = new SoundLink(&m_settings, this);
    m_deviceLight = new DeviceLightLink(this, m_settings, m_record->agenda());
    m_screenCapture = new ScreenCaptureLink(this, m_settings);
    m_horizontalTimer->setLampsMarked(m_settings.markTheLamps());

    const StoredLayout layout = StoredLayout::loadAndApply(layoutPath, this);
    m_layoutFaults = MenuPlacer::place(layout.menus(), menuBar(),
                                       WindowMenus::create(this, m_menus, m_settings));
    m_sounds->setItems(m_menus.menuSounds, m_menus.menuOvertimeBell, m_menus.menuSoundVolume);
    if (!m_layoutFaults.isEmpty())
        qCritical("%s: %s", qPrintable(layoutPath), qPrintable(m_layoutFaults.join(u',')));
    setWindowTitle(layout.caption());
    // The layout gives the client area; the menu bar sits above it.
    resize(layout.clientSize().width(),
           layout.clientSize().height() + menuBar()->sizeHint().height());
    client->resize(layout.clientSize());

    Form_Load();
    commandStartTimer->setFocus(Qt::OtherFocusReason);

    m_speakerView = new SpeakerView(this, m_horizontalTimer, panelSelectionButtons, layout);
    m_speakerKeys = new SpeakerKeys(this, m_speakerView, m_speakerScreen);
    connect(m_speakerKeys, &SpeakerKeys::togglePressed, this,
            &LecternWorksTimer::keySpeakerView_Triggered);
    m_deviceLight->switchOnIfChosen();
}

LecternWorksTimer::~LecternWorksTimer() = default;

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
    // The record is opened while the speaker talks, not when STOP wants to show the time.
    m_record->startRun(runAtStart(selected, startedAt));
    StartTiming();
    showRunState();
    commandStopTimer->setVisible(true);
    // The hidden START would hand the focus on to a threshold box out of sight, where a stray
    // digit would change a category's time unseen; the button now shown takes it instead.
    commandStopTimer->setFocus(Qt::OtherFocusReason);
    m_deviceLight->announceRunState();
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
    m_deviceLight->announceRunState();
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
    m_sounds->tick(m_timing.ElapsedSeconds,
                   m_horizontalTimer->ChangeYourColorTO() / HorizontalTimer::Green);
    m_deviceLight->announceRunState();
}

void LecternWorksTimer::StartTiming()
{
    m_timing.ElapsedSeconds = 0;
    // With nothing pending the countdown stays at 0, so no colour step from an earlier run
    // can fire; the tick runs all the same, because the time spoken always counts.
    m_timing.SecondsUntilChange = 0;
    ArmNextColorChange();
    m_overtimeFlash.start(m_record->run().thresholdSeconds);
    m_sounds->start(m_record->run().thresholdSeconds);
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

void LecternWorksTimer::showRunState()
{
    m_speakerView->runStateChanged(TickTock_TIMER->isEnabled());
}

void LecternWorksTimer::closeEvent(QCloseEvent *event)
{
    // Closing in the middle of a speech keeps what was timed, marked as not stopped.
    const bool running = TickTock_TIMER->isEnabled();
    if (running)
        recordRun(false);
    if (!m_record->settleBeforeClosing(!m_endingWithoutAsking)) {
        // The operator stays; the speech, recorded already, is shown as stopped.
        event->ignore();
        if (running)
            commandStopTimer_Click();
        return;
    }
    QMainWindow::closeEvent(event);
    if (MeetingRecord *record = m_record->opened())
        record->closeReport();
}

void LecternWorksTimer::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    m_speakerView->windowResized();
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
    m_deviceLight->announceRunState();
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
    const auto convert = [&t](qint16 from, qint16 &minutes, qint16 &seconds, qint16 &delay) {
        const auto stage = SpeechCategories::stageDelay(t.TimeChangeText, from);
        minutes = stage.minutes;
        seconds = stage.seconds;
        delay = stage.delay;
        t.PreviousChangeTime = stage.changeTime;
    };
    switch (stageCode) {
    case HorizontalTimer::Green:
        convert(0, t.GreenMinutes, t.GreenSeconds, t.SecondsToGreen);
        break;
    case HorizontalTimer::Yellow:
        convert(t.PreviousChangeTime, t.YellowMinutes, t.YellowSeconds, t.SecondsToYellow);
        break;
    case HorizontalTimer::Red:
        convert(t.PreviousChangeTime, t.RedMinutes, t.RedSeconds, t.SecondsToRed);
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
    // The light's colour code counts its stages in tens: dark, green, yellow, red.
    m_record->finishRun(
        m_timing.ElapsedSeconds,
        SpeechRecord::Lamp(m_horizontalTimer->ChangeYourColorTO() / HorizontalTimer::Green),
        stopped, m_settings.graceSeconds());
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
    m_record->startNewMeeting();
}

void LecternWorksTimer::menuTimersReport_Click()
{
    m_record->openReport(&m_settings, m_horizontalTimer, {commandStartTimer, commandStopTimer},
                         TickTock_TIMER->isEnabled(), TickTock_TIMER->millisecondsToNextTick());
}

void LecternWorksTimer::menuBackUpMeetings_Click()
{
    if (MeetingRecord *record = m_record->open())
        record->backUp(this);
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

void LecternWorksTimer::offerRecovery()
{
    m_record->offerRecovery();
}

void LecternWorksTimer::closeWithoutAsking()
{
    m_endingWithoutAsking = true;
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

void LecternWorksTimer::menuMarkTheLamps_Click()
{
    QAction *item = m_menus.menuMarkTheLamps;
    item->setChecked(!item->isChecked());
    m_settings.setMarkTheLamps(item->isChecked());
    m_horizontalTimer->setLampsMarked(item->isChecked());
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
    // Opened, not executed: the tick goes on while the box is up.
    showAboutBox(m_menus.menuAbout->text().remove(u'&'), windowTitle(), this);
}

void LecternWorksTimer::menuLightOnOtherDevices_Click()
{
    m_deviceLight->showPairingWindow();
}

// ---- The speaker's view ----------------------------------------------------------------

void LecternWorksTimer::keySpeakerView_Triggered()
{
    // A threshold box that had the focus is hidden in the view; the button on the light takes it.
    if (m_speakerKeys->toggle())
        (commandStartTimer->isHidden() ? commandStopTimer : commandStartTimer)
            ->setFocus(Qt::OtherFocusReason);
}
