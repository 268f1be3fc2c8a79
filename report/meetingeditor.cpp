// SPDX-License-Identifier: MIT
#include "report/meetingeditor.h"

#include "record/meetingstore.h"
#include "report/agendarejects.h"
#include "report/reportfiles.h"
#include "report/reportmodel.h"
#include "report/speechform.h"
#include "report/speechlabels.h"
#include "timing/graceperiod.h"

#include <QAbstractButton>
#include <QAbstractProxyModel>
#include <QDir>
#include <QMessageBox>
#include <QTableView>
#include <QUndoStack>

#include <algorithm>

namespace {

// A step done on the store before it is pushed; its undo is the store's. The window offers no
// redo, so a step undone is never done again.
class StoreStep : public QUndoCommand
{
public:
    StoreStep(const QString &text, std::function<void()> undo)
        : QUndoCommand(text), m_undo(std::move(undo))
    {
    }
    void redo() override {}
    void undo() override { m_undo(); }

private:
    std::function<void()> m_undo;
};

PlannedSpeech asPlanned(const PlanEntry &entry)
{
    return entry.rowIndex == SpeechCategories::CustomRow
               ? PlannedSpeech::custom(entry.speakerName, entry.thresholdSeconds)
               : PlannedSpeech::inRow(entry.speakerName, entry.rowIndex);
}

} // namespace

MeetingEditor::MeetingEditor(MeetingStore *store, ReportModel *model, QTableView *table,
                             std::function<void(QDialog *)> openDialog, QObject *parent)
    : QObject(parent), m_store(store), m_model(model), m_table(table),
      m_openDialog(std::move(openDialog)), m_undo(new QUndoStack(this))
{
    connect(model, &ReportModel::plannedRenamed, this,
            [this](const QString &text) { done(true, text, [this] { m_store->undo(); }); });
}

int MeetingEditor::currentRow() const
{
    const auto *sorted = qobject_cast<const QAbstractProxyModel *>(m_table->model());
    const QModelIndex current = m_table->currentIndex();
    return sorted ? sorted->mapToSource(current).row() : current.row();
}

qint64 MeetingEditor::currentPlanned() const
{
    const int row = currentRow();
    if (row < 0 || row >= m_model->shownItems().size())
        return 0;
    const AgendaItem &item = m_model->shownItems().at(row);
    return item.isSpoken() ? 0 : item.planned.id;
}

void MeetingEditor::done(bool ok, const QString &text, const std::function<void()> &undo)
{
    if (!ok) {
        emit said(tr("Could not change the record: %1").arg(m_store->lastError()), true);
        return;
    }
    m_undo->push(new StoreStep(text, undo));
    emit said(tr("Done: %1. Ctrl+Z undoes it.").arg(text));
}

void MeetingEditor::undo()
{
    if (!m_undo->canUndo())
        return;
    const QString text = m_undo->undoText();
    m_undo->undo();
    emit said(tr("Undone: %1.").arg(text));
}

void MeetingEditor::add(const QList<PlannedSpeech> &speeches)
{
    if (speeches.isEmpty()) {
        emit said(tr("Nothing was added to the plan."));
        return;
    }
    QList<PlanEntry> rows;
    for (const PlannedSpeech &s : speeches)
        rows << PlanEntry::make(s.speakerName, s.rowIndex, s.thresholdSeconds);
    // Read and offered rows are plannable: the store refuses only a plan grown too long.
    if (m_store->addPlanned(rows).isEmpty()) {
        emit said(tr("Nothing was added: the plan would hold over %1 speeches.")
                      .arg(SpeechCategories::MaxPlannedSpeeches),
                  true);
        return;
    }
    done(true, tr("%n speech(es) added to the plan", nullptr, int(rows.size())),
         [this] { m_store->undo(); });
}

void MeetingEditor::addSpeaker()
{
    auto *form = new SpeechForm(tr("Add a Speaker to the Plan"), true, false, m_table->window());
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowModality(Qt::WindowModal);
    connect(form, &QDialog::accepted, this, [this, form] {
        add({PlannedSpeech{form->name(), form->rowIndex(), form->thresholdSeconds()}});
    });
    m_openDialog(form);
}

void MeetingEditor::offer(const AgendaReading &reading)
{
    if (reading.rejected.isEmpty()) {
        add(reading.speeches);
        return;
    }
    auto *rejects = new AgendaRejects(reading, m_table->window());
    rejects->setAttribute(Qt::WA_DeleteOnClose);
    rejects->setWindowModality(Qt::WindowModal);
    connect(rejects, &QDialog::accepted, this,
            [this, speeches = reading.speeches] { add(speeches); });
    connect(rejects, &QDialog::rejected, this,
            [this] { emit said(tr("Nothing was added to the plan.")); });
    m_openDialog(rejects);
}

void MeetingEditor::paste(const QString &text)
{
    offer(AgendaReader::readPasted(text));
}

// A file that is not UTF-8 but reads as Windows-1252 is read so only when the operator says so.
void MeetingEditor::importFile(const QString &path)
{
    const AgendaReading reading = AgendaReader::readCsvFile(path);
    if (reading.rejected.size() != 1 ||
        reading.rejected[0].problem != RejectedLine::Problem::Windows1252) {
        offer(reading);
        return;
    }
    auto *ask =
        new QMessageBox(QMessageBox::Question, tr("Import Plan"),
                        tr("%1 is not UTF-8 text. Read it as Western European (Windows-1252)?")
                            .arg(QDir::toNativeSeparators(path)),
                        QMessageBox::Yes | QMessageBox::No, m_table->window());
    ask->setAttribute(Qt::WA_DeleteOnClose);
    ask->setWindowModality(Qt::WindowModal);
    connect(ask, &QMessageBox::buttonClicked, this, [this, ask, path](QAbstractButton *button) {
        if (ask->standardButton(button) == QMessageBox::Yes)
            offer(AgendaReader::readCsvFile(path, AgendaReader::Encoding::Windows1252));
        else
            emit said(tr("Nothing was added to the plan."));
    });
    m_openDialog(ask);
}

bool MeetingEditor::saveFile(const QString &path)
{
    QList<PlannedSpeech> speeches;
    for (const PlanEntry &entry : m_model->plan())
        speeches << asPlanned(entry);
    QString why;
    const bool written = ReportExport::writeAgenda(path, speeches, &why);
    emit said(written ? tr("Saved the plan in %1.").arg(path)
                      : tr("Could not save the plan in %1: %2").arg(path, why),
              !written);
    return written;
}

bool MeetingEditor::move(const QList<qint64> &plannedIds, qint64 beforeId)
{
    if (plannedIds.isEmpty())
        return false;
    const bool ok = m_store->movePlanned(plannedIds, beforeId);
    done(ok, tr("moved in the plan"), [this] { m_store->undo(); });
    return ok;
}

void MeetingEditor::moveCurrent(int by)
{
    const qint64 id = currentPlanned();
    const QList<PlanEntry> plan = m_store->plan();
    const auto at =
        std::find_if(plan.cbegin(), plan.cend(), [id](const PlanEntry &e) { return e.id == id; }) -
        plan.cbegin();
    const qsizetype to = at + by;
    if (id == 0 || to < 0 || to >= plan.size())
        return;
    // Down one is before the row after the next.
    const qsizetype before = by < 0 ? to : to + 1;
    // The move resets the table, its current row with it: the row moved stays current, so the
    // key held moves it on.
    const int column = std::max(0, m_table->currentIndex().column());
    if (!move({id}, before < plan.size() ? plan.at(before).id : 0))
        return;
    const int row = m_model->rowOfPlanned(id);
    const auto *sorted = qobject_cast<const QAbstractProxyModel *>(m_table->model());
    const QModelIndex source = m_model->index(row, column);
    m_table->setCurrentIndex(sorted ? sorted->mapFromSource(source) : source);
}

void MeetingEditor::removeCurrent()
{
    const int row = currentRow();
    if (row < 0 || row >= m_model->shownItems().size())
        return;
    const AgendaItem item = m_model->shownItems().at(row);
    if (!item.isSpoken()) {
        done(m_store->removePlanned({item.planned.id}),
             tr("%1 taken off the plan").arg(item.planned.speakerName),
             [this] { m_store->undo(); });
        return;
    }
    if (item.speech->id == 0)
        return;
    const QString when = m_model->index(row, SpeechLabels::Time).data().toString();
    done(m_store->deleteSpeech(item.speech->id), tr("the speech started at %1 deleted").arg(when),
         [this] { m_store->restoreLastDeleted(); });
}

void MeetingEditor::changeCurrent()
{
    const int row = currentRow();
    if (row < 0 || row >= m_model->shownItems().size())
        return;
    const AgendaItem item = m_model->shownItems().at(row);
    if (item.speech && item.speech->id == 0)
        return;
    const bool spoken = item.isSpoken();
    const SpeechRecord s = m_model->rowSpeech(row);
    auto *form =
        new SpeechForm(spoken ? tr("Set the Speech Right") : tr("Change the Planned Speech"),
                       !spoken, spoken, m_table->window());
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowModality(Qt::WindowModal);
    form->setName(s.speakerName);
    form->setCategory(s.rowIndex, s.thresholdSeconds);
    form->setElapsedSeconds(s.elapsedSeconds);
    connect(form, &QDialog::accepted, this, [this, form, item, s, spoken] {
        if (!spoken) {
            PlanEntry changed =
                PlanEntry::make(form->name(), form->rowIndex(), form->thresholdSeconds());
            changed.id = item.planned.id;
            done(m_store->changePlanned(changed), tr("the planned speech changed"),
                 [this] { m_store->undo(); });
            return;
        }
        int steps = 0;
        bool ok = true;
        if (form->rowIndex() != s.rowIndex || form->thresholdSeconds() != s.thresholdSeconds) {
            ok = m_store->changeCategory(s.id, form->rowIndex(), form->thresholdSeconds());
            steps += ok;
        }
        if (ok && form->elapsedSeconds() != s.elapsedSeconds) {
            ok = m_store->changeElapsed(s.id, form->elapsedSeconds());
            steps += ok;
        }
        if (steps == 0 && ok)
            return;
        done(ok, tr("the speech set right"), [this, steps] {
            for (int i = 0; i < steps; ++i)
                m_store->undo();
        });
    });
    m_openDialog(form);
}

qint64 MeetingEditor::byHandPlanned() const
{
    if (const qint64 current = currentPlanned())
        return current;
    const int row = m_model->rowOfPlanned(m_model->nextPlanned());
    return row < 0 || m_model->isRunningRow(row) ? 0 : m_model->nextPlanned();
}

qint64 MeetingEditor::notPlannedSpeech() const
{
    const QList<AgendaItem> &items = m_model->shownItems();
    const int current = currentRow();
    const auto timedForPlan = [&items](qsizetype row) {
        const AgendaItem &item = items.at(row);
        return item.isPlanned() && item.isSpoken() && item.speech->id != 0 ? item.speech->id : 0;
    };
    // Only the meeting going on: an earlier one's planned speaker is not today's to put back.
    if (m_model->meetingId() != m_store->currentMeetingId())
        return 0;
    // A row the operator chose, not the one the table takes when it gets the keys.
    const bool chosen = m_table->selectionModel()->isSelected(m_table->currentIndex());
    if (chosen && current >= 0 && current < items.size() && timedForPlan(current) != 0)
        return timedForPlan(current);
    // The rows are in the order the speeches were started.
    qint64 last = 0;
    for (qsizetype row = 0; row < items.size(); ++row)
        last = timedForPlan(row) != 0 ? timedForPlan(row) : last;
    return last;
}

void MeetingEditor::markNotPlanned()
{
    const qint64 speechId = notPlannedSpeech();
    if (speechId == 0)
        return;
    qint64 planned = 0;
    for (const AgendaItem &item : m_model->shownItems()) {
        if (item.speech && item.speech->id == speechId)
            planned = item.planned.id;
    }
    const bool ok = m_store->markNotPlanned(speechId);
    done(ok, tr("the speech marked as not the planned speaker's"), [this] { m_store->undo(); });
    if (ok)
        emit speaksNext(planned);
}

void MeetingEditor::addByHand()
{
    const qint64 planned = byHandPlanned();
    QString plannedName;
    auto *form = new SpeechForm(tr("Add a Speech by Hand"), true, true, m_table->window());
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->setWindowModality(Qt::WindowModal);
    if (planned != 0) {
        const SpeechRecord s = m_model->rowSpeech(m_model->rowOfPlanned(planned));
        form->setName(s.speakerName);
        form->setCategory(s.rowIndex, s.thresholdSeconds);
        plannedName = s.speakerName;
    }
    // In the meeting shown: now for the meeting going on, else after its last speech; on that
    // day, at the time typed.
    const QList<SpeechRecord> &spoken = m_model->allSpeeches();
    const bool current = m_model->meetingId() == m_store->currentMeetingId();
    const QDateTime suggested = current || spoken.isEmpty()
                                    ? QDateTime::currentDateTime()
                                    : spoken.last().startedAt.addSecs(spoken.last().elapsedSeconds);
    form->askStartTime(suggested.time());
    connect(form, &QDialog::accepted, this, [this, form, planned, plannedName, suggested] {
        const QList<SpeechRecord> &spoken = m_model->allSpeeches();
        QDateTime at = suggested;
        at.setTime(form->startTime());
        // Never in the future: a time past now was before midnight, in a meeting that ran on.
        if (at > QDateTime::currentDateTime())
            at = at.addDays(-1);
        const int grace =
            spoken.isEmpty() ? GracePeriod::DefaultSeconds : spoken.last().graceSeconds;
        // Another name typed is another speaker: the planned one is still to speak. A planned
        // speech with no name is anyone's.
        const QString name = MeetingStore::cleanSpeakerName(form->name());
        const bool forPlanned = name.isEmpty() || plannedName.isEmpty() || name == plannedName;
        const bool ok = m_store->addSpeechByHand(m_model->meetingId(), at, name, form->rowIndex(),
                                                 form->thresholdSeconds(), form->elapsedSeconds(),
                                                 grace, forPlanned ? planned : 0);
        done(ok, tr("a speech added by hand"), [this] { m_store->undo(); });
    });
    m_openDialog(form);
}
