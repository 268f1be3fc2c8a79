// SPDX-License-Identifier: MIT
#pragma once

#include "app/recordlink.h"
#include "app/screencapturelink.h"
#include "app/settings.h"
#include "app/soundlink.h"
#include "controls/signal_light/overtimeflash.h"
#include "record/speechrecord.h"

#include <QMainWindow>
#include <QMap>

#include <memory>

class CommandButton;
class CueSounds;
class DeviceLightLink;
class FramedPanel;
class HorizontalTimer;
class MaskedTimeBox;
class MeetingRecord;
class MeetingStore;
class QAction;
class QActionGroup;
class QMenu;
class SpeakerKeys;
class SpeakerScreen;
class SpeakerView;
class StoredLayout;
class TickTimer;
class TimerEventDATA;

// The timer's window: the signal light, START and STOP, the elapsed time and the seven speech
// category rows. It owns the timing run and turns a row's thresholds into stage delays.
class LecternWorksTimer : public QMainWindow
{
    Q_OBJECT

public:
    // What the timing run holds; the window keeps it in this one struct.
    struct TimingState
    {
        qint16 GreenMinutes = 0, GreenSeconds = 0, SecondsToGreen = 0;
        qint16 YellowMinutes = 0, YellowSeconds = 0, SecondsToYellow = 0;
        qint16 RedMinutes = 0, RedSeconds = 0, SecondsToRed = 0;
        qint16 FormIsLoading = 0;
        QString TimeChangeText;
        qint16 SecondsUntilChange = 0;
        qint16 ElapsedSeconds = 0;
        qint16 PreviousChangeTime = 0; // only ConvertTimeChange touches it
    };

    // The menu items that do something, each tied to its handler when the window is built.
    struct MenuItems
    {
        QAction *menuNewMeeting = nullptr;
        QAction *menuTimersReport = nullptr;
        QAction *menuBackUpMeetings = nullptr;
        QAction *menuQuit = nullptr;
        QAction *menuLeaveColorsOn = nullptr;
        QAction *menuFlashWhenOverTime = nullptr;
        QAction *menuMarkTheLamps = nullptr;
        QAction *menuSounds = nullptr;
        QAction *menuTestSounds = nullptr;
        QAction *menuResetElapsedTime = nullptr;
        QAction *menuAbout = nullptr;
        QAction *menuLightOnOtherDevices = nullptr;
        QAction *menuLightForScreenCapture = nullptr;
        // The screens, listed afresh whenever the menu opens.
        QMenu *menuSpeakerScreen = nullptr;
        // The test speeds, each carrying its menu index as data.
        QActionGroup *menuTimerTestSpeed = nullptr;
        // The grace periods, each carrying its seconds as data.
        QActionGroup *menuGracePeriod = nullptr;
        // The overtime bell's repeats and the sounds' volumes, each carrying its value as data.
        QActionGroup *menuOvertimeBell = nullptr;
        QActionGroup *menuSoundVolume = nullptr;
    };

    // The stored layout is the program's own unless a test gives another.
    explicit LecternWorksTimer(
        QWidget *parent = nullptr,
        const QString &layoutPath = QStringLiteral(":/layouts/lecternworkstimer.json"));
    ~LecternWorksTimer() override;

    const TimingState &timingState() const { return m_timing; }
    const MenuItems &menuItems() const { return m_menus; }
    TimerEventDATA *TimerEvent(int index) const { return m_timerEvent.value(index, nullptr); }
    // The row chosen, 0 for none.
    qint16 selectedRow() const;
    HorizontalTimer *horizontalTimer() const { return m_horizontalTimer; }
    TickTimer *tickTimer() const { return TickTock_TIMER; }
    // The record's store once the record is opened (at the first START, say); null before.
    MeetingStore *meetingStore() const
    {
        return m_record->opened() ? m_record->opened()->store() : nullptr;
    }
    SpeakerScreen *speakerScreen() const { return m_speakerScreen; }
    CueSounds *cueSounds() const { return m_sounds->player(); }
    DeviceLightLink *deviceLight() const { return m_deviceLight; }
    RecordLink *recordLink() const { return m_record; }
    // What the stored layout named that the window lacks, or lacks that the window needs.
    QStringList layoutFaults() const { return m_layoutFaults; }

    // Event handlers; the window's controls and menus call them.
    void Form_Load();
    void commandStartTimer_Click();
    void commandStopTimer_Click();
    void commandCycleColor_Click();
    void TickTock_TIMER_Timer();
    void TimerEvent_EventWuzClicked(qint16 index);
    void menuTimerTestSpeed_Click(qint16 index);
    void menuNewMeeting_Click();
    void menuTimersReport_Click();
    void menuBackUpMeetings_Click();
    void menuGracePeriod_Click(qint16 seconds);
    void menuQuit_Click();
    void menuLeaveColorsOn_Click();
    void menuFlashWhenOverTime_Click();
    void menuMarkTheLamps_Click();
    void menuSounds_Click() { m_sounds->soundsChosen(); }
    void menuOvertimeBell_Click(qint16 repeatSeconds) { m_sounds->repeatChosen(repeatSeconds); }
    void menuSoundVolume_Click(qint16 percent) { m_sounds->volumeChosen(percent); }
    void menuTestSounds_Click() { m_sounds->testChosen(); }
    void menuSpeakerScreen_Click(const QString &screenName);
    void menuResetElapsedTime_Click();
    void menuAbout_Click();
    void menuLightOnOtherDevices_Click();
    void menuLightForScreenCapture_Click() { m_screenCapture->show(); }
    void keySpeakerView_Triggered();
    // For an end that cannot ask (a logout, SIGTERM): closes as Quit does, but what the record
    // could not save goes to a recovery file instead of a question.
    void closeWithoutAsking();
    // What an earlier run had to leave in a recovery file, offered to the operator.
    void offerRecovery();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void StartTiming();
    void StopTiming();
    void ArmNextColorChange();
    void TimeToChangeColor();
    void ShowElapsedTime();
    void LoadEventTimes(qint16 index);
    void ConvertTimeChange(qint32 stageCode);
    void SetDefaultEventTimes(qint32 index);
    SpeechRecord runAtStart(qint16 index, const QDateTime &startedAt) const;
    void recordRun(bool stopped);

    void showRunState();

    CommandButton *commandStartTimer = nullptr;
    CommandButton *commandStopTimer = nullptr;
    CommandButton *commandCycleColor = nullptr;
    FramedPanel *panelElapsedTime = nullptr;
    FramedPanel *panelSelectionButtons = nullptr;
    MaskedTimeBox *ElapsedTime = nullptr;
    HorizontalTimer *m_horizontalTimer = nullptr;
    TickTimer *TickTock_TIMER = nullptr;
    QMap<int, TimerEventDATA *> m_timerEvent;
    MenuItems m_menus;
    QStringList m_layoutFaults;

    // The speaker's view: the light area scaled to fill the screen.
    SpeakerKeys *m_speakerKeys = nullptr;
    SpeakerView *m_speakerView = nullptr;
    // The speaker's view on a screen of its own, when there is another.
    SpeakerScreen *m_speakerScreen = nullptr;
    OvertimeFlash m_overtimeFlash;
    SoundLink *m_sounds = nullptr;

    TimingState m_timing;
    bool m_endingWithoutAsking = false;
    Settings m_settings;

    // The meeting's record and its report, and the run being timed until it is handed to it.
    RecordLink *m_record = nullptr;

    // The light on other devices, loaded once switched on.
    DeviceLightLink *m_deviceLight = nullptr;
    ScreenCaptureLink *m_screenCapture = nullptr;
};
