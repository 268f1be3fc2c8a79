// SPDX-License-Identifier: MIT
#pragma once

#include "record/meeting.h"
#include "record/planentry.h"
#include "record/recordfile.h"
#include "record/recoveryfile.h"
#include "record/speechedit.h"
#include "record/speechrecord.h"
#include "timing/speakername.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QStandardPaths>
#include <QString>
#include <QTimer>

class QSqlError;
class QSqlQuery;
class QVariant;

// The meeting's record: every speech timed, kept in an SQLite file in the user's data folder.
// The file is opened at the first use, not at start-up. A speech the file cannot take (folder
// not writable, disk full, another copy holding the lock) waits in memory and is written when
// the file can take it again; timing never waits on the store or fails with it.
class MeetingStore : public QObject
{
    Q_OBJECT

public:
    // More than this between one speech and the next starts a new meeting.
    static constexpr qint64 MeetingGapSeconds = 6 * 60 * 60;
    static constexpr int SpeakerNameMaxLength = SpeakerName::MaxLength;

    // The store in the user's data folder.
    explicit MeetingStore(QObject *parent = nullptr);
    // The store in the given file (tests, the benchmark).
    explicit MeetingStore(const QString &filePath, QObject *parent = nullptr);
    ~MeetingStore() override;

    // In the header, so that a program can tell where its record will be without loading SQL.
    static QString defaultFilePath()
    {
        return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
               QStringLiteral("/meetings.sqlite");
    }
    QString filePath() const { return m_file.path(); }

    // Opens the file now, so that the first speech recorded does not wait for it.
    void prepare() { m_file.open(); }
    // Adds a finished run to the current meeting, in its own transaction. False when it could
    // not be written now: it is then kept and retried, and isSaved() is false until it is.
    bool record(const SpeechRecord &speech);
    // The next speech recorded begins a new meeting.
    void startNewMeeting();

    // The meeting the next speech joins; 0 when there is none yet.
    qint64 currentMeetingId();
    // Every meeting, oldest first, with its start time.
    QList<Meeting> meetings();
    // The meeting's title and timer's name, cleaned as a speaker's name is.
    bool setMeetingDetails(qint64 meetingId, const QString &title, const QString &timerName);
    // A meeting's speeches in the order they were started; deleted ones left out.
    QList<SpeechRecord> speeches(qint64 meetingId);

    // The edits below are written at once, waiting for another copy's lock as STOP does; one the
    // file cannot take now is held in memory and retried like a speech, and the speeches read
    // show it, marked as waiting. False only when there is no such speech.

    // Names the speaker (cleaned as cleanSpeakerName() does); an empty name clears it.
    bool setSpeakerName(qint64 speechId, const QString &name);
    // The one rule for names: every control character (newline and tab too) becomes a blank,
    // runs of blanks one, direction overrides and isolates go, at most 100 characters.
    static QString cleanSpeakerName(const QString &name);
    // Deletes a speech (a false start, say); the last deleted can be brought back.
    bool deleteSpeech(qint64 speechId);
    bool canRestoreDeleted() const { return !m_deleted.isEmpty(); }
    bool restoreLastDeleted();

    // ---- The meeting's plan ----
    // Planned rows not yet spoken belong to no meeting: they go with whichever meeting the next
    // speech joins. The plan's edits wait for the file as the edits above do, and each is undone
    // by undo().

    // The meeting as its window shows it: its speeches in the order they were started, each with
    // the planned row it was timed for; then, for the meeting the next speech joins
    // (currentMeetingId(), 0 before there is one), the planned rows not yet spoken, in order.
    QList<AgendaItem> agenda(qint64 meetingId);
    // The planned rows not yet spoken, in order.
    QList<PlanEntry> plan();
    // Adds the rows (a pasted or imported list at once) before the row beforeId, at the end
    // for 0 or a row not in the plan; returns them with the ids they were given. Nothing is
    // added when a row is the TEST row or the plan would hold more than MaxPlannedSpeeches.
    QList<PlanEntry> addPlanned(const QList<PlanEntry> &rows, qint64 beforeId = 0);
    // False when none of them is a planned row not yet spoken.
    bool removePlanned(const QList<qint64> &plannedIds);
    // Puts the rows, in the order given, before the row beforeId (0: at the end).
    bool movePlanned(const QList<qint64> &plannedIds, qint64 beforeId);
    // The row's name (cleaned as cleanSpeakerName() does), category row and thresholds.
    bool changePlanned(const PlanEntry &row);
    // Records a speech timed for a planned row, as record() does: it takes the row's name
    // unless it has one, and the row is linked to it in the same transaction.
    bool record(const SpeechRecord &speech, qint64 plannedId);
    // The speech was not the planned speaker's: its planned row goes back to the plan, and the
    // speech keeps its name only when it is not the planned one. False when it has no planned
    // row.
    bool markNotPlanned(qint64 speechId);

    // ---- Setting the record right by hand ----
    // Each marks the speech "set by hand" and keeps what was timed; the verdict and the lamp
    // follow from the new values under the speech's own grace. Each is undone by undo().

    // The category row and thresholds the speech is judged by.
    bool changeCategory(qint64 speechId, int rowIndex, const std::array<int, 3> &thresholdSeconds);
    // The time it ran: for a speech timed late or stopped late.
    bool changeElapsed(qint64 speechId, int elapsedSeconds);
    // A speech whose START was forgotten, into the meeting (0: the one the next speech joins),
    // in its place among the others by startedAt; for a planned row when plannedId is one.
    bool addSpeechByHand(qint64 meetingId, const QDateTime &startedAt, const QString &name,
                         int rowIndex, const std::array<int, 3> &thresholdSeconds,
                         int elapsedSeconds, int graceSeconds, qint64 plannedId = 0);
    // Undoes the plan's edits and the changes by hand, the last first (a deleted speech is
    // brought back by restoreLastDeleted() instead).
    bool canUndo() const { return !m_undo.isEmpty(); }
    bool undo();

    // Whether every speech recorded and every edit has reached the file.
    bool isSaved() const { return m_pending.isEmpty() && m_pendingEdits.isEmpty(); }
    int pendingCount() const { return int(m_pending.size() + m_pendingEdits.size()); }
    // What is held in memory only, and the speeches it concerns as the report shows them.
    Recovery unsaved() const;
    QList<SpeechRecord> unsavedSpeeches();
    // Tries the file again now, waiting for another copy's lock as STOP does.
    bool retryNow();
    // Drops what is held in memory (the operator chose to lose it, or it went elsewhere).
    void forgetUnsaved();
    // Takes in what a previous run kept in a recovery file; a speech the record has already
    // is not added twice. False when some of it waits in memory.
    bool takeIn(const Recovery &recovery);
    // Folds the write-ahead log into the file, so the file alone holds every speech.
    void checkpoint();
    // A consistent copy of the whole record in path, safe while another copy records; the
    // file at path is replaced only when the copy is whole. Empty on success, else why.
    QString backUpTo(const QString &path);
    // Why the file last failed to take a write or a read; cleared when every speech is saved.
    QString lastError() const { return m_file.lastError(); }

signals:
    // The record of this meeting changed: a speech added, named, deleted, restored or set
    // right, or (for the meeting the next speech joins, 0 before there is one) the plan.
    void changed(qint64 meetingId);
    // Every speech written, or some waiting in memory.
    void savedChanged(bool saved);
    // Another copy of the program changed the file: whatever shows the record reads it again.
    void changedElsewhere();
    // A speech timed for this planned speaker was recorded without the plan: another copy
    // recorded that planned speech first.
    void plannedSpokenElsewhere(const QString &plannedName);

private:
    // A speech waiting for the file, and whether "New Meeting" was chosen just before it.
    struct Pending
    {
        SpeechRecord speech;
        bool beginsMeeting = false;
        PlanEntry planned = {}; // the planned row it was timed for; id 0 for none
        qint64 intoMeeting = 0; // added by hand into this meeting
        qint64 serial = 0;      // for undoing an addition still waiting
    };
    // The edits that undo one step; for a speech added by hand and still waiting, its serial.
    struct UndoStep
    {
        QList<SpeechEdit> edits;
        qint64 addedSerial = 0;
    };

    // Writes the speeches waiting, each waiting up to busyTimeoutMs for another copy's lock.
    bool flushPending(int busyTimeoutMs);
    bool writeSpeech(Pending &pending);
    QSqlError insertSpeech(Pending &pending);
    qint64 meetingFor(QSqlQuery &q, const SpeechRecord &speech);
    qint64 beginMeeting(QSqlQuery &q, const QDateTime &at);
    QString backUp(const QString &path);
    bool edit(const SpeechEdit &change);
    void queue(const QList<SpeechEdit> &changes, qint64 meetingId);
    bool correct(const SpeechEdit &change);
    void editPlan(const SpeechEdit &change, const QList<SpeechEdit> &undoing);
    static QList<SpeechEdit> putBack(SpeechEdit::Kind kind, const QList<qint64> &plannedIds,
                                     const QList<PlanEntry> &before);
    PlanEntry plannedRow(qint64 plannedId);
    // The meeting begun last, New Meeting asked for or not; 0 for none.
    qint64 latestMeetingId();
    static bool plannedSpoken(QSqlQuery &q, qint64 plannedId, QSqlError *error);
    void watchOtherCopies();
    QSqlError linkPlanned(QSqlQuery &q, const PlanEntry &planned, qint64 speechId);
    QSqlError writeCorrection(QSqlQuery &q, const SpeechEdit &change);
    QSqlError writePlanEdit(QSqlQuery &q, const SpeechEdit &change);
    QSqlError writePlanLink(QSqlQuery &q, const SpeechEdit &change);
    static QSqlError readPlan(QSqlQuery &q, QList<PlanEntry> *plan);
    QSqlError writeEdit(const SpeechEdit &change, qint64 *meetingId);
    qint64 meetingOf(qint64 speechId);
    void applyWaitingEdits(SpeechRecord &speech, bool &deleted) const;

    RecordFile m_file;
    bool m_newMeetingAsked = false;
    bool m_shownSaved = true; // as savedChanged last told
    QList<Pending> m_pending;
    QList<SpeechEdit> m_pendingEdits;
    QList<qint64> m_deleted;
    QList<UndoStep> m_undo;
    qint64 m_nextSerial = 1;
    QTimer m_retry;
    QTimer m_checkpoint;
    QTimer m_watch;
    qint64 m_dataVersion = -1; // as the file last said, -1 before it was asked
    QString m_planLost;        // the planned name the speech last written went without
};
