// SPDX-License-Identifier: MIT
#include "app/agendalink.h"

#include "app/lecternworkstimer.h"
#include "app/settings.h"
#include "app/ticktimer.h"
#include "controls/event_row/timereventdata.h"
#include "timing/speechcategories.h"

#include <QScopedValueRollback>

#include <algorithm>

AgendaLink::AgendaLink(LecternWorksTimer *window, Settings &settings, QObject *parent)
    : QObject(parent), m_window(window), m_settings(settings)
{
}

void AgendaLink::attach(MeetingRecord *record)
{
    m_record = record;
    for (int i = SpeechCategories::FirstRow; i <= SpeechCategories::RowCount; ++i)
        connect(m_window->TimerEvent(i), &TimerEventDATA::EventWuzClicked, this,
                &AgendaLink::rowClicked);
    record->watchPlan(this, [this](qint64 chosenId) { planChanged(chosenId); });
    planChanged(0);
}

const MeetingRecord::PlannedTurn *AgendaLink::find(qint64 id) const
{
    for (const MeetingRecord::PlannedTurn &turn : m_comingUp) {
        if (turn.id == id)
            return &turn;
    }
    return nullptr;
}

// The speech chosen in the meeting's window is marked, and wins over a row the operator
// clicked; else the marked one stays while it is still to come; else the first to come.
void AgendaLink::planChanged(qint64 chosenId)
{
    m_comingUp = m_record->comingUp();
    m_settings.setPlanWaiting(!m_comingUp.isEmpty());
    const MeetingRecord::PlannedTurn *pick = find(chosenId);
    if (!pick)
        pick = find(m_next.id);
    if (!pick && !m_comingUp.isEmpty())
        pick = &m_comingUp.first();
    m_next = pick ? *pick : MeetingRecord::PlannedTurn();
    m_record->showNext(m_next.id);
    if (chosenId != 0)
        m_operatorChose = false;
    follow();
    emit nextChanged();
}

void AgendaLink::rowClicked()
{
    if (!m_choosing)
        m_operatorChose = true;
    emit nextChanged();
}

qint64 AgendaLink::startRun(SpeechRecord &run)
{
    m_operatorChose = false;
    if (m_next.id == 0 || run.rowIndex != m_next.rowIndex)
        return 0;
    run.speakerName = m_next.speakerName;
    return m_next.id;
}

void AgendaLink::runEnding(qint64 plannedId)
{
    if (!m_record)
        return;
    if (plannedId != 0) {
        const qsizetype at =
            std::find_if(m_comingUp.cbegin(), m_comingUp.cend(),
                         [plannedId](const auto &t) { return t.id == plannedId; }) -
            m_comingUp.cbegin();
        // The one after it, or the first still to come when it was the last.
        QList<MeetingRecord::PlannedTurn> after = m_comingUp.mid(at + 1);
        after << m_comingUp.mid(0, at);
        m_next = after.isEmpty() ? MeetingRecord::PlannedTurn() : after.first();
        m_record->showNext(m_next.id);
    }
    follow();
    emit nextChanged();
}

void AgendaLink::meetingBegun()
{
    if (!m_record)
        return;
    m_operatorChose = false;
    planChanged(0);
}

void AgendaLink::follow()
{
    if (m_next.id != 0 && !m_operatorChose)
        choose(m_next);
}

// As a click on the row chooses it; a CUSTOM speech's thresholds are in its row first. Never
// during a run: the light keeps the thresholds it started with, and the run's end follows.
void AgendaLink::choose(const MeetingRecord::PlannedTurn &turn)
{
    TimerEventDATA *row = m_window->TimerEvent(qint16(turn.rowIndex));
    if (!row || m_window->tickTimer()->isEnabled())
        return;
    if (turn.rowIndex == SpeechCategories::CustomRow) {
        row->setTimeChangeGreen(turn.thresholdTexts[0]);
        row->setTimeChangeYellow(turn.thresholdTexts[1]);
        row->setTimeChangeRed(turn.thresholdTexts[2]);
    }
    const QScopedValueRollback<bool> choosing(m_choosing, true);
    row->SelectThisEvent();
}

QString AgendaLink::nextText() const
{
    const TimerEventDATA *row = m_window->TimerEvent(qint16(m_next.rowIndex));
    if (m_next.id == 0 || !row || m_window->selectedRow() != m_next.rowIndex)
        return QString();
    const QString category = row->EventName().simplified();
    return m_next.speakerName.isEmpty() ? category
                                        : tr("%1 — %2").arg(m_next.speakerName, category);
}
