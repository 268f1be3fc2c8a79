// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class MeetingStore;
class QWidget;

// What the window asks of the meeting's record beyond recording: a backup, and what to do with
// speeches and changes the record holds in memory only (the file full, locked or not writable)
// when it closes, and at the next start.
namespace RecordCommands {

// File ▸ Back Up Meetings...: asks where, then writes a whole copy of the record there. The
// dialog leaves the window and its keys free.
void backUp(MeetingStore *store, QWidget *window);

// Asks the operator until nothing is left unsaved: save them to a CSV file, try the record
// again, or quit and lose them. False when the operator chose to stay.
bool settleBeforeClosing(MeetingStore *store, QWidget *window);

// For an end that cannot ask (a logout, SIGTERM): writes what is unsaved to a recovery file and
// says where on standard error. The path written, or empty when there was nothing or no folder
// took it.
QString keepForNextStart(MeetingStore *store);

// Offers to take the recovery files a previous run left into the record; a file taken whole is
// removed, one refused or not readable stays where it is.
void offerRecovery(MeetingStore *store, QWidget *window);

} // namespace RecordCommands
