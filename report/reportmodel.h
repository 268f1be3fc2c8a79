// SPDX-License-Identifier: MIT
#pragma once

#include "record/planentry.h"
#include "record/speechrecord.h"

#include <QAbstractTableModel>
#include <QList>

class MeetingStore;

// One meeting as the meeting's window shows it, read from the store and kept up to date with it:
// the planned speeches and the spoken ones in one table, a planned row that was spoken being the
// same row. A planned row shows its speaker, category and thresholds and no time; the next to
// speak is marked; the speech being timed counts. Rehearsals and mistaken starts are left out
// unless asked for. The speaker's name is edited in place and saved at once; a speech removed is
// deleted from the store.
class ReportModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ReportModel(MeetingStore *store, QObject *parent = nullptr);

    // What a column sorts by: times and seconds as numbers, verdicts from under to over; the
    // time, by the meeting's order.
    static constexpr int SortRole = Qt::UserRole;

    // Rehearsals and mistaken starts: shown only when asked for.
    static bool isRehearsal(const SpeechRecord &speech);

    qint64 meetingId() const { return m_meetingId; }
    void setMeeting(qint64 meetingId);
    bool showsRehearsals() const { return m_showRehearsals; }
    void setShowRehearsals(bool show);

    // The table's rows, in the meeting's order: planned, spoken, and the speech being timed.
    const QList<AgendaItem> &shownItems() const { return m_items; }
    // A row as a speech: a planned row not spoken yet has its thresholds and no time.
    SpeechRecord rowSpeech(int row) const;
    // The spoken speeches in the table, in the order they were started.
    const QList<SpeechRecord> &shownSpeeches() const { return m_shown; }
    // Every speech of the meeting, rehearsals and mistaken starts included.
    const QList<SpeechRecord> &allSpeeches() const { return m_all; }
    // The planned speeches, spoken or not, in the plan's order.
    QList<PlanEntry> plan() const;

    // The planned speech marked as the next to speak; 0 for none.
    qint64 nextPlanned() const { return m_next; }
    void setNextPlanned(qint64 plannedId);
    // The speech being timed, counting in its planned row or in a row of its own after the
    // speeches; an invalid run when none is.
    void setRunning(const SpeechRecord &run, qint64 plannedId, int elapsedSeconds);
    // Whether the row is the speech being timed.
    bool isRunningRow(int row) const;
    // The row of a planned speech; -1 when it is not shown.
    int rowOfPlanned(qint64 plannedId) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    // Planned rows still to speak are dragged to a new place; the drop asks for the move.
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;

    // Brings back the speech deleted last.
    bool restoreLastDeleted();

signals:
    // The shown speeches changed in any way.
    void speechesChanged();
    // A name typed could not be saved, and why.
    void nameNotSaved(const QString &why);
    // A planned speaker renamed in place: a step of the plan, to be undone like the others.
    void plannedRenamed(const QString &text);
    // Planned rows dropped before the planned row beforeId (0: at the end).
    void moveAsked(const QList<qint64> &plannedIds, qint64 beforeId);

private:
    void reload();
    bool followRows(const QList<AgendaItem> &items);
    void storeChanged(qint64 meetingId);

    MeetingStore *m_store = nullptr;
    qint64 m_meetingId = 0;
    bool m_showRehearsals = false;
    QList<AgendaItem> m_read; // as the store gave them, before the running speech is added
    QList<AgendaItem> m_items;
    QList<SpeechRecord> m_all;
    QList<SpeechRecord> m_shown;
    qint64 m_next = 0;
    SpeechRecord m_run;
    qint64 m_runPlanned = 0;
};
