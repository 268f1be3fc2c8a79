// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QtGlobal>

// One meeting as the record lists it: the run of speeches since "New Meeting" or a long pause.
struct Meeting
{
    qint64 id = 0;
    QDateTime startedAt; // the first speech's START, or when the meeting was begun if it has none
    int speechCount = 0; // deleted speeches not counted
};
