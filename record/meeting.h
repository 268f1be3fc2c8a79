// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QString>
#include <QtGlobal>

// One meeting as the record lists it: the run of speeches since "New Meeting" or a long pause.
struct Meeting
{
    qint64 id = 0;
    QDateTime startedAt; // the first speech's START, or when the meeting was begun if it has none
    int speechCount = 0; // deleted speeches not counted; rehearsals and mistaken starts are
    int rehearsalCount = 0;     // rehearsals that were not mistaken starts
    int mistakenStartCount = 0; // rehearsals or not
    int waitingCount = 0;       // counted above, and waiting in memory for the file
    QString title;              // the club's or the meeting's name; empty until typed
    QString timerName;          // who timed it; empty until typed
    bool hasDetails = false;    // a title or timer's name was ever saved for it
};
