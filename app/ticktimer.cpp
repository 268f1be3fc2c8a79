// SPDX-License-Identifier: MIT
#include "app/ticktimer.h"

#include <QElapsedTimer>

TickTimer::TickTimer(QObject *parent) : QObject(parent)
{
    m_clock = [] {
        static const QElapsedTimer origin = [] {
            QElapsedTimer t;
            t.start();
            return t;
        }();
        return origin.elapsed();
    };
    m_wake.setSingleShot(true);
    // A coarse timer may shift its phase by a quarter of the interval.
    m_wake.setTimerType(Qt::PreciseTimer);
    connect(&m_wake, &QTimer::timeout, this, &TickTimer::deliverDueTicks);
}

void TickTimer::setInterval(int milliseconds)
{
    m_interval = qMax(1, milliseconds);
    if (m_enabled)
        startRound();
}

void TickTimer::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (!enabled) {
        m_wake.stop();
        return;
    }
    startRound();
}

void TickTimer::startRound()
{
    ++m_run;
    m_start = m_clock();
    m_delivered = 0;
    scheduleNext();
}

void TickTimer::setClock(Clock clock)
{
    m_clock = std::move(clock);
}

void TickTimer::deliverDueTicks()
{
    // A handler may switch the timer off, or off and on again; either ends this round.
    const quint64 run = m_run;
    while (m_enabled && m_run == run && m_clock() >= dueTime(m_delivered + 1)) {
        ++m_delivered;
        emit timeout();
    }
    if (m_enabled && m_run == run)
        scheduleNext();
}

qint64 TickTimer::millisecondsToNextTick() const
{
    return qMax<qint64>(0, dueTime(m_delivered + 1) - m_clock());
}

void TickTimer::scheduleNext()
{
    m_wake.start(int(qMin<qint64>(millisecondsToNextTick(), m_interval)));
}
