// SPDX-License-Identifier: MIT
#include "record/meetingstore.h"

#include "record/meetingstore_p.h"

#include <QHash>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

#include <algorithm>

using namespace StoreInternals;

namespace {

// Far below the largest integer a spreadsheet or a JSON reader keeps exact.
constexpr qint64 PlannedIdLimit = qint64(1) << 53;

// A planned row is not spoken while it has no speech, or only one deleted since.
const QString Unspoken =
    QStringLiteral("(speech_id IS NULL OR speech_id IN (SELECT id FROM speech WHERE deleted = 1))");
const QString PlanColumns =
    QStringLiteral("id, speaker_name, row_index, green_text, yellow_text, red_text,"
                   " green_seconds, yellow_seconds, red_seconds, speech_id");
const QString InsertPlanned = QStringLiteral(
    "INSERT INTO planned_speech (id, position, speaker_name, row_index, description, green_text,"
    " yellow_text, red_text, green_seconds, yellow_seconds, red_seconds)"
    " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");

PlanEntry planFrom(const QSqlQuery &q)
{
    PlanEntry e;
    e.id = q.value(0).toLongLong();
    e.speakerName = q.value(1).toString();
    e.rowIndex = q.value(2).toInt();
    for (int i = 0; i < 3; ++i) {
        e.thresholdTexts[size_t(i)] = q.value(3 + i).toString();
        e.thresholdSeconds[size_t(i)] = q.value(6 + i).toInt();
    }
    e.speechId = q.value(9).toLongLong();
    return e;
}

// Runs the statement prepared from InsertPlanned for the row.
QSqlError writePrepared(QSqlQuery &q, const PlanEntry &e, int position)
{
    for (const QVariant &v : {QVariant(e.id), QVariant(position), storedText(e.speakerName),
                              QVariant(e.rowIndex), storedText(e.description())})
        q.addBindValue(v);
    for (const QString &text : e.thresholdTexts)
        q.addBindValue(storedText(text));
    for (const int seconds : e.thresholdSeconds)
        q.addBindValue(seconds);
    return runToEnd(q);
}

QSqlError writePlanned(QSqlQuery &q, const PlanEntry &e, int position, const QString &onConflict)
{
    q.prepare(InsertPlanned + onConflict);
    return writePrepared(q, e, position);
}

qsizetype indexOf(const QList<PlanEntry> &plan, qint64 id)
{
    for (qsizetype i = 0; i < plan.size(); ++i) {
        if (plan.at(i).id == id)
            return i;
    }
    return -1;
}

void insertBefore(QList<PlanEntry> &plan, const QList<PlanEntry> &rows, qint64 beforeId)
{
    qsizetype at = beforeId == 0 ? -1 : indexOf(plan, beforeId);
    if (at < 0)
        at = plan.size();
    for (const PlanEntry &row : rows)
        plan.insert(at++, row);
}

// One edit of the plan, the same on the file's rows as on those shown while it waits.
void applyPlanEdit(QList<PlanEntry> &plan, const SpeechEdit &e)
{
    QList<PlanEntry> rows;
    switch (e.kind) {
    case SpeechEdit::Kind::PlanAdd:
        for (const PlanEntry &row : e.planned) {
            if (indexOf(plan, row.id) < 0)
                rows << row;
        }
        insertBefore(plan, rows, e.beforeId);
        break;
    case SpeechEdit::Kind::PlanRemove:
    case SpeechEdit::Kind::PlanMove:
        for (const PlanEntry &row : e.planned) {
            const qsizetype i = indexOf(plan, row.id);
            if (i >= 0)
                rows << plan.takeAt(i);
        }
        if (e.kind == SpeechEdit::Kind::PlanMove)
            insertBefore(plan, rows, e.beforeId);
        break;
    case SpeechEdit::Kind::PlanChange:
        if (const qsizetype i = e.planned.isEmpty() ? -1 : indexOf(plan, e.planned.first().id);
            i >= 0)
            plan[i] = e.planned.first();
        break;
    // Its place in the plan is the file's: while it waits, it is the next to come.
    case SpeechEdit::Kind::PlanLink:
        if (const qsizetype i = e.planned.isEmpty() ? -1 : indexOf(plan, e.planned.first().id);
            i >= 0 && e.planned.first().speechId != 0)
            plan.removeAt(i);
        else if (i < 0 && !e.planned.isEmpty() && e.planned.first().speechId == 0)
            plan.prepend(e.planned.first());
        break;
    default:
        break;
    }
}

} // namespace

QList<PlanEntry> MeetingStore::plan()
{
    QList<PlanEntry> list;
    if (m_file.open()) {
        QSqlQuery q(m_file.database());
        if (const QSqlError error = readPlan(q, &list); error.isValid()) {
            m_file.fail(tr("cannot read"), describe(error));
            list.clear();
        }
    }
    for (const SpeechEdit &e : qAsConst(m_pendingEdits))
        applyPlanEdit(list, e);
    // A row whose speech waits in memory is spoken already.
    for (const Pending &p : qAsConst(m_pending)) {
        if (const qsizetype i = p.planned.id == 0 ? -1 : indexOf(list, p.planned.id); i >= 0)
            list.removeAt(i);
    }
    return list;
}

PlanEntry MeetingStore::plannedRow(qint64 plannedId)
{
    if (plannedId == 0)
        return PlanEntry();
    for (const PlanEntry &row : plan()) {
        if (row.id == plannedId)
            return row;
    }
    // Spoken already, in another copy: kept, so that the speech is recorded without it and says so.
    if (m_file.open()) {
        QSqlQuery q(m_file.database());
        q.prepare(QStringLiteral("SELECT %1 FROM planned_speech WHERE id = ?").arg(PlanColumns));
        q.addBindValue(plannedId);
        if (q.exec() && q.next())
            return planFrom(q);
    }
    return PlanEntry();
}

// Asked inside the speech's own transaction, so that two copies never both link one row.
bool MeetingStore::plannedSpoken(QSqlQuery &q, qint64 plannedId, QSqlError *error)
{
    q.prepare(QStringLiteral("SELECT 1 FROM planned_speech WHERE id = ? AND NOT ") + Unspoken);
    q.addBindValue(plannedId);
    if (!q.exec()) {
        *error = q.lastError();
        return false;
    }
    const bool spoken = q.next();
    q.finish();
    return spoken;
}

QList<AgendaItem> MeetingStore::agenda(qint64 meetingId)
{
    QHash<qint64, PlanEntry> plannedFor; // by speech
    if (m_file.open()) {
        QSqlQuery q(m_file.database());
        q.prepare(QStringLiteral("SELECT %1 FROM planned_speech WHERE speech_id IN"
                                 " (SELECT id FROM speech WHERE meeting_id = ?)")
                      .arg(PlanColumns));
        q.addBindValue(meetingId);
        if (q.exec()) {
            while (q.next()) {
                const PlanEntry row = planFrom(q);
                plannedFor.insert(row.speechId, row);
            }
        }
    }
    QList<AgendaItem> items;
    for (const SpeechRecord &s : speeches(meetingId))
        items.append({plannedFor.value(s.id), s, false});
    const bool current = meetingId == currentMeetingId();
    const bool latest = meetingId == latestMeetingId();
    // A speech waiting for the file is shown where it will go, marked as waiting: a New Meeting
    // asked for after it begins after it.
    for (const Pending &p : qAsConst(m_pending)) {
        if (p.intoMeeting > 0 ? p.intoMeeting == meetingId : p.beginsMeeting ? current : latest)
            items.append({p.planned, p.speech, true});
    }
    if (!current)
        return items;
    for (const PlanEntry &row : plan())
        items.append({row, std::nullopt, false});
    return items;
}

QList<PlanEntry> MeetingStore::addPlanned(const QList<PlanEntry> &rows, qint64 beforeId)
{
    if (!std::all_of(
            rows.cbegin(), rows.cend(),
            [](const PlanEntry &row) { return SpeechCategories::isPlannable(row.rowIndex); }) ||
        plan().size() + rows.size() > SpeechCategories::MaxPlannedSpeeches)
        return {};
    SpeechEdit add;
    add.kind = SpeechEdit::Kind::PlanAdd;
    add.beforeId = beforeId;
    for (PlanEntry row : rows) {
        row.id = QRandomGenerator::global()->bounded(qint64(1), PlannedIdLimit);
        row.speakerName = cleanSpeakerName(row.speakerName);
        row.speechId = 0;
        add.planned << row;
    }
    if (add.planned.isEmpty())
        return {};
    SpeechEdit remove;
    remove.kind = SpeechEdit::Kind::PlanRemove;
    remove.planned = add.planned;
    editPlan(add, {remove});
    return add.planned;
}

// Each row goes back before the row that followed it, the last first, so that the row it
// goes before is in its place already.
QList<SpeechEdit> MeetingStore::putBack(SpeechEdit::Kind kind, const QList<qint64> &plannedIds,
                                        const QList<PlanEntry> &before)
{
    QList<SpeechEdit> back;
    for (qsizetype i = before.size() - 1; i >= 0; --i) {
        if (!plannedIds.contains(before.at(i).id))
            continue;
        SpeechEdit e;
        e.kind = kind;
        e.planned = {before.at(i)};
        e.beforeId = i + 1 < before.size() ? before.at(i + 1).id : 0;
        back << e;
    }
    return back;
}

bool MeetingStore::removePlanned(const QList<qint64> &plannedIds)
{
    const QList<PlanEntry> now = plan();
    SpeechEdit remove;
    remove.kind = SpeechEdit::Kind::PlanRemove;
    for (const PlanEntry &row : now) {
        if (plannedIds.contains(row.id))
            remove.planned << row;
    }
    if (remove.planned.isEmpty())
        return false;
    editPlan(remove, putBack(SpeechEdit::Kind::PlanAdd, plannedIds, now));
    return true;
}

bool MeetingStore::movePlanned(const QList<qint64> &plannedIds, qint64 beforeId)
{
    const QList<PlanEntry> now = plan();
    SpeechEdit move;
    move.kind = SpeechEdit::Kind::PlanMove;
    move.beforeId = beforeId;
    for (const qint64 id : plannedIds) {
        if (const qsizetype i = indexOf(now, id); i >= 0)
            move.planned << now.at(i);
    }
    if (move.planned.isEmpty())
        return false;
    editPlan(move, putBack(SpeechEdit::Kind::PlanMove, plannedIds, now));
    return true;
}

bool MeetingStore::changePlanned(const PlanEntry &row)
{
    const qsizetype i = SpeechCategories::isPlannable(row.rowIndex) ? indexOf(plan(), row.id) : -1;
    if (i < 0)
        return false;
    SpeechEdit change, back;
    change.kind = back.kind = SpeechEdit::Kind::PlanChange;
    change.planned = {row};
    change.planned.first().speakerName = cleanSpeakerName(row.speakerName);
    change.planned.first().speechId = 0;
    back.planned = {plan().at(i)};
    editPlan(change, {back});
    return true;
}

void MeetingStore::editPlan(const SpeechEdit &change, const QList<SpeechEdit> &undoing)
{
    m_undo.append({undoing, 0});
    queue({change}, currentMeetingId());
}

// The planned row the speech was timed for, and the link to it; a row another copy removed
// meanwhile is put back, spoken.
QSqlError MeetingStore::linkPlanned(QSqlQuery &q, const PlanEntry &planned, qint64 speechId)
{
    if (const QSqlError error =
            writePlanned(q, planned, 0, QStringLiteral(" ON CONFLICT (id) DO NOTHING"));
        error.isValid())
        return error;
    q.prepare(QStringLiteral("UPDATE planned_speech SET speech_id = ? WHERE id = ? AND ") +
              Unspoken);
    q.addBindValue(speechId);
    q.addBindValue(planned.id);
    return runToEnd(q);
}

// The plan as the file has it now, another copy's edits included, changed as the edit says.
QSqlError MeetingStore::writePlanEdit(QSqlQuery &q, const SpeechEdit &change)
{
    QList<PlanEntry> before;
    if (const QSqlError error = readPlan(q, &before); error.isValid())
        return error;
    QList<PlanEntry> after = before;
    applyPlanEdit(after, change);
    q.prepare(QStringLiteral("DELETE FROM planned_speech WHERE id = ? AND ") + Unspoken);
    for (const PlanEntry &row : qAsConst(before)) {
        if (indexOf(after, row.id) >= 0)
            continue;
        q.addBindValue(row.id);
        if (const QSqlError error = runToEnd(q); error.isValid())
            return error;
    }
    static const QString update = [] {
        QStringList sets;
        for (const char *column :
             {"position", "speaker_name", "row_index", "description", "green_text", "yellow_text",
              "red_text", "green_seconds", "yellow_seconds", "red_seconds"})
            sets << QStringLiteral("%1 = excluded.%1").arg(QLatin1String(column));
        return QStringLiteral(" ON CONFLICT (id) DO UPDATE SET %1 WHERE ").arg(sets.join(u',')) +
               Unspoken;
    }();
    // Prepared once: a plan of hundreds of rows is written while a speech may be timed.
    q.prepare(InsertPlanned + update);
    for (qsizetype i = 0; i < after.size(); ++i) {
        if (const QSqlError error = writePrepared(q, after.at(i), int(i + 1)); error.isValid())
            return error;
    }
    return QSqlError();
}

QSqlError MeetingStore::readPlan(QSqlQuery &q, QList<PlanEntry> *plan)
{
    q.prepare(QStringLiteral("SELECT %1 FROM planned_speech WHERE %2 ORDER BY position, id")
                  .arg(PlanColumns, Unspoken));
    if (!q.exec())
        return q.lastError();
    while (q.next()) {
        PlanEntry row = planFrom(q);
        row.speechId = 0;
        plan->append(row);
    }
    return q.lastError();
}

bool MeetingStore::markNotPlanned(qint64 speechId)
{
    const qint64 meetingId = meetingOf(speechId);
    if (meetingId <= 0)
        return false;
    QSqlQuery q(m_file.database());
    q.prepare(QStringLiteral("SELECT %1 FROM planned_speech WHERE speech_id = ?").arg(PlanColumns));
    q.addBindValue(speechId);
    if (!q.exec() || !q.next())
        return false;
    PlanEntry row = planFrom(q);
    q.finish();
    QString name;
    for (const SpeechRecord &s : speeches(meetingId)) {
        if (s.id == speechId)
            name = s.speakerName;
    }
    SpeechEdit unlink, back;
    unlink.kind = back.kind = SpeechEdit::Kind::PlanLink;
    unlink.speechId = back.speechId = speechId;
    back.name = name;
    back.planned = {row};
    unlink.name = name == row.speakerName ? QString() : name;
    row.speechId = 0;
    unlink.planned = {row};
    editPlan(unlink, {back});
    return true;
}

// The speech's name and its planned row's link, together; a row another speech took meanwhile
// keeps that one, and the speech then keeps its name: the planned name would be untrue.
QSqlError MeetingStore::writePlanLink(QSqlQuery &q, const SpeechEdit &change)
{
    if (change.planned.isEmpty())
        return QSqlError();
    const PlanEntry &row = change.planned.first();
    if (row.speechId == 0) {
        q.prepare(QStringLiteral("UPDATE planned_speech SET speech_id = NULL"
                                 " WHERE id = ? AND speech_id = ?"));
        q.addBindValue(row.id);
        q.addBindValue(change.speechId);
    } else {
        q.prepare(QStringLiteral("UPDATE planned_speech SET speech_id = ? WHERE id = ? AND ") +
                  Unspoken);
        q.addBindValue(row.speechId);
        q.addBindValue(row.id);
    }
    if (const QSqlError error = runToEnd(q);
        error.isValid() || (row.speechId != 0 && q.numRowsAffected() == 0))
        return error;
    q.prepare(QStringLiteral("UPDATE speech SET speaker_name = ? WHERE id = ?"));
    q.addBindValue(storedText(change.name));
    q.addBindValue(change.speechId);
    return runToEnd(q);
}
