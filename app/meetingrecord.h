// SPDX-License-Identifier: MIT
#pragma once

#include "record/speechrecord.h"

#include <QList>
#include <QObject>
#include <QString>

#include <array>

#include <functional>
#include <memory>

class MeetingStore;
class QAbstractButton;
class QAction;
class QWidget;
class ReportWindow;

// The meeting's record and its report, as the window uses them. They need Qt SQL and Qt Print
// Support, so they live in a module of their own that the program loads at the first START,
// New Meeting or report rather than at start-up.
class MeetingRecord
{
public:
    virtual ~MeetingRecord() = default;

    // The record kept in filePath. Loads the module at the first call; null when it cannot be
    // loaded, which is told once: the timer works on without a record.
    static std::unique_ptr<MeetingRecord> open(const QString &filePath);

    virtual MeetingStore *store() = 0;
    // The report's window once opened; null before.
    virtual ReportWindow *report() const = 0;

    // Opens the record's file, so that the first speech recorded does not wait for it.
    virtual void prepare() = 0;
    // The speech, under the planned speech it was timed for (0: none).
    virtual void record(const SpeechRecord &speech, qint64 plannedId) = 0;
    virtual void startNewMeeting() = 0;
    // Told, within context's life, each time every speech and change has reached the file or
    // some wait in memory.
    virtual void watchSaved(QObject *context, const std::function<void(bool)> &saved) = 0;

    // File ▸ Back Up Meetings...: asks where, then writes a whole copy of the record there.
    virtual void backUp(QWidget *window) = 0;
    // Before the window closes: asks the operator what to do with what the file has not taken;
    // false when the operator chose to stay.
    virtual bool settleBeforeClosing(QWidget *window) = 0;
    // An end that cannot ask (a logout, SIGTERM): what the file has not taken goes to a
    // recovery file.
    virtual void keepForNextStart() = 0;
    // At start, with recovery files waiting: offers to take them into the record.
    virtual void offerRecovery(QWidget *window) = 0;

    // What the report is handed and tells back: the folder its file dialogs start in and the
    // meeting's title and timer's name offered for a new meeting, and each one the operator used.
    struct ReportChoices
    {
        QString lastFolder;
        QString meetingTitle;
        QString timerName;
        std::function<void(const QString &)> folderUsed;
        std::function<void(const QString &title, const QString &timerName)> detailsUsed;
        QAction *quit = nullptr; // the timer's Quit, whose keys work in the report too
    };
    // Opens the report beside the window of timerLight, or brings it to the front; while the
    // timer ticks, clear of its next tick. The access keys of timerButtons (START and STOP) work
    // from the report too.
    virtual void openReport(QWidget *timerLight, const QList<QAbstractButton *> &timerButtons,
                            const ReportChoices &choices, bool ticking, qint64 toNextTickMs) = 0;
    virtual void closeReport() = 0;

    // One planned speech as the timer follows it.
    struct PlannedTurn
    {
        qint64 id = 0;
        QString speakerName;
        int rowIndex = 0;
        std::array<QString, 3> thresholdTexts; // as the time boxes take them; CUSTOM's own
    };
    // The planned speeches not spoken yet, in the plan's order.
    virtual QList<PlannedTurn> comingUp() = 0;
    // Told, within context's life, when the plan changed, and when the operator chose a planned
    // speech in the meeting's window (its id; 0 when none was chosen).
    virtual void watchPlan(QObject *context,
                           const std::function<void(qint64 chosenId)> &changed) = 0;
    // The planned speech marked as the next to speak (0: none).
    virtual void showNext(qint64 plannedId) = 0;
    // The speech being timed, counting in the meeting's window; a null run when none is.
    virtual void showRunning(const SpeechRecord &run, qint64 plannedId, int elapsedSeconds) = 0;
};

// What the module gives the program: the record, made on demand.
class MeetingRecordModule
{
public:
    virtual ~MeetingRecordModule() = default;
    virtual std::unique_ptr<MeetingRecord> open(const QString &filePath) = 0;
};

#define MeetingRecordModule_iid "org.lecternworks.timer.MeetingRecordModule/1.0"
Q_DECLARE_INTERFACE(MeetingRecordModule, MeetingRecordModule_iid)
