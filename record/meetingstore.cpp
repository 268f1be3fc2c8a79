// SPDX-License-Identifier: MIT
#include "record/meetingstore.h"

#include "record/meetingstore_p.h"
#include "record/recordlog.h"
#include "timing/clocktext.h"

#include <QFile>
#include <QSignalBlocker>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <type_traits>
#include <utility>

namespace StoreInternals {

QString describe(const QSqlError &error)
{
    return error.text().trimmed();
}

QSqlError runToEnd(QSqlQuery &q)
{
    if (!q.exec())
        return q.lastError();
    while (q.next()) {
    }
    return q.lastError();
}

QSqlError runToEnd(QSqlQuery &q, const QString &statement)
{
    if (!q.prepare(statement))
        return q.lastError();
    return runToEnd(q);
}

QVariant storedText(const QString &text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

} // namespace StoreInternals

using namespace StoreInternals;

namespace {

constexpr int RetryIntervalMs = 3000;
// Another copy's change is in every window within two seconds.
constexpr int WatchIntervalMs = 1000;
// After a write, once the window has had time to draw what STOP or the edit changed.
constexpr int CheckpointDelayMs = 500;

// The time as ISO 8601 with its offset, for whoever reads the file with other tools.
QString readableTime(const QDateTime &at)
{
    return at.toOffsetFromUtc(at.offsetFromUtc()).toString(Qt::ISODate);
}

QDateTime fromStored(const QVariant &utcMs, const QVariant &offset)
{
    return QDateTime::fromMSecsSinceEpoch(utcMs.toLongLong(), Qt::OffsetFromUTC, offset.toInt());
}

// A column of the speech table and the field of the record it holds.
struct SpeechColumn
{
    const char *name = nullptr;
    // The value written; null for the key, which the file numbers.
    QVariant (*stored)(const SpeechRecord &s) = nullptr;
    // Sets the field from the value read; null for a column kept for other tools only.
    void (*restore)(SpeechRecord &s, const QVariant &value) = nullptr;
};

template <typename T> QVariant storedValue(const T &value)
{
    if constexpr (std::is_same_v<T, QString>)
        return storedText(value);
    else
        return QVariant::fromValue(value);
}

template <auto Field> QVariant storedField(const SpeechRecord &s)
{
    return storedValue(s.*Field);
}

template <auto Field> void restoreField(SpeechRecord &s, const QVariant &value)
{
    s.*Field = value.value<std::decay_t<decltype(s.*Field)>>();
}

template <auto Field> SpeechColumn field(const char *name)
{
    return {name, storedField<Field>, restoreField<Field>};
}

SpeechRecord::AsTimed &timedOf(SpeechRecord &s)
{
    if (!s.asTimed)
        s.asTimed.emplace();
    return *s.asTimed;
}

// What was timed, NULL for a speech not changed by hand.
template <auto Field> SpeechColumn timedField(const char *name)
{
    return {name,
            [](const SpeechRecord &s) {
                return s.asTimed ? storedValue((*s.asTimed).*Field) : QVariant();
            },
            [](SpeechRecord &s, const QVariant &v) {
                if (!v.isNull())
                    timedOf(s).*Field = v.value<std::decay_t<decltype(timedOf(s).*Field)>>();
            }};
}

template <auto Field, int Lamp> SpeechColumn timedThreshold(const char *name)
{
    return {name,
            [](const SpeechRecord &s) {
                return s.asTimed ? storedValue(((*s.asTimed).*Field)[Lamp]) : QVariant();
            },
            [](SpeechRecord &s, const QVariant &v) {
                if (!v.isNull())
                    (timedOf(s).*Field)[Lamp] =
                        v.value<std::decay_t<decltype((timedOf(s).*Field)[Lamp])>>();
            }};
}

template <int Lamp> SpeechColumn thresholdText(const char *name)
{
    return {name, [](const SpeechRecord &s) { return storedText(s.thresholdTexts[Lamp]); },
            [](SpeechRecord &s, const QVariant &v) { s.thresholdTexts[Lamp] = v.toString(); }};
}

template <int Lamp> SpeechColumn thresholdSeconds(const char *name)
{
    return {name, [](const SpeechRecord &s) { return QVariant(s.thresholdSeconds[Lamp]); },
            [](SpeechRecord &s, const QVariant &v) { s.thresholdSeconds[Lamp] = v.toInt(); }};
}

// The speech table as the store writes and reads it: the INSERT and the reads are both made from
// this one list, and read back in its order.
const SpeechColumn SpeechColumns[] = {
    {"id", nullptr, restoreField<&SpeechRecord::id>},
    field<&SpeechRecord::meetingId>("meeting_id"),
    {"started_utc_ms",
     [](const SpeechRecord &s) { return QVariant(s.startedAt.toMSecsSinceEpoch()); },
     [](SpeechRecord &s, const QVariant &v) {
         s.startedAt = QDateTime::fromMSecsSinceEpoch(v.toLongLong(), Qt::UTC);
     }},
    // After the time: the offset it was taken at is put back on it.
    {"started_utc_offset",
     [](const SpeechRecord &s) { return QVariant(s.startedAt.offsetFromUtc()); },
     [](SpeechRecord &s, const QVariant &v) {
         s.startedAt = s.startedAt.toOffsetFromUtc(v.toInt());
     }},
    {"started_at", [](const SpeechRecord &s) { return QVariant(readableTime(s.startedAt)); }},
    field<&SpeechRecord::rowIndex>("row_index"),
    field<&SpeechRecord::description>("description"),
    thresholdText<0>("green_text"),
    thresholdText<1>("yellow_text"),
    thresholdText<2>("red_text"),
    thresholdSeconds<0>("green_seconds"),
    thresholdSeconds<1>("yellow_seconds"),
    thresholdSeconds<2>("red_seconds"),
    field<&SpeechRecord::elapsedSeconds>("elapsed_seconds"),
    {"lamp", [](const SpeechRecord &s) { return QVariant(int(s.lampReached)); },
     [](SpeechRecord &s, const QVariant &v) {
         s.lampReached = SpeechRecord::Lamp(qBound(0, v.toInt(), 3));
     }},
    field<&SpeechRecord::graceSeconds>("grace_seconds"),
    {"verdict", [](const SpeechRecord &s) { return storedText(s.verdict().sentence()); }},
    field<&SpeechRecord::stopped>("stopped"),
    field<&SpeechRecord::mistakenStart>("mistaken_start"),
    field<&SpeechRecord::rehearsal>("rehearsal"),
    {"speaker_name",
     [](const SpeechRecord &s) {
         return storedText(MeetingStore::cleanSpeakerName(s.speakerName));
     },
     restoreField<&SpeechRecord::speakerName>},
    {"by_hand", [](const SpeechRecord &s) { return QVariant(int(s.byHand)); },
     [](SpeechRecord &s, const QVariant &v) {
         s.byHand = SpeechRecord::ByHand(qBound(0, v.toInt(), int(SpeechRecord::ByHand::Added)));
     }},
    timedField<&SpeechRecord::AsTimed::rowIndex>("timed_row_index"),
    timedField<&SpeechRecord::AsTimed::description>("timed_description"),
    timedThreshold<&SpeechRecord::AsTimed::thresholdTexts, 0>("timed_green_text"),
    timedThreshold<&SpeechRecord::AsTimed::thresholdTexts, 1>("timed_yellow_text"),
    timedThreshold<&SpeechRecord::AsTimed::thresholdTexts, 2>("timed_red_text"),
    timedThreshold<&SpeechRecord::AsTimed::thresholdSeconds, 0>("timed_green_seconds"),
    timedThreshold<&SpeechRecord::AsTimed::thresholdSeconds, 1>("timed_yellow_seconds"),
    timedThreshold<&SpeechRecord::AsTimed::thresholdSeconds, 2>("timed_red_seconds"),
    timedField<&SpeechRecord::AsTimed::elapsedSeconds>("timed_elapsed_seconds"),
    {"timed_lamp",
     [](const SpeechRecord &s) {
         return s.asTimed ? QVariant(int(s.asTimed->lampReached)) : QVariant();
     },
     [](SpeechRecord &s, const QVariant &v) {
         if (!v.isNull())
             timedOf(s).lampReached = SpeechRecord::Lamp(qBound(0, v.toInt(), 3));
     }},
    timedField<&SpeechRecord::AsTimed::mistakenStart>("timed_mistaken_start"),
    timedField<&SpeechRecord::AsTimed::rehearsal>("timed_rehearsal"),
    field<&SpeechRecord::startedBy>("started_by"),
    field<&SpeechRecord::stoppedBy>("stopped_by"),
};

// "INSERT INTO speech (a, b) VALUES (?, ?)" of every column written, in the list's order.
const QString &insertSpeechStatement()
{
    static const QString statement = [] {
        QStringList names, marks;
        for (const SpeechColumn &column : SpeechColumns) {
            if (column.stored) {
                names << QLatin1String(column.name);
                marks << QStringLiteral("?");
            }
        }
        return QStringLiteral("INSERT INTO speech (%1) VALUES (%2)")
            .arg(names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
    }();
    return statement;
}

// "UPDATE speech SET a = ?, b = ? WHERE id = ?" of every column written.
const QString &updateSpeechStatement()
{
    static const QString statement = [] {
        QStringList sets;
        for (const SpeechColumn &column : SpeechColumns) {
            if (column.stored)
                sets << QLatin1String(column.name) + QStringLiteral(" = ?");
        }
        return QStringLiteral("UPDATE speech SET %1 WHERE id = ?").arg(sets.join(u','));
    }();
    return statement;
}

// "a, b" of every column read back.
const QString &readSpeechColumns()
{
    static const QString columns = [] {
        QStringList names;
        for (const SpeechColumn &column : SpeechColumns) {
            if (column.restore)
                names << QLatin1String(column.name);
        }
        return names.join(QStringLiteral(", "));
    }();
    return columns;
}

SpeechRecord speechFrom(const QSqlQuery &q)
{
    SpeechRecord s;
    for (const SpeechColumn &column : SpeechColumns) {
        if (column.restore)
            column.restore(s, q.value(QLatin1String(column.name)));
    }
    return s;
}

QString whatChanged(const SpeechEdit &e)
{
    switch (e.kind) {
    case SpeechEdit::Kind::Name:
        return QStringLiteral("speech %1 named \"%2\"").arg(e.speechId).arg(e.name);
    case SpeechEdit::Kind::Delete:
        return QStringLiteral("speech %1 deleted").arg(e.speechId);
    case SpeechEdit::Kind::Restore:
        return QStringLiteral("speech %1 brought back").arg(e.speechId);
    case SpeechEdit::Kind::Category:
        return QStringLiteral("speech %1 judged by row %2, %3")
            .arg(e.speechId)
            .arg(e.rowIndex)
            .arg(QStringList{clockText(e.thresholdSeconds[0]), clockText(e.thresholdSeconds[1]),
                             clockText(e.thresholdSeconds[2])}
                     .join(u'-'));
    case SpeechEdit::Kind::Elapsed:
        return QStringLiteral("speech %1 timed %2")
            .arg(e.speechId)
            .arg(clockText(e.elapsedSeconds));
    case SpeechEdit::Kind::AsTimed:
        return QStringLiteral("speech %1 as timed").arg(e.speechId);
    case SpeechEdit::Kind::PlanLink:
        return QStringLiteral("speech %1 named \"%2\", %3 the plan's row %4")
            .arg(e.speechId)
            .arg(e.name, e.planned.value(0).speechId == 0 ? "out of" : "for")
            .arg(e.planned.value(0).id);
    case SpeechEdit::Kind::PlanAdd:
    case SpeechEdit::Kind::PlanRemove:
    case SpeechEdit::Kind::PlanMove:
    case SpeechEdit::Kind::PlanChange:
        break;
    }
    QStringList names;
    for (const PlanEntry &row : e.planned)
        names << row.speakerName;
    return QStringLiteral("the plan's rows %1 %2")
        .arg(names.join(QStringLiteral(", ")), e.kind == SpeechEdit::Kind::PlanAdd      ? "added"
                                               : e.kind == SpeechEdit::Kind::PlanRemove ? "removed"
                                               : e.kind == SpeechEdit::Kind::PlanMove   ? "moved"
                                                                                      : "changed");
}

} // namespace

MeetingStore::MeetingStore(QObject *parent) : MeetingStore(defaultFilePath(), parent) {}

MeetingStore::MeetingStore(const QString &filePath, QObject *parent)
    : QObject(parent), m_file(filePath)
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryIntervalMs);
    connect(&m_retry, &QTimer::timeout, this, [this] { flushPending(NeverWaitMs); });
    m_checkpoint.setSingleShot(true);
    m_checkpoint.setInterval(CheckpointDelayMs);
    connect(&m_checkpoint, &QTimer::timeout, this, &MeetingStore::checkpoint);
    m_watch.setInterval(WatchIntervalMs);
    connect(&m_watch, &QTimer::timeout, this, &MeetingStore::watchOtherCopies);
    m_watch.start();
}

// SQLite counts the commits of other connections to the file; asking costs no lock and no read
// of the file, so this runs whenever the window is idle, a speech timed or not. The first answer
// after the file opened is taken as a change too: another copy may have written in between.
void MeetingStore::watchOtherCopies()
{
    if (!m_file.isOpen()) {
        m_dataVersion = -1;
        return;
    }
    QSqlQuery q(m_file.database());
    const qint64 version =
        q.exec(QStringLiteral("PRAGMA data_version")) && q.next() ? q.value(0).toLongLong() : -1;
    if (version >= 0 && std::exchange(m_dataVersion, version) != version)
        emit changedElsewhere();
}

MeetingStore::~MeetingStore()
{
    // Whoever listened may be going too.
    const QSignalBlocker quiet(this);
    if (!isSaved())
        flushPending(StopBusyTimeoutMs);
    // What could not be written at all is at least told, line by line, rather than dropped.
    for (const Pending &p : qAsConst(m_pending)) {
        const SpeechRecord &s = p.speech;
        qCWarning(lcRecord, "not saved: %s, %s, %s, %s", qPrintable(readableTime(s.startedAt)),
                  qPrintable(s.description), qPrintable(clockText(s.elapsedSeconds)),
                  qPrintable(s.verdict().sentence()));
    }
    for (const SpeechEdit &e : qAsConst(m_pendingEdits))
        qCWarning(lcRecord, "change not saved: %s", qPrintable(whatChanged(e)));
    checkpoint();
}

// ---- Recording --------------------------------------------------------------------------

bool MeetingStore::record(const SpeechRecord &speech)
{
    return record(speech, 0);
}

bool MeetingStore::record(const SpeechRecord &speech, qint64 plannedId)
{
    Pending pending{speech, m_newMeetingAsked, plannedRow(plannedId), 0, 0};
    if (pending.speech.speakerName.isEmpty())
        pending.speech.speakerName = pending.planned.speakerName;
    m_newMeetingAsked = false;
    m_pending.append(pending);
    return flushPending(StopBusyTimeoutMs);
}

void MeetingStore::startNewMeeting()
{
    m_newMeetingAsked = true;
    // With speeches still waiting, the new meeting begins after them, when they are written.
    if (!m_pending.isEmpty() || !m_file.open())
        return;
    QSqlQuery q(m_file.database());
    if (runToEnd(q, QStringLiteral("BEGIN IMMEDIATE")).isValid())
        return;
    // A meeting with no speech yet is new already: asking again makes no second one.
    q.prepare(QStringLiteral("SELECT m.id FROM meeting m WHERE m.id = (SELECT MAX(id) FROM meeting)"
                             " AND NOT EXISTS (SELECT 1 FROM speech s WHERE s.meeting_id = m.id)"));
    const qint64 empty = q.exec() && q.next() ? q.value(0).toLongLong() : 0;
    q.finish();
    const qint64 id = empty > 0 ? empty : beginMeeting(q, QDateTime::currentDateTime());
    if (id > 0 && !runToEnd(q, QStringLiteral("COMMIT")).isValid()) {
        m_newMeetingAsked = false;
        emit changed(id);
        return;
    }
    q.exec(QStringLiteral("ROLLBACK"));
}

bool MeetingStore::flushPending(int busyTimeoutMs)
{
    m_file.setBusyTimeout(busyTimeoutMs);
    while (!m_pending.isEmpty()) {
        if (!m_file.open() || !writeSpeech(m_pending.first()))
            break;
        const Pending written = m_pending.takeFirst();
        for (UndoStep &step : m_undo) {
            if (step.addedSerial != 0 && step.addedSerial == written.serial) {
                SpeechEdit remove;
                remove.kind = SpeechEdit::Kind::Delete;
                remove.speechId = written.speech.id;
                step = {{remove}, 0};
            }
        }
        const qint64 meetingId = written.speech.meetingId;
        m_checkpoint.start();
        emit changed(meetingId);
        if (const QString lost = std::exchange(m_planLost, QString()); !lost.isEmpty()) {
            qCInfo(lcRecord,
                   "a speech planned for %s was recorded without the plan: another "
                   "copy recorded that planned speech first",
                   qPrintable(lost));
            emit plannedSpokenElsewhere(lost);
        }
    }
    // Edits after the speeches, in the order they were made: a deletion and its undo.
    while (m_pending.isEmpty() && !m_pendingEdits.isEmpty() && m_file.open()) {
        qint64 meetingId = 0;
        const QSqlError error = writeEdit(m_pendingEdits.first(), &meetingId);
        if (error.isValid()) {
            m_file.closeAfter(error);
            m_file.fail(tr("cannot change"), describe(error));
            break;
        }
        const bool planEdit = m_pendingEdits.takeFirst().isPlanEdit();
        m_checkpoint.start();
        if (planEdit)
            emit changed(currentMeetingId());
        else if (meetingId > 0)
            emit changed(meetingId);
    }
    m_file.setBusyTimeout(NeverWaitMs);
    const bool saved = isSaved();
    if (!saved)
        m_retry.start();
    if (saved != m_shownSaved) {
        m_shownSaved = saved;
        if (saved) {
            m_file.clearError();
            qCInfo(lcRecord, "what was kept in memory is saved now (%s)",
                   qPrintable(m_file.path()));
        }
        emit savedChanged(saved);
    }
    return saved;
}

bool MeetingStore::writeSpeech(Pending &pending)
{
    const QSqlError error = insertSpeech(pending);
    if (!error.isValid())
        return true;
    pending.speech.id = 0;
    pending.speech.meetingId = 0;
    // The next try opens the file afresh; one found damaged is moved aside first.
    m_file.closeAfter(error);
    return m_file.fail(tr("cannot write"), describe(error));
}

// One transaction: the speech's meeting, begun if need be, and the speech.
QSqlError MeetingStore::insertSpeech(Pending &pending)
{
    SpeechRecord &s = pending.speech;
    QSqlQuery q(m_file.database());
    m_planLost.clear();
    if (const QSqlError error = runToEnd(q, QStringLiteral("BEGIN IMMEDIATE")); error.isValid())
        return error;
    QSqlError asked;
    if (pending.planned.id != 0 && plannedSpoken(q, pending.planned.id, &asked)) {
        // Recorded without the plan, and without the name it gave at START; a name typed for a
        // speech added by hand stays.
        if (s.byHand == SpeechRecord::ByHand::No && s.speakerName == pending.planned.speakerName)
            s.speakerName.clear();
        m_planLost = pending.planned.speakerName;
        pending.planned = PlanEntry();
    }
    if (asked.isValid()) {
        q.exec(QStringLiteral("ROLLBACK"));
        return asked;
    }
    s.meetingId = pending.intoMeeting > 0 ? pending.intoMeeting
                  : pending.beginsMeeting ? beginMeeting(q, s.startedAt)
                                          : meetingFor(q, s);
    if (s.meetingId > 0) {
        q.prepare(insertSpeechStatement());
        for (const SpeechColumn &column : SpeechColumns) {
            if (column.stored)
                q.addBindValue(column.stored(s));
        }
        QSqlError error = runToEnd(q);
        if (!error.isValid()) {
            s.id = q.lastInsertId().toLongLong();
            if (pending.planned.id != 0)
                error = linkPlanned(q, pending.planned, s.id);
        }
        if (!error.isValid())
            error = runToEnd(q, QStringLiteral("COMMIT"));
        if (!error.isValid())
            return error;
        q.exec(QStringLiteral("ROLLBACK"));
        return error;
    }
    // No meeting to put it in is a failure even when no statement said so.
    QSqlError error = q.lastError();
    if (!error.isValid())
        error = QSqlError(tr("no meeting for the speech"), QString(), QSqlError::UnknownError);
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
    return runToEnd(q).isValid() ? 0 : q.lastInsertId().toLongLong();
}

// ---- Reading and editing ------------------------------------------------------------------

qint64 MeetingStore::currentMeetingId()
{
    return m_newMeetingAsked ? 0 : latestMeetingId();
}

qint64 MeetingStore::latestMeetingId()
{
    if (!m_file.open())
        return 0;
    QSqlQuery q(m_file.database());
    q.prepare(QStringLiteral("SELECT MAX(id) FROM meeting"));
    return q.exec() && q.next() ? q.value(0).toLongLong() : 0;
}

QList<Meeting> MeetingStore::meetings()
{
    QList<Meeting> list;
    if (!m_file.open())
        return list;
    // A meeting's time is its first speech's START, or when it was begun if it has none. The
    // counts come with it, in the one query, however many meetings there are.
    QSqlQuery q(m_file.database());
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
        m_file.fail(tr("cannot read"), describe(q.lastError()));
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
    // The speeches waiting for the file count where they will go, the latest meeting for a timed
    // one unless a new one was asked for before it: one asked for after it begins after it.
    for (const Pending &p : qAsConst(m_pending)) {
        const qint64 into = p.intoMeeting > 0                   ? p.intoMeeting
                            : p.beginsMeeting || list.isEmpty() ? 0
                                                                : list.last().id;
        for (Meeting &m : list) {
            if (m.id != into)
                continue;
            ++m.speechCount;
            ++m.waitingCount;
            m.rehearsalCount += p.speech.rehearsal && !p.speech.mistakenStart;
            m.mistakenStartCount += p.speech.mistakenStart;
        }
    }
    return list;
}

bool MeetingStore::setMeetingDetails(qint64 meetingId, const QString &title,
                                     const QString &timerName)
{
    if (!m_file.open())
        return false;
    QSqlQuery q(m_file.database());
    q.prepare(QStringLiteral("INSERT INTO meeting_detail (meeting_id, title, timer_name)"
                             " VALUES (?, ?, ?) ON CONFLICT (meeting_id) DO UPDATE"
                             " SET title = excluded.title, timer_name = excluded.timer_name"));
    q.addBindValue(meetingId);
    q.addBindValue(storedText(cleanSpeakerName(title)));
    q.addBindValue(storedText(cleanSpeakerName(timerName)));
    m_file.setBusyTimeout(StopBusyTimeoutMs);
    const QSqlError error = runToEnd(q);
    m_file.setBusyTimeout(NeverWaitMs);
    if (error.isValid())
        return m_file.fail(tr("cannot change"), describe(error));
    m_checkpoint.start();
    emit changed(meetingId);
    return true;
}

QList<SpeechRecord> MeetingStore::speeches(qint64 meetingId)
{
    QList<SpeechRecord> list;
    if (!m_file.open())
        return list;
    QSqlQuery q(m_file.database());
    // Deleted ones too, as an undo waiting in memory may bring one back.
    q.prepare(QStringLiteral("SELECT %1, deleted FROM speech WHERE meeting_id = ?"
                             " ORDER BY started_utc_ms, id")
                  .arg(readSpeechColumns()));
    q.addBindValue(meetingId);
    if (!q.exec()) {
        m_file.fail(tr("cannot read"), describe(q.lastError()));
        return list;
    }
    while (q.next()) {
        SpeechRecord s = speechFrom(q);
        bool deleted = q.value(QStringLiteral("deleted")).toBool();
        applyWaitingEdits(s, deleted);
        if (!deleted)
            list.append(s);
    }
    return list;
}

QString MeetingStore::cleanSpeakerName(const QString &name)
{
    return SpeakerName::cleanedAndCut(name);
}

bool MeetingStore::setSpeakerName(qint64 speechId, const QString &name)
{
    return edit({SpeechEdit::Kind::Name, speechId, cleanSpeakerName(name)});
}

bool MeetingStore::deleteSpeech(qint64 speechId)
{
    if (!edit({SpeechEdit::Kind::Delete, speechId, QString()}))
        return false;
    m_deleted.append(speechId);
    return true;
}

bool MeetingStore::restoreLastDeleted()
{
    if (m_deleted.isEmpty() || !edit({SpeechEdit::Kind::Restore, m_deleted.last(), QString()}))
        return false;
    m_deleted.removeLast();
    return true;
}

bool MeetingStore::edit(const SpeechEdit &change)
{
    // A speech the file can be read for and has not is refused; one it cannot be read for now is
    // taken on trust, as the report showed it.
    const qint64 meetingId = meetingOf(change.speechId);
    if (meetingId == 0)
        return false;
    queue({change}, meetingId);
    return true;
}

void MeetingStore::queue(const QList<SpeechEdit> &changes, qint64 meetingId)
{
    m_pendingEdits.append(changes);
    // A name typed or a speech deleted waits for another copy's write as STOP's write does:
    // giving up at once would keep the operator's edit waiting for a lock held a few ms.
    if (!flushPending(StopBusyTimeoutMs) && meetingId >= 0)
        emit changed(meetingId); // shown as typed, marked as waiting
}

// The speech's meeting; 0 when the file has no such speech, -1 when it cannot be read now.
qint64 MeetingStore::meetingOf(qint64 speechId)
{
    if (!m_file.open())
        return -1;
    QSqlQuery q(m_file.database());
    q.prepare(QStringLiteral("SELECT meeting_id FROM speech WHERE id = ?"));
    q.addBindValue(speechId);
    if (!q.exec())
        return -1;
    return q.next() ? q.value(0).toLongLong() : 0;
}

// One transaction: the change, and the meeting it belongs to for those who show it.
QSqlError MeetingStore::writeEdit(const SpeechEdit &change, qint64 *meetingId)
{
    QSqlQuery q(m_file.database());
    if (const QSqlError error = runToEnd(q, QStringLiteral("BEGIN IMMEDIATE")); error.isValid())
        return error;
    QSqlError error;
    switch (change.kind) {
    case SpeechEdit::Kind::Name:
        q.prepare(QStringLiteral("UPDATE speech SET speaker_name = ? WHERE id = ?"));
        q.addBindValue(storedText(change.name));
        q.addBindValue(change.speechId);
        error = runToEnd(q);
        break;
    case SpeechEdit::Kind::Delete:
    case SpeechEdit::Kind::Restore:
        q.prepare(QStringLiteral("UPDATE speech SET deleted = ? WHERE id = ?"));
        q.addBindValue(change.kind == SpeechEdit::Kind::Delete ? 1 : 0);
        q.addBindValue(change.speechId);
        error = runToEnd(q);
        break;
    case SpeechEdit::Kind::Category:
    case SpeechEdit::Kind::Elapsed:
    case SpeechEdit::Kind::AsTimed:
        error = writeCorrection(q, change);
        break;
    case SpeechEdit::Kind::PlanAdd:
    case SpeechEdit::Kind::PlanRemove:
    case SpeechEdit::Kind::PlanMove:
    case SpeechEdit::Kind::PlanChange:
        error = writePlanEdit(q, change);
        break;
    case SpeechEdit::Kind::PlanLink:
        error = writePlanLink(q, change);
        break;
    }
    if (!error.isValid()) {
        q.prepare(QStringLiteral("SELECT meeting_id FROM speech WHERE id = ?"));
        q.addBindValue(change.speechId);
        if (q.exec() && q.next())
            *meetingId = q.value(0).toLongLong();
        q.finish();
        error = runToEnd(q, QStringLiteral("COMMIT"));
    }
    if (error.isValid())
        q.exec(QStringLiteral("ROLLBACK"));
    return error;
}

void MeetingStore::applyWaitingEdits(SpeechRecord &speech, bool &deleted) const
{
    for (const SpeechEdit &e : m_pendingEdits) {
        if (e.speechId != speech.id)
            continue;
        speech.editWaiting = true;
        if (e.kind == SpeechEdit::Kind::Name || e.kind == SpeechEdit::Kind::PlanLink)
            speech.speakerName = e.name;
        else if (e.kind == SpeechEdit::Kind::Delete || e.kind == SpeechEdit::Kind::Restore)
            deleted = e.kind == SpeechEdit::Kind::Delete;
        else
            applyCorrection(speech, e);
    }
}

// The speech as the file has it, changed as the edit says, written back whole.
QSqlError MeetingStore::writeCorrection(QSqlQuery &q, const SpeechEdit &change)
{
    q.prepare(QStringLiteral("SELECT %1 FROM speech WHERE id = ?").arg(readSpeechColumns()));
    q.addBindValue(change.speechId);
    if (!q.exec())
        return q.lastError();
    if (!q.next())
        return QSqlError(); // deleted for good meanwhile: nothing to change
    SpeechRecord speech = speechFrom(q);
    q.finish();
    applyCorrection(speech, change);
    q.prepare(updateSpeechStatement());
    for (const SpeechColumn &column : SpeechColumns) {
        if (column.stored)
            q.addBindValue(column.stored(speech));
    }
    q.addBindValue(change.speechId);
    return runToEnd(q);
}

// ---- What the file has not taken yet -----------------------------------------------------

Recovery MeetingStore::unsaved() const
{
    Recovery recovery;
    for (const Pending &p : m_pending)
        recovery.speeches.append({p.speech, p.beginsMeeting, p.planned, p.intoMeeting});
    recovery.edits = m_pendingEdits;
    return recovery;
}

QList<SpeechRecord> MeetingStore::unsavedSpeeches()
{
    QList<SpeechRecord> list;
    for (const Pending &p : qAsConst(m_pending))
        list.append(p.speech);
    QList<qint64> edited, meetings;
    for (const SpeechEdit &e : qAsConst(m_pendingEdits)) {
        edited.append(e.speechId);
        const qint64 meetingId = meetingOf(e.speechId);
        if (meetingId > 0 && !meetings.contains(meetingId))
            meetings.append(meetingId);
    }
    for (const qint64 meetingId : qAsConst(meetings)) {
        for (const SpeechRecord &s : speeches(meetingId)) {
            if (edited.contains(s.id))
                list.append(s);
        }
    }
    return list;
}

bool MeetingStore::retryNow()
{
    return flushPending(StopBusyTimeoutMs);
}

void MeetingStore::forgetUnsaved()
{
    m_pending.clear();
    m_pendingEdits.clear();
    m_retry.stop();
    // None of it reached the file: whoever dropped it says where it went.
    if (!m_shownSaved) {
        m_shownSaved = true;
        m_file.clearError();
        emit savedChanged(true);
    }
}

bool MeetingStore::takeIn(const Recovery &recovery)
{
    for (const Recovery::Speech &kept : recovery.speeches) {
        // Taken in before, by this copy or another: the record has it already.
        if (m_file.open()) {
            QSqlQuery q(m_file.database());
            q.prepare(QStringLiteral("SELECT 1 FROM speech WHERE started_utc_ms = ? AND"
                                     " row_index = ? AND elapsed_seconds = ?"));
            q.addBindValue(kept.record.startedAt.toMSecsSinceEpoch());
            q.addBindValue(kept.record.rowIndex);
            q.addBindValue(kept.record.elapsedSeconds);
            if (q.exec() && q.next())
                continue;
        }
        SpeechRecord speech = kept.record;
        speech.id = 0;
        speech.meetingId = 0;
        m_pending.append({speech, kept.beginsMeeting, kept.planned, kept.intoMeeting, 0});
    }
    m_pendingEdits.append(recovery.edits);
    return flushPending(StopBusyTimeoutMs);
}

void MeetingStore::checkpoint()
{
    m_checkpoint.stop();
    if (!m_file.isOpen())
        return;
    // Never waits: a copy reading now leaves it for the next time.
    QSqlQuery q(m_file.database());
    runToEnd(q, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
}

QString MeetingStore::backUpTo(const QString &path)
{
    // Waits for another copy's lock as STOP's write does: the operator asked for it now.
    m_file.setBusyTimeout(StopBusyTimeoutMs);
    const QString error = backUp(path);
    m_file.setBusyTimeout(NeverWaitMs);
    return error;
}

QString MeetingStore::backUp(const QString &path)
{
    if (!m_file.open())
        return m_file.lastError();
    // Written beside the target and put in its place whole: a copy cut short never replaces a
    // good one.
    const QString part = path + QStringLiteral(".part");
    QFile::remove(part);
    QSqlQuery q(m_file.database());
    q.prepare(QStringLiteral("VACUUM INTO ?"));
    q.addBindValue(part);
    const QSqlError error = runToEnd(q);
    if (error.isValid()) {
        QFile::remove(part);
        return describe(error);
    }
    if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(path).constData()) !=
        0) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(part);
        return why;
    }
    return QString();
}
