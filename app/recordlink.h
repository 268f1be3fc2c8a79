// SPDX-License-Identifier: MIT
#pragma once

#include "app/meetingrecord.h"
#include "record/speechrecord.h"

#include <QObject>
#include <QString>

#include <memory>

class AgendaLink;
class LecternWorksTimer;
class QAbstractButton;
class QWidget;
class Settings;

// The meeting's record as the window uses it: opened (its module loaded) at the first use, or at
// start while a plan waits; the run being timed until STOP hands it over, shown counting in the
// meeting's window; the plan followed; and the window's title saying whether every speech has
// reached the file.
class RecordLink : public QObject
{
    Q_OBJECT

public:
    RecordLink(LecternWorksTimer *window, Settings &settings);
    ~RecordLink() override;

    // The record, opened now if need be; null when its module cannot be loaded.
    MeetingRecord *open();
    // The record if it was opened; null before.
    MeetingRecord *opened() const { return m_record.get(); }

    // START: the run as it begins, under the planned speech it times; the file is opened while
    // the speaker talks.
    void startRun(const SpeechRecord &run);
    const SpeechRecord &run() const { return m_run; }
    // The paired device whose START or STOP the window carries out now; empty for its own.
    void setCommandingDevice(const QString &deviceName) { m_commandingDevice = deviceName; }
    // STOP or the end of the program, whichever comes first, records the run once.
    void finishRun(int elapsedSeconds, SpeechRecord::Lamp lamp, bool stopped, int graceSeconds);
    AgendaLink *agenda() const { return m_agenda; }

    // File ▸ New Meeting: the next speech begins a new meeting, and the title says so a while.
    void startNewMeeting();
    // Opens the report, or brings it to the front, handed the choices it remembers.
    void openReport(Settings *settings, QWidget *timerLight,
                    const QList<QAbstractButton *> &timerButtons, bool ticking,
                    qint64 toNextTickMs);
    // At start: what an earlier run left in a recovery file, offered to the operator. The record
    // is loaded for it only when such a file is waiting.
    void offerRecovery();

    // Before the window closes: what the file has not taken is settled, asking the operator
    // unless the end cannot ask. False when the operator chose to stay.
    bool settleBeforeClosing(bool canAsk);

private:
    void ticked();
    void showTitle();

    LecternWorksTimer *m_window = nullptr;
    QString m_filePath; // as the user's folders were at start-up
    std::unique_ptr<MeetingRecord> m_record;
    SpeechRecord m_run;
    qint64 m_plannedId = 0; // the planned speech the run times
    QString m_commandingDevice;
    AgendaLink *m_agenda = nullptr;
    QString m_caption; // the title as the layout gave it, taken at its first change
    bool m_newMeetingNote = false;
};
