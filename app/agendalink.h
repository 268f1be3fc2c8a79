// SPDX-License-Identifier: MIT
#pragma once

#include "app/meetingrecord.h"

#include <QObject>

class LecternWorksTimer;
class Settings;

// The timer following the meeting's plan: the next planned speech's category chosen in the
// timer as a click on its row chooses it, the speech timed by that row recorded under the
// planned name, and the mark moved on at STOP. Whenever the timer is stopped and the plan or the
// meeting changes, the next speech's row is chosen again, unless the operator chose a row since
// the last START; it never chooses a row while a speech is timed. Without a plan it does nothing.
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
    // one timed, and the marked speech's category is chosen unless a speech is still timed or
    // the operator chose a row during the run.
    void runEnding(qint64 plannedId);
    // File ▸ New Meeting: the marked speech's category is chosen, whatever row was chosen before.
    void meetingBegun();
    // The planned speech marked as the next to speak; 0 for none.
    qint64 next() const { return m_next.id; }
    // Whose speech START records: "Ann Lee — Ice Breaker Speech (4 to 6 Minutes)"; empty when
    // START records no planned speech.
    QString nextText() const;

signals:
    // What nextText() says changed.
    void nextChanged();

private:
    void planChanged(qint64 chosenId);
    void rowClicked();
    void follow();
    void choose(const MeetingRecord::PlannedTurn &turn);
    const MeetingRecord::PlannedTurn *find(qint64 id) const;

    LecternWorksTimer *m_window = nullptr;
    Settings &m_settings;
    MeetingRecord *m_record = nullptr;
    QList<MeetingRecord::PlannedTurn> m_comingUp;
    MeetingRecord::PlannedTurn m_next;
    // A row the operator clicked since the last START, which the plan leaves chosen.
    bool m_operatorChose = false;
    bool m_choosing = false; // the plan's own click on a row
};
