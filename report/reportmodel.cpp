// SPDX-License-Identifier: MIT
#include "report/reportmodel.h"

#include "record/meetingstore.h"
#include "report/speechlabels.h"

#include "timing/clocktext.h"
#include "timing/speechcategories.h"

#include <QBrush>
#include <QDataStream>
#include <QFont>
#include <QIODevice>
#include <QMimeData>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

const QString PlannedRowsType = QStringLiteral("application/x-lecternworks-planned-rows");

// What a row stays while it changes: its planned speech, spoken or not, or its speech; the
// speech being timed without a plan has neither yet.
std::pair<qint64, qint64> rowKey(const AgendaItem &item)
{
    if (item.isPlanned())
        return {item.planned.id, 0};
    return {0, item.speech ? item.speech->id : -1};
}

// Where longer is shorter with one run of rows added: the run's first row; -1 when the two
// differ otherwise.
qsizetype addedRun(const QList<AgendaItem> &longer, const QList<AgendaItem> &shorter)
{
    qsizetype first = 0;
    while (first < shorter.size() && rowKey(longer.at(first)) == rowKey(shorter.at(first)))
        ++first;
    const qsizetype run = longer.size() - shorter.size();
    for (qsizetype i = first; i < shorter.size(); ++i) {
        if (rowKey(longer.at(i + run)) != rowKey(shorter.at(i)))
            return -1;
    }
    return first;
}

bool sameRow(const AgendaItem &a, const AgendaItem &b)
{
    return a.planned == b.planned && a.speechWaiting == b.speechWaiting &&
           a.speech.has_value() == b.speech.has_value() &&
           (!a.speech || (a.speech->speakerName == b.speech->speakerName &&
                          a.speech->editWaiting == b.speech->editWaiting &&
                          a.speech->elapsedSeconds == b.speech->elapsedSeconds &&
                          a.speech->rowIndex == b.speech->rowIndex &&
                          a.speech->thresholdSeconds == b.speech->thresholdSeconds &&
                          a.speech->byHand == b.speech->byHand));
}

QVariant sortKey(const SpeechRecord &s, int row, int column)
{
    switch (column) {
    case SpeechLabels::Time:
        return qint64(row);
    case SpeechLabels::Green:
    case SpeechLabels::Yellow:
    case SpeechLabels::Red:
        return qint64(s.thresholdSeconds[std::size_t(column - SpeechLabels::Green)]);
    case SpeechLabels::Elapsed:
        return qint64(s.elapsedSeconds);
    case SpeechLabels::Lamp:
        return qint64(s.lampReached);
    case SpeechLabels::Grace:
        return qint64(s.graceSeconds);
    case SpeechLabels::VerdictColumn: {
        // Rehearsals first, then the furthest under, up to the furthest over.
        constexpr qint64 Apart = 1'000'000;
        if (s.rehearsal || s.mistakenStart)
            return -3 * Apart;
        const Verdict v = s.verdict();
        switch (v.kind) {
        case Verdict::Kind::Under:
            return -Apart - v.bySeconds;
        case Verdict::Kind::Over:
            return Apart + v.bySeconds;
        case Verdict::Kind::Qualified:
            return qint64(0);
        case Verdict::Kind::NoLimits:
        case Verdict::Kind::None:
            break;
        }
        return -2 * Apart;
    }
    default:
        break;
    }
    return SpeechLabels::cell(s, column);
}

// The tip with a line for each paired device that started or stopped the speech. A device's name
// is what it said of itself: with one in it, the tip is rich text and every line escaped.
QString withDevices(const QString &tip, const SpeechRecord &s)
{
    QStringList lines;
    if (!s.startedBy.isEmpty())
        lines << ReportModel::tr("Started from the device %1").arg(s.startedBy);
    if (!s.stoppedBy.isEmpty())
        lines << ReportModel::tr("Stopped from the device %1").arg(s.stoppedBy);
    if (lines.isEmpty())
        return tip;
    if (!tip.isEmpty())
        lines.prepend(tip);
    return QStringLiteral("<qt>%1</qt>")
        .arg(lines.join(u'\n').toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")));
}

} // namespace

ReportModel::ReportModel(MeetingStore *store, QObject *parent)
    : QAbstractTableModel(parent), m_store(store)
{
    connect(m_store, &MeetingStore::changed, this, &ReportModel::storeChanged);
    connect(m_store, &MeetingStore::changedElsewhere, this, &ReportModel::reload);
}

void ReportModel::setMeeting(qint64 meetingId)
{
    m_meetingId = meetingId;
    beginResetModel();
    m_items.clear();
    endResetModel();
    reload();
}

void ReportModel::setShowRehearsals(bool show)
{
    if (show == m_showRehearsals)
        return;
    m_showRehearsals = show;
    beginResetModel();
    m_items.clear();
    endResetModel();
    reload();
}

void ReportModel::storeChanged(qint64 meetingId)
{
    if (meetingId == m_meetingId)
        reload();
}

bool ReportModel::isRehearsal(const SpeechRecord &speech)
{
    return speech.rehearsal || speech.mistakenStart;
}

void ReportModel::setNextPlanned(qint64 plannedId)
{
    if (plannedId == m_next)
        return;
    const int was = rowOfPlanned(m_next);
    m_next = plannedId;
    for (const int row : {was, rowOfPlanned(m_next)}) {
        if (row >= 0)
            emit dataChanged(index(row, 0), index(row, SpeechLabels::ColumnCount - 1));
    }
}

void ReportModel::setRunning(const SpeechRecord &run, qint64 plannedId, int elapsedSeconds)
{
    const bool same =
        run.startedAt.isValid() && run.startedAt == m_run.startedAt && plannedId == m_runPlanned;
    m_run = run;
    m_run.elapsedSeconds = elapsedSeconds;
    m_runPlanned = run.startedAt.isValid() ? plannedId : 0;
    if (!same) {
        reload();
        return;
    }
    // Once a second: the one cell that counts.
    for (int row = 0; row < m_items.size(); ++row) {
        if (isRunningRow(row)) {
            m_items[row].speech->elapsedSeconds = elapsedSeconds;
            const QModelIndex cell = index(row, SpeechLabels::Elapsed);
            emit dataChanged(cell, cell, {Qt::DisplayRole});
        }
    }
}

bool ReportModel::isRunningRow(int row) const
{
    if (!m_run.startedAt.isValid() || row < 0 || row >= m_items.size())
        return false;
    const AgendaItem &item = m_items.at(row);
    if (m_runPlanned != 0)
        return item.planned.id == m_runPlanned && item.speech && item.speech->id == 0;
    return !item.isPlanned() && item.speech && item.speech->id == 0;
}

void ReportModel::reload()
{
    m_read = m_store->agenda(m_meetingId);
    m_all.clear();
    m_shown.clear();
    QList<AgendaItem> items;
    for (const AgendaItem &item : std::as_const(m_read)) {
        if (item.speech)
            m_all << *item.speech;
        if (item.speech && !m_showRehearsals && isRehearsal(*item.speech))
            continue;
        if (item.speech)
            m_shown << *item.speech;
        items << item;
    }
    // The speech being timed: in its planned row, or after the speeches spoken.
    if (m_run.startedAt.isValid() && m_meetingId == m_store->currentMeetingId()) {
        AgendaItem running;
        running.speech = m_run;
        running.speech->id = 0;
        qsizetype at = 0;
        while (at < items.size() && items.at(at).isSpoken())
            ++at;
        for (qsizetype i = at; i < items.size(); ++i) {
            if (m_runPlanned != 0 && items.at(i).planned.id == m_runPlanned)
                at = i;
        }
        if (at < items.size() && m_runPlanned != 0 && items.at(at).planned.id == m_runPlanned) {
            running.planned = items.at(at).planned;
            if (running.speech->speakerName.isEmpty())
                running.speech->speakerName = running.planned.speakerName;
            items[at] = running;
        } else {
            items.insert(at, running);
        }
    }
    if (!followRows(items)) {
        beginResetModel();
        m_items = items;
        endResetModel();
    }
    emit speechesChanged();
}

// A speech recorded, deleted or brought back, or a planned row added or removed, while the table
// is open is a row inserted or removed, and a change to a row changes that row: a name being
// typed into another row goes on undisturbed. False, and nothing changed, when the rows differ
// in another way.
bool ReportModel::followRows(const QList<AgendaItem> &items)
{
    const bool grown = items.size() >= m_items.size();
    const qsizetype first = grown ? addedRun(items, m_items) : addedRun(m_items, items);
    if (first < 0)
        return false;
    const qsizetype run = qAbs(items.size() - m_items.size());
    if (run > 0 && grown) {
        beginInsertRows(QModelIndex(), int(first), int(first + run - 1));
        for (qsizetype i = first; i < first + run; ++i)
            m_items.insert(i, items.at(i));
        endInsertRows();
    } else if (run > 0) {
        beginRemoveRows(QModelIndex(), int(first), int(first + run - 1));
        m_items.remove(first, run);
        endRemoveRows();
    }
    for (qsizetype i = 0; i < items.size(); ++i) {
        const bool same = sameRow(m_items.at(i), items.at(i));
        m_items[i] = items.at(i);
        if (!same)
            emit dataChanged(index(int(i), 0), index(int(i), SpeechLabels::ColumnCount - 1));
    }
    return true;
}

SpeechRecord ReportModel::rowSpeech(int row) const
{
    const AgendaItem &item = m_items.at(row);
    if (item.speech)
        return *item.speech;
    SpeechRecord planned;
    planned.rowIndex = item.planned.rowIndex;
    planned.description = item.planned.description();
    planned.thresholdTexts = item.planned.thresholdTexts;
    planned.thresholdSeconds = item.planned.thresholdSeconds;
    planned.speakerName = item.planned.speakerName;
    planned.rehearsal = planned.rowIndex == SpeechCategories::TestRow;
    return planned;
}

QList<PlanEntry> ReportModel::plan() const
{
    QList<PlanEntry> entries;
    for (const AgendaItem &item : m_read) {
        if (item.isPlanned())
            entries << item.planned;
    }
    return entries;
}

int ReportModel::rowOfPlanned(qint64 plannedId) const
{
    if (plannedId == 0)
        return -1;
    for (int row = 0; row < m_items.size(); ++row) {
        if (m_items.at(row).planned.id == plannedId)
            return row;
    }
    return -1;
}

int ReportModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_items.size());
}

int ReportModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : SpeechLabels::ColumnCount;
}

QVariant ReportModel::data(const QModelIndex &index, int role) const
{
    // A view asks for every role of every cell it sizes: those not answered cost nothing.
    static constexpr int Answered[] = {Qt::DisplayRole,      Qt::EditRole,    Qt::ForegroundRole,
                                       Qt::FontRole,         Qt::ToolTipRole, SortRole,
                                       Qt::TextAlignmentRole};
    if (!checkIndex(index, CheckIndexOption::IndexIsValid) ||
        std::find(std::begin(Answered), std::end(Answered), role) == std::end(Answered))
        return {};
    const AgendaItem &item = m_items.at(index.row());
    const SpeechRecord s = rowSpeech(index.row());
    const int column = index.column();
    const bool running = isRunningRow(index.row());
    const bool next = item.isPlanned() && !item.isSpoken() && item.planned.id == m_next;
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (running && column > SpeechLabels::Elapsed)
            return column == SpeechLabels::VerdictColumn ? tr("being timed") : QString();
        if (running && column == SpeechLabels::Elapsed)
            return clockText(s.elapsedSeconds);
        if (!item.isSpoken() && (column == SpeechLabels::Time))
            return next ? tr("next") : QString();
        if (!item.isSpoken() && column > SpeechLabels::Red)
            return QString();
        if (column == SpeechLabels::VerdictColumn && s.byHand != SpeechRecord::ByHand::No)
            return tr("%1 (set by hand)").arg(SpeechLabels::cell(s, column));
        return SpeechLabels::cell(s, column);
    case Qt::ForegroundRole:
        if (column == SpeechLabels::VerdictColumn && item.isSpoken() && !running)
            return QBrush(SpeechLabels::verdictColor(s));
        break;
    case Qt::FontRole:
        if (s.editWaiting || item.speechWaiting || next || running) {
            QFont font;
            font.setItalic(s.editWaiting || item.speechWaiting);
            font.setBold(next || running);
            return font;
        }
        break;
    case Qt::ToolTipRole:
        if (s.editWaiting || item.speechWaiting)
            return tr("Not saved in the meeting record yet: it is tried again every few "
                      "seconds");
        if (next)
            return tr("Speaks next: START times this speech");
        if (s.byHand == SpeechRecord::ByHand::Added)
            return tr("Added by hand");
        if (s.byHand == SpeechRecord::ByHand::Changed && s.asTimed)
            return withDevices(tr("Set by hand; timed as %1, %2")
                                   .arg(QString(s.asTimed->description).simplified(),
                                        clockText(s.asTimed->elapsedSeconds)),
                               s);
        if (column == SpeechLabels::Speaker && s.speakerName.isEmpty())
            return withDevices(tr("Press Enter or F2 to type the speaker's name"), s);
        if (const QString fromDevices = withDevices(QString(), s); !fromDevices.isEmpty())
            return fromDevices;
        break;
    case SortRole:
        return sortKey(s, index.row(), column);
    case Qt::TextAlignmentRole:
        if ((column >= SpeechLabels::Green && column <= SpeechLabels::Elapsed) ||
            column == SpeechLabels::Grace)
            return int(Qt::AlignRight | Qt::AlignVCenter);
        break;
    default:
        break;
    }
    return {};
}

QVariant ReportModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    return orientation == Qt::Horizontal ? QVariant(SpeechLabels::heading(section))
                                         : QVariant(section + 1);
}

Qt::ItemFlags ReportModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (!index.isValid())
        return flags | Qt::ItemIsDropEnabled;
    if (index.column() == SpeechLabels::Speaker && !isRunningRow(index.row()))
        flags |= Qt::ItemIsEditable;
    if (!m_items.at(index.row()).isSpoken())
        flags |= Qt::ItemIsDragEnabled;
    return flags | Qt::ItemIsDropEnabled;
}

bool ReportModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || index.column() != SpeechLabels::Speaker ||
        !checkIndex(index, CheckIndexOption::IndexIsValid) || isRunningRow(index.row()))
        return false;
    const AgendaItem &item = m_items.at(index.row());
    bool saved = false;
    if (item.speech) {
        saved = m_store->setSpeakerName(item.speech->id, value.toString());
    } else {
        PlanEntry renamed = item.planned;
        renamed.speakerName = value.toString();
        saved = m_store->changePlanned(renamed);
        if (saved)
            emit plannedRenamed(tr("the planned speaker renamed"));
    }
    if (!saved)
        emit nameNotSaved(m_store->lastError());
    return saved;
}

bool ReportModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row + count > m_items.size())
        return false;
    // Ids first: each deletion reloads the rows, which removes its row.
    QList<qint64> speeches;
    QList<qint64> planned;
    for (int i = row; i < row + count; ++i) {
        const AgendaItem &item = m_items.at(i);
        if (isRunningRow(i))
            return false;
        if (item.speech)
            speeches << item.speech->id;
        else
            planned << item.planned.id;
    }
    bool ok = planned.isEmpty() || m_store->removePlanned(planned);
    for (const qint64 id : speeches)
        ok = m_store->deleteSpeech(id) && ok;
    return ok;
}

bool ReportModel::restoreLastDeleted()
{
    return m_store->restoreLastDeleted();
}

QStringList ReportModel::mimeTypes() const
{
    return {PlannedRowsType};
}

QMimeData *ReportModel::mimeData(const QModelIndexList &indexes) const
{
    QList<qint64> ids;
    for (const QModelIndex &index : indexes) {
        const qint64 id = index.isValid() ? m_items.at(index.row()).planned.id : 0;
        if (id != 0 && !m_items.at(index.row()).isSpoken() && !ids.contains(id))
            ids << id;
    }
    if (ids.isEmpty())
        return nullptr;
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << ids;
    auto *data = new QMimeData;
    data->setData(PlannedRowsType, bytes);
    return data;
}

// Dropped on a row or before it: before that row's planned speech, or the next one still to
// come after it; past the last, at the end.
bool ReportModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int,
                               const QModelIndex &parent)
{
    if (action != Qt::MoveAction || !data->hasFormat(PlannedRowsType))
        return false;
    QList<qint64> ids;
    QDataStream stream(data->data(PlannedRowsType));
    stream >> ids;
    int at = row >= 0 ? row : (parent.isValid() ? parent.row() : int(m_items.size()));
    while (at < m_items.size() && (m_items.at(at).isSpoken() || !m_items.at(at).isPlanned()))
        ++at;
    const qint64 beforeId = at < m_items.size() ? m_items.at(at).planned.id : 0;
    if (!ids.isEmpty() && !ids.contains(beforeId))
        emit moveAsked(ids, beforeId);
    // The store moves the rows; the view removes none itself.
    return false;
}
