// SPDX-License-Identifier: MIT
#pragma once

#include "record/meeting.h"
#include "record/speechrecord.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

class QSqlDatabase;
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
    static constexpr int SpeakerNameMaxLength = 100;

    // The store in the user's data folder.
    explicit MeetingStore(QObject *parent = nullptr);
    // The store in the given file (tests, the benchmark).
    explicit MeetingStore(const QString &filePath, QObject *parent = nullptr);
    ~MeetingStore() override;

    static QString defaultFilePath();
    QString filePath() const { return m_filePath; }

    // Opens the file now, so that the first speech recorded does not wait for it.
    void prepare() { open(); }
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

    // Names the speaker: control characters dropped, blanks trimmed, at most 100 characters.
    bool setSpeakerName(qint64 speechId, const QString &name);
    static QString cleanSpeakerName(const QString &name);
    // Deletes a speech (a false start, say); the last deleted can be brought back.
    bool deleteSpeech(qint64 speechId);
    bool canRestoreDeleted() const { return !m_deleted.isEmpty(); }
    bool restoreLastDeleted();

    // Whether every speech recorded has reached the file.
    bool isSaved() const { return m_pending.isEmpty(); }
    int pendingCount() const { return int(m_pending.size()); }
    // A window's title with " (record not saved)" on its end while speeches wait in memory.
    static QString titleShowingSaved(const QString &title, bool saved);
    // Why the file last failed to take a write or a read; cleared when every speech is saved.
    QString lastError() const { return m_lastError; }

signals:
    // The record of this meeting changed: a speech added, named, deleted or restored.
    void changed(qint64 meetingId);
    // Every speech written, or some waiting in memory.
    void savedChanged(bool saved);

private:
    enum class Opening { Opened, Failed, Unreadable };
    // A speech waiting for the file, and whether "New Meeting" was chosen just before it.
    struct Pending
    {
        SpeechRecord speech;
        bool beginsMeeting = false;
    };

    bool open();
    Opening openFile();
    bool createSchema(QSqlDatabase &db);
    void moveAside();
    void close();
    // Writes the speeches waiting, each waiting up to busyTimeoutMs for another copy's lock.
    bool flushPending(int busyTimeoutMs);
    void setBusyTimeout(int ms);
    bool writeSpeech(Pending &pending);
    QSqlError insertSpeech(Pending &pending);
    qint64 meetingFor(QSqlQuery &q, const SpeechRecord &speech);
    qint64 beginMeeting(QSqlQuery &q, const QDateTime &at);
    bool updateSpeech(const QString &column, qint64 speechId, const QVariant &value);
    bool fail(const QString &what, const QString &why);
    QSqlDatabase database() const;

    QString m_filePath;
    QString m_connectionName;
    bool m_opened = false;
    bool m_newMeetingAsked = false;
    bool m_shownSaved = true; // as savedChanged last told
    int m_busyTimeoutMs = 0;  // how long SQLite waits for another copy's lock; 0: it never does
    QList<Pending> m_pending;
    QList<qint64> m_deleted;
    QString m_lastError;
    QString m_asideReason;
    QTimer m_retry;
};
