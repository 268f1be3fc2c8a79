// SPDX-License-Identifier: MIT
#pragma once

#include "record/planentry.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <array>

// A change made to a recorded speech or to the meeting's plan, as the record takes it; one the
// file cannot take yet waits in memory like a speech does.
struct SpeechEdit
{
    enum class Kind {
        Name,
        Delete,
        Restore,
        // Set by hand: the speech judged by another category row and thresholds, or timed with
        // another length; the verdict and the lamp follow, what was timed is kept.
        Category,
        Elapsed,
        // Back to the values it was timed with, the hand's mark gone.
        AsTimed,
        // The plan's rows not yet spoken.
        PlanAdd,    // planned, before beforeId (0: at the end)
        PlanRemove, // the rows of planned's ids
        PlanMove,   // the rows of planned's ids, in that order, before beforeId
        PlanChange, // planned.first()'s name, category row and thresholds
        // The speech's link to planned.first(): to its speechId, none for 0; the speech named
        // name.
        PlanLink,
    };

    Kind kind = Kind::Name;
    qint64 speechId = 0;
    QString name;                          // the speaker's name, for Kind::Name
    int rowIndex = 0;                      // for Kind::Category
    std::array<int, 3> thresholdSeconds{}; // for Kind::Category
    int elapsedSeconds = 0;                // for Kind::Elapsed
    QList<PlanEntry> planned = {};         // for the plan's kinds
    qint64 beforeId = 0;                   // for PlanAdd and PlanMove

    bool isPlanEdit() const { return kind >= Kind::PlanAdd; }

    friend bool operator==(const SpeechEdit &a, const SpeechEdit &b)
    {
        return a.kind == b.kind && a.speechId == b.speechId && a.name == b.name &&
               a.rowIndex == b.rowIndex && a.thresholdSeconds == b.thresholdSeconds &&
               a.elapsedSeconds == b.elapsedSeconds && a.planned == b.planned &&
               a.beforeId == b.beforeId;
    }
};
