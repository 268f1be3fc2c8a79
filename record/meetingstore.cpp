// SPDX-License-Identifier: MIT
#include "record/meetingstore.h"

#include "record/clocktext.h"

#include <QAtomicInteger>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalBlocker>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

namespace {

constexpr int SchemaVersion = 2; // 2: meeting_detail
// How long the write at STOP, or an edit from the report, may wait for another copy's lock: that
// copy's one-speech transaction takes a few milliseconds, one flush of the log included, so this
// covers it many times over, while the time STOP shows is late by a quarter of a second at most.
constexpr int StopBusyTimeoutMs = 250;
// Everything else, the retries above all, runs while a speech is timed and never waits for a
// lock: a speech the file cannot take at once stays in memory until the next retry.
constexpr int NeverWaitMs = 0;
constexpr int RetryIntervalMs = 3000;
const QString FileName = QStringLiteral("meetings.sqlite");
const QString AsideSuffix = QStringLiteral(".unreadable-%1");
// SQLite's result codes for a file that is not a database, or a damaged one.
const QStringList UnreadableCodes = {QStringLiteral("11"), QStringLiteral("26")};

const char *const SchemaStatements[] = {
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
    "CREATE TABLE IF NOT EXISTS meeting_detail ("
    " meeting_id INTEGER PRIMARY KEY REFERENCES meeting(id),"
    " title TEXT NOT NULL DEFAULT '',"
    " timer_name TEXT NOT NULL DEFAULT '')",
};

const QString SpeechColumns = QStringLiteral(
    "id, meeting_id, started_utc_ms, started_utc_offset, row_index, description,"
    " green_text, yellow_text, red_text, green_seconds, yellow_seconds, red_seconds,"
    " elapsed_seconds, lamp, grace_seconds, stopped, mistaken_start, rehearsal, speaker_name");

QAtomicInteger<quint64> connectionCount;

QDateTime fromStored(const QVariant &utcMs, const QVariant &offset)
{
    return QDateTime::fromMSecsSinceEpoch(utcMs.toLongLong(), Qt::OffsetFromUTC, offset.toInt());
}

SpeechRecord speechFrom(const QSqlQuery &q)
{
    SpeechRecord s;
    s.id = q.value(0).toLongLong();
    s.meetingId = q.value(1).toLongLong();
    s.startedAt = fromStored(q.value(2), q.value(3));
    s.rowIndex = q.value(4).toInt();
    s.description = q.value(5).toString();
    for (int i = 0; i < 3; ++i) {
        s.thresholdTexts[i] = q.value(6 + i).toString();
        s.thresholdSeconds[i] = q.value(9 + i).toInt();
    }
    s.elapsedSeconds = q.value(12).toInt();
    s.lampReached = SpeechRecord::Lamp(qBound(0, q.value(13).toInt(), 3));
    s.graceSeconds = q.value(14).toInt();
    s.stopped = q.value(15).toBool();
    s.mistakenStart = q.value(16).toBool();
    s.rehearsal = q.value(17).toBool();
    s.speakerName = q.value(18).toString();
    return s;
}

// The time as ISO 8601 with its offset, for whoever reads the file with other tools.
QString readableTime(const QDateTime &at)
{
    return at.toOffsetFromUtc(at.offsetFromUtc()).toString(Qt::ISODate);
}

QString describe(const QSqlError &error)
{
    return error.text().trimmed();
}

} // namespace

MeetingStore::MeetingStore(QObject *parent) : MeetingStore(defaultFilePath(), parent) {}

MeetingStore::MeetingStore(const QString &filePath, QObject *parent)
    : QObject(parent), m_filePath(filePath),
      m_connectionName(QStringLiteral("meetingstore-%1").arg(++connectionCount))
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryIntervalMs);
    connect(&m_retry, &QTimer::timeout, this, [this] { flushPending(NeverWaitMs); });
}

MeetingStore::~MeetingStore()
{
    // Whoever listened may be going too.
    const QSignalBlocker quiet(this);
    if (!m_pending.isEmpty())
        flushPending(StopBusyTimeoutMs);
    // What could not be written at all is at least told, line by line, rather than dropped.
    for (const Pending &p : qAsConst(m_pending)) {
        const SpeechRecord &s = p.speech;
        qWarning("meeting record: not saved: %s, %s, %s, %s", qPrintable(readableTime(s.startedAt)),
                 qPrintable(s.description), qPrintable(clockText(s.elapsedSeconds)),
                 qPrintable(s.verdict().sentence()));
    }
    close();
}

QString MeetingStore::defaultFilePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u'/' + FileName;
}

QSqlDatabase MeetingStore::database() const
{
    return QSqlDatabase::database(m_connectionName, false);
}

void MeetingStore::close()
{
    m_opened = false;
    if (!QSqlDatabase::contains(m_connectionName))
        return;
    database().close();
    QSqlDatabase::removeDatabase(m_connectionName);
}

bool MeetingStore::fail(const QString &what, const QString &why)
{
    const QString error = QStringLiteral("%1: %2 (%3)").arg(what, why, m_filePath);
    // Told once, not at every retry.
    if (error != m_lastError)
        qWarning("meeting record: %s", qPrintable(error));
    m_lastError = error;
    return false;
}

// ---- Opening ----------------------------------------------------------------------------

bool MeetingStore::open()
{
    if (m_opened)
        return true;
    const QFileInfo file(m_filePath);
    if (!QDir().mkpath(file.absolutePath()))
        return fail(tr("cannot create the folder"), file.absolutePath());
    for (int attempt = 0; attempt < 2; ++attempt) {
        Opening result = openFile();
        if (result == Opening::Opened) {
            m_opened = true;
            return true;
        }
        close();
        if (result == Opening::Failed)
            return false;
        moveAside();
    }
    return false;
}

MeetingStore::Opening MeetingStore::openFile()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    db.setDatabaseName(m_filePath);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(m_busyTimeoutMs));
    if (!db.open()) {
        fail(tr("cannot open"), describe(db.lastError()));
        return Opening::Failed;
    }
    QSqlQuery q(db);
    // Reading the version is the first touch of the file's contents.
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        if (UnreadableCodes.contains(q.lastError().nativeErrorCode())) {
            m_asideReason = describe(q.lastError());
            return Opening::Unreadable;
        }
        fail(tr("cannot read"), describe(q.lastError()));
        return Opening::Failed;
    }
    const int version = q.value(0).toInt();
    if (version > SchemaVersion) {
        m_asideReason = tr("written by a newer version (schema %1)").arg(version);
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
    if (version == SchemaVersion)
        return Opening::Opened;
    return createSchema(db) ? Opening::Opened : Opening::Failed;
}

bool MeetingStore::createSchema(QSqlDatabase &db)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(tr("cannot create"), describe(q.lastError()));
    bool ok = true;
    for (const char *statement : SchemaStatements)
        ok = ok && q.exec(QLatin1String(statement));
    ok = ok && q.exec(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion));
    ok = ok && q.exec(QStringLiteral("COMMIT"));
    if (!ok) {
        const QString why = describe(q.lastError());
        q.exec(QStringLiteral("ROLLBACK"));
        return fail(tr("cannot create"), why);
    }
    return true;
}

// The file is kept for whoever can read it; the record starts afresh beside it.
void MeetingStore::moveAside()
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = m_filePath + AsideSuffix.arg(stamp);
    for (int n = 2; QFile::exists(aside); ++n)
        aside = m_filePath + AsideSuffix.arg(stamp) + QStringLiteral("-%1").arg(n);
    const QString why = m_asideReason;
    m_asideReason.clear();
    if (!QFile::rename(m_filePath, aside)) {
        fail(tr("cannot move the unreadable file aside to %1").arg(aside), why);
        return;
    }
    // The journal files belong to the old file; they go with it under its new name.
    for (const char *journal : {"-wal", "-shm"}) {
        if (QFile::exists(m_filePath + QLatin1String(journal)))
            QFile::rename(m_filePath + QLatin1String(journal), aside + QLatin1String(journal));
    }
    qWarning("meeting record: %s was unreadable (%s); it was moved to %s and a new record begun",
             qPrintable(m_filePath), qPrintable(why), qPrintable(aside));
}

// ---- Recording --------------------------------------------------------------------------

bool MeetingStore::record(const SpeechRecord &speech)
{
    m_pending.append({speech, m_newMeetingAsked});
    m_newMeetingAsked = false;
    return flushPending(StopBusyTimeoutMs);
}

void MeetingStore::startNewMeeting()
{
    m_newMeetingAsked = true;
    // With speeches still waiting, the new meeting begins after them, when they are written.
    if (!m_pending.isEmpty() || !open())
        return;
    QSqlQuery q(database());
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return;
    // A meeting with no speech yet is new already: asking again makes no second one.
    q.prepare(QStringLiteral("SELECT m.id FROM meeting m WHERE m.id = (SELECT MAX(id) FROM meeting)"
                             " AND NOT EXISTS (SELECT 1 FROM speech s WHERE s.meeting_id = m.id)"));
    const qint64 empty = q.exec() && q.next() ? q.value(0).toLongLong() : 0;
    q.finish();
    const qint64 id = empty > 0 ? empty : beginMeeting(q, QDateTime::currentDateTime());
    if (id > 0 && q.exec(QStringLiteral("COMMIT"))) {
        m_newMeetingAsked = false;
        emit changed(id);
        return;
    }
    q.exec(QStringLiteral("ROLLBACK"));
}

bool MeetingStore::flushPending(int busyTimeoutMs)
{
    setBusyTimeout(busyTimeoutMs);
    while (!m_pending.isEmpty()) {
        if (!open() || !writeSpeech(m_pending.first()))
            break;
        const qint64 meetingId = m_pending.takeFirst().speech.meetingId;
        emit changed(meetingId);
    }
    setBusyTimeout(NeverWaitMs);
    const bool saved = m_pending.isEmpty();
    if (!saved)
        m_retry.start();
    if (saved != m_shownSaved) {
        m_shownSaved = saved;
        if (saved) {
            m_lastError.clear();
            qInfo("meeting record: the speeches kept in memory are saved now (%s)",
                  qPrintable(m_filePath));
        }
        emit savedChanged(saved);
    }
    return saved;
}

// For the connection open now and for the next one opened.
void MeetingStore::setBusyTimeout(int ms)
{
    if (ms == m_busyTimeoutMs)
        return;
    m_busyTimeoutMs = ms;
    if (m_opened)
        QSqlQuery(database()).exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(ms));
}

bool MeetingStore::writeSpeech(Pending &pending)
{
    const QSqlError error = insertSpeech(pending);
    if (!error.isValid())
        return true;
    pending.speech.id = 0;
    pending.speech.meetingId = 0;
    // The next try opens the file afresh; one found damaged is moved aside first.
    close();
    if (UnreadableCodes.contains(error.nativeErrorCode())) {
        m_asideReason = describe(error);
        moveAside();
    }
    return fail(tr("cannot write"), describe(error));
}

// One transaction: the speech's meeting, begun if need be, and the speech.
QSqlError MeetingStore::insertSpeech(Pending &pending)
{
    SpeechRecord &s = pending.speech;
    QSqlQuery q(database());
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return q.lastError();
    s.meetingId = pending.beginsMeeting ? beginMeeting(q, s.startedAt) : meetingFor(q, s);
    if (s.meetingId > 0) {
        q.prepare(QStringLiteral(
            "INSERT INTO speech (meeting_id, started_utc_ms, started_utc_offset, started_at,"
            " row_index, description, green_text, yellow_text, red_text, green_seconds,"
            " yellow_seconds, red_seconds, elapsed_seconds, lamp, grace_seconds, verdict,"
            " stopped, mistaken_start, rehearsal, speaker_name)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        // A null text would be stored as NULL; the record's texts are empty at worst.
        const auto text = [](const QString &t) { return t.isNull() ? QStringLiteral("") : t; };
        const QVariantList values = {s.meetingId,
                                     s.startedAt.toMSecsSinceEpoch(),
                                     s.startedAt.offsetFromUtc(),
                                     readableTime(s.startedAt),
                                     s.rowIndex,
                                     text(s.description),
                                     text(s.thresholdTexts[0]),
                                     text(s.thresholdTexts[1]),
                                     text(s.thresholdTexts[2]),
                                     s.thresholdSeconds[0],
                                     s.thresholdSeconds[1],
                                     s.thresholdSeconds[2],
                                     s.elapsedSeconds,
                                     int(s.lampReached),
                                     s.graceSeconds,
                                     text(s.verdict().sentence()),
                                     s.stopped,
                                     s.mistakenStart,
                                     s.rehearsal,
                                     text(cleanSpeakerName(s.speakerName))};
        for (const QVariant &value : values)
            q.addBindValue(value);
        if (q.exec()) {
            s.id = q.lastInsertId().toLongLong();
            if (q.exec(QStringLiteral("COMMIT")))
                return QSqlError();
        }
    }
    const QSqlError error = q.lastError();
    q.exec(QStringLiteral("ROLLBACK"));
    return error;
}

// The latest meeting, unless the last speech in it ended more than the gap before this one.
qint64 MeetingStore::meetingFor(QSqlQuery &q, const SpeechRecord &speech)
{
    q.prepare(QStringLiteral(
        "SELECT m.id, (SELECT MAX(s.started_utc_ms + 1000 * s.elapsed_seconds) FROM speech s"
        " WHERE s.meeting_id = m.id) FROM meeting m ORDER BY m.id DESC LIMIT 1"));
    if (!q.exec())
        return 0;
    if (q.next()) {
        const qint64 latest = q.value(0).toLongLong();
        const QVariant lastEndMs = q.value(1);
        if (lastEndMs.isNull() || speech.startedAt.toMSecsSinceEpoch() - lastEndMs.toLongLong() <=
                                      MeetingGapSeconds * 1000)
            return latest;
    }
    return beginMeeting(q, speech.startedAt);
}

qint64 MeetingStore::beginMeeting(QSqlQuery &q, const QDateTime &at)
{
    q.prepare(QStringLiteral("INSERT INTO meeting (begun_utc_ms, begun_utc_offset) VALUES (?, ?)"));
    q.addBindValue(at.toMSecsSinceEpoch());
    q.addBindValue(at.offsetFromUtc());
    return q.exec() ? q.lastInsertId().toLongLong() : 0;
}

// ---- Reading and editing ------------------------------------------------------------------

qint64 MeetingStore::currentMeetingId()
{
    if (m_newMeetingAsked || !open())
        return 0;
    QSqlQuery q(database());
    q.prepare(QStringLiteral("SELECT MAX(id) FROM meeting"));
    return q.exec() && q.next() ? q.value(0).toLongLong() : 0;
}

QList<Meeting> MeetingStore::meetings()
{
    QList<Meeting> list;
    if (!open())
        return list;
    // A meeting's time is its first speech's START, or when it was begun if it has none.
    QSqlQuery q(database());
    q.prepare(
        QStringLiteral("SELECT m.id, m.begun_utc_ms, m.begun_utc_offset, f.started_utc_ms,"
                       " f.started_utc_offset, c.speeches, c.rehearsals, c.mistaken,"
                       " d.meeting_id, d.title, d.timer_name"
                       " FROM meeting m LEFT JOIN speech f ON f.id = (SELECT s.id FROM speech s"
                       "  WHERE s.meeting_id = m.id ORDER BY s.started_utc_ms, s.id LIMIT 1)"
                       " LEFT JOIN (SELECT meeting_id, COUNT(*) AS speeches,"
                       "  SUM(rehearsal AND NOT mistaken_start) AS rehearsals,"
                       "  SUM(mistaken_start) AS mistaken FROM speech WHERE deleted = 0"
                       "  GROUP BY meeting_id) c ON c.meeting_id = m.id"
                       " LEFT JOIN meeting_detail d ON d.meeting_id = m.id"
                       " ORDER BY m.id"));
    if (!q.exec()) {
        fail(tr("cannot read"), describe(q.lastError()));
        return list;
    }
    while (q.next()) {
        Meeting m;
        m.id = q.value(0).toLongLong();
        m.startedAt = q.value(3).isNull() ? fromStored(q.value(1), q.value(2))
                                          : fromStored(q.value(3), q.value(4));
        m.speechCount = q.value(5).toInt();
        m.rehearsalCount = q.value(6).toInt();
        m.mistakenStartCount = q.value(7).toInt();
        m.hasDetails = !q.value(8).isNull();
        m.title = q.value(9).toString();
        m.timerName = q.value(10).toString();
        list.append(m);
    }
    return list;
}

QList<SpeechRecord> MeetingStore::speeches(qint64 meetingId)
{
    QList<SpeechRecord> list;
    if (!open())
        return list;
    QSqlQuery q(database());
    q.prepare(QStringLiteral("SELECT %1 FROM speech WHERE meeting_id = ? AND deleted = 0"
                             " ORDER BY started_utc_ms, id")
                  .arg(SpeechColumns));
    q.addBindValue(meetingId);
    if (!q.exec()) {
        fail(tr("cannot read"), describe(q.lastError()));
        return list;
    }
    while (q.next())
        list.append(speechFrom(q));
    return list;
}

QString MeetingStore::titleShowingSaved(const QString &title, bool saved)
{
    const QString mark = tr(" (record not saved)");
    QString shown = title;
    if (shown.endsWith(mark))
        shown.chop(mark.size());
    return saved ? shown : shown + mark;
}

QString MeetingStore::cleanSpeakerName(const QString &name)
{
    QList<uint> kept;
    for (const uint c : name.toUcs4()) {
        const QChar::Category category = QChar::category(char32_t(c));
        if (category != QChar::Other_Control && category != QChar::Separator_Line &&
            category != QChar::Separator_Paragraph)
            kept.append(c);
    }
    QString clean =
        QString::fromUcs4(reinterpret_cast<const char32_t *>(kept.constData()), kept.size())
            .trimmed();
    // Cut at a whole character, never inside a surrogate pair.
    const QList<uint> points = clean.toUcs4();
    if (points.size() > SpeakerNameMaxLength)
        clean = QString::fromUcs4(reinterpret_cast<const char32_t *>(points.constData()),
                                  SpeakerNameMaxLength)
                    .trimmed();
    return clean;
}

bool MeetingStore::setSpeakerName(qint64 speechId, const QString &name)
{
    return updateSpeech(QStringLiteral("speaker_name"), speechId, cleanSpeakerName(name));
}

bool MeetingStore::deleteSpeech(qint64 speechId)
{
    if (!updateSpeech(QStringLiteral("deleted"), speechId, 1))
        return false;
    m_deleted.append(speechId);
    return true;
}

bool MeetingStore::restoreLastDeleted()
{
    if (m_deleted.isEmpty() || !updateSpeech(QStringLiteral("deleted"), m_deleted.last(), 0))
        return false;
    m_deleted.removeLast();
    return true;
}

// Sets one of the editable columns, named here and never by the caller's data.
bool MeetingStore::updateSpeech(const QString &column, qint64 speechId, const QVariant &value)
{
    if (!open())
        return false;
    QSqlQuery q(database());
    q.prepare(
        QStringLiteral("UPDATE speech SET %1 = ? WHERE id = ? RETURNING meeting_id").arg(column));
    q.addBindValue(value);
    q.addBindValue(speechId);
    // A name typed or a speech deleted waits for another copy's write as STOP's write does:
    // giving up at once would lose the operator's edit for a lock held a few milliseconds.
    setBusyTimeout(StopBusyTimeoutMs);
    const bool written = q.exec();
    setBusyTimeout(NeverWaitMs);
    if (!written)
        return fail(tr("cannot change"), describe(q.lastError()));
    if (!q.next())
        return false;
    const qint64 meetingId = q.value(0).toLongLong();
    q.finish();
    emit changed(meetingId);
    return true;
}

bool MeetingStore::setMeetingDetails(qint64 meetingId, const QString &title,
                                     const QString &timerName)
{
    if (!open())
        return false;
    QSqlQuery q(database());
    q.prepare(QStringLiteral("INSERT INTO meeting_detail (meeting_id, title, timer_name)"
                             " VALUES (?, ?, ?) ON CONFLICT (meeting_id) DO UPDATE"
                             " SET title = excluded.title, timer_name = excluded.timer_name"));
    q.addBindValue(meetingId);
    q.addBindValue(cleanSpeakerName(title));
    q.addBindValue(cleanSpeakerName(timerName));
    setBusyTimeout(StopBusyTimeoutMs);
    const bool written = q.exec();
    setBusyTimeout(NeverWaitMs);
    if (!written)
        return fail(tr("cannot change"), describe(q.lastError()));
    emit changed(meetingId);
    return true;
}
