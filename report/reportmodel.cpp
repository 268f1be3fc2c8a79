// SPDX-License-Identifier: MIT
#include "report/reportmodel.h"

#include "record/meetingstore.h"
#include "report/speechlabels.h"

#include <QBrush>
#include <QFont>

namespace {

// Where longer is shorter with one run of speeches added: the run's first row; -1 when the two
// differ otherwise.
qsizetype addedRun(const QList<SpeechRecord> &longer, const QList<SpeechRecord> &shorter)
{
    qsizetype first = 0;
    while (first < shorter.size() && longer.at(first).id == shorter.at(first).id)
        ++first;
    const qsizetype run = longer.size() - shorter.size();
    for (qsizetype i = first; i < shorter.size(); ++i) {
        if (longer.at(i + run).id != shorter.at(i).id)
            return -1;
    }
    return first;
}

QVariant sortKey(const SpeechRecord &s, int column)
{
    switch (column) {
    case SpeechLabels::Time:
        return s.startedAt.toMSecsSinceEpoch();
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

} // namespace

ReportModel::ReportModel(MeetingStore *store, QObject *parent)
    : QAbstractTableModel(parent), m_store(store)
{
    connect(m_store, &MeetingStore::changed, this, &ReportModel::storeChanged);
}

void ReportModel::setMeeting(qint64 meetingId)
{
    m_meetingId = meetingId;
    beginResetModel();
    m_all.clear();
    m_shown.clear();
    endResetModel();
    reload();
}

void ReportModel::setShowRehearsals(bool show)
{
    if (show == m_showRehearsals)
        return;
    m_showRehearsals = show;
    beginResetModel();
    m_shown.clear();
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

void ReportModel::reload()
{
    m_all = m_meetingId > 0 ? m_store->speeches(m_meetingId) : QList<SpeechRecord>();
    QList<SpeechRecord> shown;
    for (const SpeechRecord &s : std::as_const(m_all)) {
        if (m_showRehearsals || !isRehearsal(s))
            shown << s;
    }
    if (!followRows(shown)) {
        beginResetModel();
        m_shown = shown;
        endResetModel();
    }
    emit speechesChanged();
}

// A speech recorded, deleted or brought back while the table is open is a row inserted or
// removed, and a name saved changes its one cell: a name being typed into another row goes on
// undisturbed. False, and nothing changed, when the speeches differ in another way.
bool ReportModel::followRows(const QList<SpeechRecord> &shown)
{
    const bool grown = shown.size() >= m_shown.size();
    const qsizetype first = grown ? addedRun(shown, m_shown) : addedRun(m_shown, shown);
    if (first < 0)
        return false;
    const qsizetype run = qAbs(shown.size() - m_shown.size());
    if (run > 0 && grown) {
        beginInsertRows(QModelIndex(), int(first), int(first + run - 1));
        for (qsizetype i = first; i < first + run; ++i)
            m_shown.insert(i, shown.at(i));
        endInsertRows();
    } else if (run > 0) {
        beginRemoveRows(QModelIndex(), int(first), int(first + run - 1));
        m_shown.remove(first, run);
        endRemoveRows();
    }
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const bool same = m_shown.at(i).speakerName == shown.at(i).speakerName &&
                          m_shown.at(i).editWaiting == shown.at(i).editWaiting;
        m_shown[i] = shown.at(i);
        if (!same)
            emit dataChanged(index(int(i), 0), index(int(i), SpeechLabels::ColumnCount - 1));
    }
    return true;
}

int ReportModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

int ReportModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : SpeechLabels::ColumnCount;
}

QVariant ReportModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const SpeechRecord &s = m_shown.at(index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return SpeechLabels::cell(s, column);
    case Qt::ForegroundRole:
        if (column == SpeechLabels::VerdictColumn)
            return QBrush(SpeechLabels::verdictColor(s));
        break;
    case Qt::FontRole:
        if (s.editWaiting) {
            QFont waiting;
            waiting.setItalic(true);
            return waiting;
        }
        break;
    case Qt::ToolTipRole:
        if (s.editWaiting)
            return tr("Not saved in the meeting record yet: it is tried again every few "
                      "seconds");
        if (column == SpeechLabels::Speaker && s.speakerName.isEmpty())
            return tr("Press Enter or F2 to type the speaker's name");
        break;
    case SortRole:
        return sortKey(s, column);
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
    if (index.isValid() && index.column() == SpeechLabels::Speaker)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ReportModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || index.column() != SpeechLabels::Speaker ||
        !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    if (m_store->setSpeakerName(m_shown.at(index.row()).id, value.toString()))
        return true;
    emit nameNotSaved(m_store->lastError());
    return false;
}

bool ReportModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row + count > m_shown.size())
        return false;
    // Ids first: each deletion reloads the rows, which removes its row.
    QList<qint64> ids;
    for (int i = row; i < row + count; ++i)
        ids << m_shown.at(i).id;
    bool ok = true;
    for (const qint64 id : ids)
        ok = m_store->deleteSpeech(id) && ok;
    return ok;
}

bool ReportModel::restoreLastDeleted()
{
    return m_store->restoreLastDeleted();
}
