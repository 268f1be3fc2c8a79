// SPDX-License-Identifier: MIT
#pragma once

#include "record/speechedit.h"
#include "record/speechrecord.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// What the record still held in memory when the program had to end without asking (a logout,
// SIGTERM): the speeches and edits the file could not take. It is written as JSON to the first
// folder that takes it, so the next start can offer to bring it into the record.
struct Recovery
{
    struct Speech
    {
        SpeechRecord record;
        bool beginsMeeting = false; // "New Meeting" was chosen just before it
        PlanEntry planned = {};     // the planned row it was timed for; id 0 for none
        qint64 intoMeeting = 0;     // added by hand into this meeting; 0: as a timed speech
    };
    QList<Speech> speeches;
    QList<SpeechEdit> edits;

    bool isEmpty() const { return speeches.isEmpty() && edits.isEmpty(); }
};

namespace RecoveryFile {

// Where recovery files go, in order of preference: the state folder ($XDG_STATE_HOME or
// ~/.local/state, then the program's name), the home folder, the temporary folder.
QStringList folders();

// Writes the recovery to a new file in the first of folders() that takes it whole; returns its
// path, or an empty string (with why in *error) when none did.
QString write(const Recovery &recovery, QString *error = nullptr);

// Reads a file written by write(); nothing when it is not one, with why in *error.
std::optional<Recovery> read(const QString &path, QString *error = nullptr);

// The recovery files waiting in folders(), oldest first.
QStringList waiting();

} // namespace RecoveryFile
