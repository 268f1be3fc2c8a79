// SPDX-License-Identifier: MIT
#pragma once

#include "network/lightchoices.h"

#include <QSettings>
#include <QString>
#include <QVariant>

// Every choice the program remembers between starts, typed, in
// ~/.config/lecternworks-timer/lecternworks-timer.conf. Each choice has its key, its default and
// what counts as a valid value in one table; a value edited by hand into something the program
// does not offer reads as the default. The controls and libraries are handed the values: only
// the window opens the settings.
class Settings
{
public:
    Settings();

    // The grace period in force, one of GracePeriod::Choices.
    int graceSeconds() const;
    void setGraceSeconds(int seconds);
    // Options ▸ Flash When Over Time.
    bool flashWhenOverTime() const;
    void setFlashWhenOverTime(bool on);
    // Options ▸ Mark the Lamps.
    bool markTheLamps() const;
    void setMarkTheLamps(bool on);
    // Options ▸ Sounds: whether the cues play, the bell's repeat (0: once) and the volume in
    // percent, each one of those SoundCues offers.
    bool sounds() const;
    void setSounds(bool on);
    int soundRepeatSeconds() const;
    void setSoundRepeatSeconds(int seconds);
    int soundVolume() const;
    void setSoundVolume(int percent);
    // The screen the speaker's screen takes, by name; empty until chosen.
    QString speakerScreen() const;
    void setSpeakerScreen(const QString &name);
    // The folder the report's files went to last; empty until one was saved.
    QString lastFolder() const;
    void setLastFolder(const QString &folder);
    // The title and timer's name typed last in the report, for the next meeting.
    QString meetingTitle() const;
    void setMeetingTitle(const QString &title);
    QString timerName() const;
    void setTimerName(const QString &name);
    // Whether the record holds planned speeches still to come, so that it opens at start.
    bool planWaiting() const;
    // False until a record was opened with these settings.
    bool planWaitingKnown() const;
    void setPlanWaiting(bool waiting);

    // The light on other devices: the address and port it is offered on and whether it is
    // switched on at start.
    LightChoices lightChoices() const;
    void setLightChoices(const LightChoices &choices);
    // The devices paired with it, each with its key's hash and its role, as the light's
    // server writes them.
    QByteArray lightDevices() const;
    void setLightDevices(const QByteArray &devices);
    // The light for screen capture's layout, key colour and place, as its window writes them.
    QString captureWindow() const;
    void setCaptureWindow(const QString &remembered);

    // Forgets every choice (a first start, for tests).
    void clear();

    enum class Choice {
        GraceSeconds,
        FlashWhenOverTime,
        MarkTheLamps,
        Sounds,
        SoundRepeatSeconds,
        SoundVolume,
        SpeakerScreen,
        LastFolder,
        MeetingTitle,
        TimerName,
        PlanWaiting,
        LightAddress,
        LightPort,
        LightOnAtStart,
        LightDevices,
        CaptureWindow
    };

private:
    QVariant value(Choice choice) const;
    // A value the choice does not take is not stored.
    void setValue(Choice choice, const QVariant &value);

    QSettings m_store;
    bool m_madePrivate = false;
};
