// SPDX-License-Identifier: MIT
#pragma once

#include "app/lecternworkstimer.h"
#include "app/ticktimer.h"
#include "controls/event_row/timereventdata.h"
#include "tests/support/lamplook.h"

#include <QAction>
#include <QActionGroup>
#include <QList>
#include <QPair>

// Drives the window the way its tick would: a tick is delivered only while the tick is on.
inline int deliverTicks(LecternWorksTimer &window, int count)
{
    int delivered = 0;
    for (; delivered < count && window.tickTimer()->isEnabled(); ++delivered)
        window.TickTock_TIMER_Timer();
    return delivered;
}

// Runs the tick for up to `ticks` seconds and notes on which tick the light's look changed.
inline QList<QPair<int, QString>> lookChanges(LecternWorksTimer &window, int ticks)
{
    QList<QPair<int, QString>> changes;
    QString last = lampLook(*window.horizontalTimer());
    for (int tick = 1; tick <= ticks && window.tickTimer()->isEnabled(); ++tick) {
        window.TickTock_TIMER_Timer();
        const QString now = lampLook(*window.horizontalTimer());
        if (now != last)
            changes.append({tick, now});
        last = now;
    }
    return changes;
}

inline void setThresholds(TimerEventDATA *row, const QString &green, const QString &yellow,
                          const QString &red)
{
    row->setTimeChangeGreen(green);
    row->setTimeChangeYellow(yellow);
    row->setTimeChangeRed(red);
}

// The test speed's menu item with this index, as the menu array addresses it.
inline QAction *testSpeedItem(const LecternWorksTimer &window, int index)
{
    for (QAction *item : window.menuItems().menuTimerTestSpeed->actions()) {
        if (item->data().toInt() == index)
            return item;
    }
    return nullptr;
}

using LookChanges = QList<QPair<int, QString>>;
