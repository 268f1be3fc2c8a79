// SPDX-License-Identifier: MIT
#pragma once

#include "record/meeting.h"
#include "record/recordfile.h"
#include "record/recoveryfile.h"
#include "record/speechedit.h"
#include "record/speechrecord.h"
#include "timing/speakername.h"

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
    // The record of this meeting changed: a speech added, named, deleted or restored.
    void changed(qint64 meetingId);
    // Every speech written, or some waiting in memory.
    void savedChanged(bool saved);

private:
    // A speech waiting for the file, and whether "New Meeting" was chosen just before it.
    struct Pending
    {
        SpeechRecord speech;
        bool beginsMeeting = false;
    };

    // Writes the speeches waiting, each waiting up to busyTimeoutMs for another copy's lock.
    bool flushPending(int busyTimeoutMs);
    bool writeSpeech(Pending &pending);
    QSqlError insertSpeech(Pending &pending);
    qint64 meetingFor(QSqlQuery &q, const SpeechRecord &speech);
    qint64 beginMeeting(QSqlQuery &q, const QDateTime &at);
    QString backUp(const QString &path);
    bool edit(const SpeechEdit &change);
    QSqlError writeEdit(const SpeechEdit &change, qint64 *meetingId);
    qint64 meetingOf(qint64 speechId);
    void applyWaitingEdits(SpeechRecord &speech, bool &deleted) const;

    RecordFile m_file;
    bool m_newMeetingAsked = false;
    bool m_shownSaved = true; // as savedChanged last told
    QList<Pending> m_pending;
    QList<SpeechEdit> m_pendingEdits;
    QList<qint64> m_deleted;
    QTimer m_retry;
    QTimer m_checkpoint;
};
