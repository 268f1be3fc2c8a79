// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QtGlobal>

// A change made to a recorded speech from the report, as the record takes it; one the file cannot
// take yet waits in memory like a speech does.
struct SpeechEdit
{
    enum class Kind { Name, Delete, Restore };

    Kind kind = Kind::Name;
    qint64 speechId = 0;
    QString name; // the speaker's name, for Kind::Name

    friend bool operator==(const SpeechEdit &a, const SpeechEdit &b)
    {
        return a.kind == b.kind && a.speechId == b.speechId && a.name == b.name;
    }
};
