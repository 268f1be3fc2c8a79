// SPDX-License-Identifier: MIT
#pragma once

#include "agenda/agendareader.h"
#include "record/planentry.h"

#include <QObject>

#include <functional>

class MeetingStore;
class QDialog;
class QTableView;
class QUndoStack;
class ReportModel;

// The meeting's window's steps on the plan and the record, each one undo step on one stack: the
// plan typed, pasted, imported, reordered and removed, a speech deleted, and a speech's category,
// thresholds or time set right, or a forgotten one added, by hand. It works on the table's
// current row.
class MeetingEditor : public QObject
{
    Q_OBJECT

public:
    // openDialog places a dialog of the window and opens it.
    MeetingEditor(MeetingStore *store, ReportModel *model, QTableView *table,
                  std::function<void(QDialog *)> openDialog, QObject *parent);

    QUndoStack *undoStack() const { return m_undo; }

    // Asks for a speaker, a category and, for CUSTOM, thresholds; adds it to the plan.
    void addSpeaker();
    // Rows copied from a spreadsheet; rows that cannot be read are listed first.
    void paste(const QString &text);
    // A CSV file's agenda, added after what is planned.
    void importFile(const QString &path);
    // The plan as CSV, so that it can be imported again.
    bool saveFile(const QString &path);
    // The current planned row one place up (-1) or down (1).
    void moveCurrent(int by);
    // Planned rows, by their ids, put before the row beforeId (0: at the end); a drag.
    bool move(const QList<qint64> &plannedIds, qint64 beforeId);
    // Deletes the current speech, or takes the current planned row off the plan.
    void removeCurrent();
    // Asks for the current speech's category, thresholds and time, or a planned row's speaker,
    // category and thresholds, and sets them.
    void changeCurrent();
    // Asks for a speech whose START was forgotten: its speaker, category and time; the current
    // planned row's when it is one not spoken yet.
    void addByHand();
    // The planned speech of the current row; 0 when it is not one still to speak.
    qint64 currentPlanned() const;
    // The speech of the row chosen was not its planned speaker's: the planned speaker goes back
    // to the plan as the next to speak. Without such a row chosen, the last speech timed for a
    // planned row in the meeting the next speech joins.
    void markNotPlanned();
    // The speech markNotPlanned() would mark; 0 for none.
    qint64 notPlannedSpeech() const;
    void undo();

signals:
    // What became of a step, to tell the operator; problem when it failed.
    void said(const QString &text, bool problem = false);
    // The planned speech that is to speak next after a step.
    void speaksNext(qint64 plannedId);

private:
    int currentRow() const;
    // The planned speech Add Speech by Hand starts from: the current row's, else the next's.
    qint64 byHandPlanned() const;
    void add(const QList<PlannedSpeech> &speeches);
    void offer(const AgendaReading &reading);
    // A step's text says what was done ("1 speech added to the plan"): "Done: ..." and
    // "Undone: ..." read it as it stands.
    void done(bool ok, const QString &text, const std::function<void()> &undo);

    MeetingStore *m_store = nullptr;
    ReportModel *m_model = nullptr;
    QTableView *m_table = nullptr;
    std::function<void(QDialog *)> m_openDialog;
    QUndoStack *m_undo = nullptr;
};
