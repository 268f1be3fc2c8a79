// SPDX-License-Identifier: MIT
#include "app/agendalink.h"

#include "app/lecternworkstimer.h"
#include "app/settings.h"
#include "app/ticktimer.h"
#include "controls/event_row/timereventdata.h"
#include "timing/speechcategories.h"

#include <algorithm>

namespace {

bool sameTurn(const MeetingRecord::PlannedTurn &a, const MeetingRecord::PlannedTurn &b)
{
    return a.id == b.id && a.rowIndex == b.rowIndex && a.thresholdTexts == b.thresholdTexts;
}

} // namespace

AgendaLink::AgendaLink(LecternWorksTimer *window, Settings &settings, QObject *parent)
    : QObject(parent), m_window(window), m_settings(settings)
{
}

void AgendaLink::attach(MeetingRecord *record)
{
    m_record = record;
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

// The speech chosen in the meeting's window is marked; else the marked one stays while it is
// still to come; else the first to come. The timer's row follows only a change of the mark.
void AgendaLink::planChanged(qint64 chosenId)
{
    m_comingUp = m_record->comingUp();
    m_settings.setPlanWaiting(!m_comingUp.isEmpty());
    const MeetingRecord::PlannedTurn *pick = find(chosenId);
    if (!pick)
        pick = find(m_next.id);
    if (!pick && !m_comingUp.isEmpty())
        pick = &m_comingUp.first();
    const MeetingRecord::PlannedTurn next = pick ? *pick : MeetingRecord::PlannedTurn();
    const bool moved = chosenId != 0 || !sameTurn(next, m_next);
    m_next = next;
    m_record->showNext(m_next.id);
    emit nextChanged(m_next);
    if (moved && m_next.id != 0)
        choose(m_next);
}

qint64 AgendaLink::startRun(SpeechRecord &run)
{
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
        emit nextChanged(m_next);
    }
    if (m_next.id != 0 && (plannedId != 0 || m_chooseAfterRun))
        choose(m_next);
}

// As a click on the row chooses it; a CUSTOM speech's thresholds are in its row first. Never
// during a run: the light keeps the thresholds it started with.
void AgendaLink::choose(const MeetingRecord::PlannedTurn &turn)
{
    TimerEventDATA *row = m_window->TimerEvent(qint16(turn.rowIndex));
    m_chooseAfterRun = m_window->tickTimer()->isEnabled();
    if (!row || m_chooseAfterRun)
        return;
    if (turn.rowIndex == SpeechCategories::CustomRow) {
        row->setTimeChangeGreen(turn.thresholdTexts[0]);
        row->setTimeChangeYellow(turn.thresholdTexts[1]);
        row->setTimeChangeRed(turn.thresholdTexts[2]);
    }
    row->SelectThisEvent();
}
