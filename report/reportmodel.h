// SPDX-License-Identifier: MIT
#pragma once

#include "record/speechrecord.h"

#include <QAbstractTableModel>
#include <QList>

class MeetingStore;

// One meeting's speeches as the report's table shows them, read from the store and kept up to
// date with it. Rehearsals and mistaken starts are left out unless asked for. The speaker's
// name is edited in place and saved at once; a row removed is deleted from the store.
class ReportModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ReportModel(MeetingStore *store, QObject *parent = nullptr);

    // What a column sorts by: times and seconds as numbers, verdicts from under to over.
    static constexpr int SortRole = Qt::UserRole;

    // Rehearsals and mistaken starts: shown only when asked for.
    static bool isRehearsal(const SpeechRecord &speech);

    qint64 meetingId() const { return m_meetingId; }
    void setMeeting(qint64 meetingId);
    bool showsRehearsals() const { return m_showRehearsals; }
    void setShowRehearsals(bool show);

    // The speeches in the table, in the order they were started.
    const QList<SpeechRecord> &shownSpeeches() const { return m_shown; }
    // Every speech of the meeting, rehearsals and mistaken starts included.
    const QList<SpeechRecord> &allSpeeches() const { return m_all; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

    // Brings back the speech deleted last.
    bool restoreLastDeleted();

signals:
    // The shown speeches changed in any way.
    void speechesChanged();
    // A name typed could not be saved, and why.
    void nameNotSaved(const QString &why);

private:
    void reload();
    bool followRows(const QList<SpeechRecord> &shown);
    void storeChanged(qint64 meetingId);

    MeetingStore *m_store = nullptr;
    qint64 m_meetingId = 0;
    bool m_showRehearsals = false;
    QList<SpeechRecord> m_all;
    QList<SpeechRecord> m_shown;
};
