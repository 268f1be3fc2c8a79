// SPDX-License-Identifier: MIT
#pragma once

#include "app/meetingrecord.h"

#include <QObject>

class LecternWorksTimer;
class Settings;

// The timer following the meeting's plan: the next planned speech's category chosen in the
// timer as a click on its row chooses it, the speech timed by that row recorded under the
// planned name, and the mark moved on at STOP. It never chooses a row while a speech is timed,
// and a row the operator clicks always wins; without a plan it does nothing.
class AgendaLink : public QObject
{
    Q_OBJECT

public:
    AgendaLink(LecternWorksTimer *window, Settings &settings, QObject *parent);

    // The record, just opened: its plan is followed from now on.
    void attach(MeetingRecord *record);
    // At START: the planned speech this run times, its name given to the run; 0 when the row
    // chosen is not the marked speech's category, or nothing is planned.
    qint64 startRun(SpeechRecord &run);
    // As the run ends, before it is recorded: the mark moves to the planned speech after the
    // one timed, whose category is chosen unless a speech is still timed.
    void runEnding(qint64 plannedId);
    // The planned speech marked as the next to speak; 0 for none.
    qint64 next() const { return m_next.id; }

signals:
    // The planned speech marked next, whenever the mark may have moved; an empty turn for none.
    void nextChanged(const MeetingRecord::PlannedTurn &next);

private:
    void planChanged(qint64 chosenId);
    void choose(const MeetingRecord::PlannedTurn &turn);
    const MeetingRecord::PlannedTurn *find(qint64 id) const;

    LecternWorksTimer *m_window = nullptr;
    Settings &m_settings;
    MeetingRecord *m_record = nullptr;
    QList<MeetingRecord::PlannedTurn> m_comingUp;
    MeetingRecord::PlannedTurn m_next;
    // The marked speech changed during a run: its category is chosen once the run ends.
    bool m_chooseAfterRun = false;
};
