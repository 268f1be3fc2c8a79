// SPDX-License-Identifier: MIT
#include "record/recordfile.h"

#include "record/recordlog.h"

#include "components/privatefile.h"

#include <QAtomicInteger>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <iterator>

namespace {

const QString AsideSuffix = QStringLiteral(".unreadable-%1");
// SQLite's result codes for a file that is not a database, or a damaged one.
const QStringList UnreadableCodes = {QStringLiteral("11"), QStringLiteral("26")};

// Version 1: meetings, and the speeches timed in them.
const char *const Version1[] = {
    "CREATE TABLE IF NOT EXISTS meeting ("
    " id INTEGER PRIMARY KEY,"
    " begun_utc_ms INTEGER NOT NULL,"
    " begun_utc_offset INTEGER NOT NULL)",
    "CREATE TABLE IF NOT EXISTS speech ("
    " id INTEGER PRIMARY KEY,"
    " meeting_id INTEGER NOT NULL REFERENCES meeting(id),"
    " started_utc_ms INTEGER NOT NULL,"
    " started_utc_offset INTEGER NOT NULL,"
    " started_at TEXT NOT NULL," // the same, readable: ISO 8601 with its offset
    " row_index INTEGER NOT NULL,"
    " description TEXT NOT NULL,"
    " green_text TEXT NOT NULL, yellow_text TEXT NOT NULL, red_text TEXT NOT NULL,"
    " green_seconds INTEGER NOT NULL, yellow_seconds INTEGER NOT NULL,"
    " red_seconds INTEGER NOT NULL,"
    " elapsed_seconds INTEGER NOT NULL,"
    " lamp INTEGER NOT NULL," // 0 none, 1 green, 2 yellow, 3 red
    " grace_seconds INTEGER NOT NULL,"
    " verdict TEXT NOT NULL,"
    " stopped INTEGER NOT NULL,"
    " mistaken_start INTEGER NOT NULL,"
    " rehearsal INTEGER NOT NULL,"
    " speaker_name TEXT NOT NULL DEFAULT '',"
    " deleted INTEGER NOT NULL DEFAULT 0)",
    "CREATE INDEX IF NOT EXISTS speech_by_meeting ON speech(meeting_id, started_utc_ms)",
};

// Version 2: a meeting's title and the timer's name, typed in the report.
const char *const Version2[] = {
    "CREATE TABLE meeting_detail ("
    " meeting_id INTEGER PRIMARY KEY REFERENCES meeting(id),"
    " title TEXT NOT NULL DEFAULT '',"
    " timer_name TEXT NOT NULL DEFAULT '')",
};

// Version 3: the meeting's plan, and speeches set right by hand with what was timed kept.
const char *const Version3[] = {
    "ALTER TABLE speech ADD COLUMN by_hand INTEGER NOT NULL DEFAULT 0", // 1 changed, 2 added
    // What was timed, for a speech changed by hand; NULL for the others.
    "ALTER TABLE speech ADD COLUMN timed_row_index INTEGER",
    "ALTER TABLE speech ADD COLUMN timed_description TEXT",
    "ALTER TABLE speech ADD COLUMN timed_green_text TEXT",
    "ALTER TABLE speech ADD COLUMN timed_yellow_text TEXT",
    "ALTER TABLE speech ADD COLUMN timed_red_text TEXT",
    "ALTER TABLE speech ADD COLUMN timed_green_seconds INTEGER",
    "ALTER TABLE speech ADD COLUMN timed_yellow_seconds INTEGER",
    "ALTER TABLE speech ADD COLUMN timed_red_seconds INTEGER",
    "ALTER TABLE speech ADD COLUMN timed_elapsed_seconds INTEGER",
    "ALTER TABLE speech ADD COLUMN timed_lamp INTEGER",
    "ALTER TABLE speech ADD COLUMN timed_mistaken_start INTEGER",
    "ALTER TABLE speech ADD COLUMN timed_rehearsal INTEGER",
    // A row not yet spoken belongs to no meeting: it goes with the meeting the next speech joins.
    "CREATE TABLE planned_speech ("
    " id INTEGER PRIMARY KEY,"
    " position INTEGER NOT NULL,"
    " speaker_name TEXT NOT NULL DEFAULT '',"
    " row_index INTEGER NOT NULL,"
    " description TEXT NOT NULL,"
    " green_text TEXT NOT NULL, yellow_text TEXT NOT NULL, red_text TEXT NOT NULL,"
    " green_seconds INTEGER NOT NULL, yellow_seconds INTEGER NOT NULL,"
    " red_seconds INTEGER NOT NULL,"
    " speech_id INTEGER UNIQUE REFERENCES speech(id))",
};

// Version 4: the paired device whose START or STOP a speech took; empty for the window's own.
const char *const Version4[] = {
    "ALTER TABLE speech ADD COLUMN started_by TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE speech ADD COLUMN stopped_by TEXT NOT NULL DEFAULT ''",
};

bool runAll(QSqlQuery &q, const char *const *first, const char *const *last)
{
    for (; first != last; ++first) {
        if (!q.exec(QLatin1String(*first)))
            return false;
    }
    return true;
}

QAtomicInteger<quint64> connectionCount;

QString describe(const QSqlError &error)
{
    return error.text().trimmed();
}

} // namespace

RecordFile::RecordFile(const QString &path)
    : m_path(path), m_connectionName(QStringLiteral("meetingstore-%1").arg(++connectionCount))
{
}

RecordFile::~RecordFile()
{
    close();
}

QSqlDatabase RecordFile::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

void RecordFile::close()
{
    m_opened = false;
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    database().close();
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool RecordFile::fail(const QString &what, const QString &why)
{
    const QString error = QStringLiteral("%1: %2 (%3)").arg(what, why, m_path);
    // Told once, not at every retry.
    if (error != m_lastError)
        qCWarning(lcRecord, "%s", qPrintable(error));
    m_lastError = error;
    return false;
}

bool RecordFile::open()
{
    if (m_opened)
        return true;
    const QFileInfo file(m_path);
    if (!PrivateFile::makeFolder(file.absolutePath()))
        return fail(tr("cannot create the folder"), file.absolutePath());
    for (int attempt = 0; attempt < 2; ++attempt) {
        QString unreadableBecause;
        const Opening result = openFile(&unreadableBecause);
        if (result == Opening::Opened) {
            m_opened = true;
            return true;
        }
        close();
        if (result == Opening::Failed)
            return false;
        moveAside(unreadableBecause);
    }
    return false;
}

RecordFile::Opening RecordFile::openFile(QString *unreadableBecause)
{
    // It holds the members' names; its log files take its permissions.
    PrivateFile::create(m_path);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_busyTimeoutMs));
    if (!db.open()) {
        fail(tr("cannot open"), describe(db.lastError()));
        return Opening::Failed;
    }
    QSqlQuery q(db);
    // Reading the version is the first touch of the file's contents.
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        if (UnreadableCodes.contains(q.lastError().nativeErrorCode())) {
            *unreadableBecause = describe(q.lastError());
            return Opening::Unreadable;
        }
        fail(tr("cannot read"), describe(q.lastError()));
        return Opening::Failed;
    }
    const int version = q.value(0).toInt();
    if (version > SchemaVersion) {
        *unreadableBecause = tr("written by a newer version (schema %1)").arg(version);
        return Opening::Unreadable;
    }
    // WAL: a commit is one append to the log, and readers never wait for the writer. Any
    // commit survives the program being killed; synchronous=FULL makes it survive a power cut
    // as well, for one flush of the log per speech (a fraction of a millisecond, measured).
    if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) ||
        !q.exec(QStringLiteral("PRAGMA synchronous=FULL"))) {
        fail(tr("cannot set up"), describe(q.lastError()));
        return Opening::Failed;
    }
    return migrate(version) ? Opening::Opened : Opening::Failed;
}

// Brings a file of an older version up to the newest, taking each step after its own in turn.
bool RecordFile::migrate(int version)
{
    const QString what = version == 0 ? tr("cannot create") : tr("cannot update");
    if (version < 1 && !migrateStep(1, what, &RecordFile::migrateTo1))
        return false;
    if (version < 2 && !migrateStep(2, what, &RecordFile::migrateTo2))
        return false;
    if (version < 3 && !migrateStep(3, what, &RecordFile::migrateTo3))
        return false;
    if (version < 4 && !migrateStep(4, what, &RecordFile::migrateTo4))
        return false;
    return true;
}

// One step in a transaction of its own: the tables and the version they are at change together,
// or neither does.
bool RecordFile::migrateStep(int version, const QString &what,
                             bool (RecordFile::*change)(QSqlQuery &))
{
    QSqlQuery q(database());
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(what, describe(q.lastError()));
    // Another copy may have taken this step while this one waited for the lock.
    bool ok = q.exec(QStringLiteral("PRAGMA user_version")) && q.next();
    const bool taken = ok && q.value(0).toInt() >= version;
    ok = ok && (taken || ((this->*change)(q) &&
                          q.exec(QStringLiteral("PRAGMA user_version = %1").arg(version))));
    ok = ok && q.exec(QStringLiteral("COMMIT"));
    if (!ok) {
        const QString why = describe(q.lastError());
        q.exec(QStringLiteral("ROLLBACK"));
        return fail(what, why);
    }
    return true;
}

bool RecordFile::migrateTo1(QSqlQuery &q)
{
    return runAll(q, std::begin(Version1), std::end(Version1));
}

bool RecordFile::migrateTo2(QSqlQuery &q)
{
    return runAll(q, std::begin(Version2), std::end(Version2));
}

bool RecordFile::migrateTo3(QSqlQuery &q)
{
    return runAll(q, std::begin(Version3), std::end(Version3));
}

bool RecordFile::migrateTo4(QSqlQuery &q)
{
    return runAll(q, std::begin(Version4), std::end(Version4));
}

// The file is kept for whoever can read it; the record starts afresh beside it.
void RecordFile::moveAside(const QString &why)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = m_path + AsideSuffix.arg(stamp);
    for (int n = 2; QFile::exists(aside); ++n)
        aside = m_path + AsideSuffix.arg(stamp) + QStringLiteral("-%1").arg(n);
    if (!QFile::rename(m_path, aside)) {
        fail(tr("cannot move the unreadable file aside to %1").arg(aside), why);
        return;
    }
    // The journal files belong to the old file; they go with it under its new name.
    for (const char *journal : {"-wal", "-shm"}) {
        if (QFile::exists(m_path + QLatin1String(journal)))
            QFile::rename(m_path + QLatin1String(journal), aside + QLatin1String(journal));
    }
    qCWarning(lcRecord, "%s was unreadable (%s); it was moved to %s and a new record begun",
              qPrintable(m_path), qPrintable(why), qPrintable(aside));
}

void RecordFile::setBusyTimeout(int ms)
{
    if (ms == m_busyTimeoutMs)
        return;
    m_busyTimeoutMs = ms;
    if (m_opened)
        QSqlQuery(database()).exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(ms));
}

void RecordFile::closeAfter(const QSqlError &error)
{
    close();
    if (UnreadableCodes.contains(error.nativeErrorCode()))
        moveAside(describe(error));
}
