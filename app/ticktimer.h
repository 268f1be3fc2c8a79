// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// A repeating tick paced by the monotonic clock. The N-th tick after switching on falls due N
// intervals after that moment, so no drift builds up over a long speech; ticks that fell due
// while the event loop was busy are all delivered, in order, as soon as it runs again.
class TickTimer : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int interval READ interval WRITE setInterval)
    Q_PROPERTY(bool enabled READ isEnabled WRITE setEnabled)

public:
    using Clock = std::function<qint64()>; // monotonic milliseconds

    explicit TickTimer(QObject *parent = nullptr);

    int interval() const { return m_interval; }
    void setInterval(int milliseconds);

    bool isEnabled() const { return m_enabled; }
    // Switching on while on changes nothing: the current interval is not restarted.
    void setEnabled(bool enabled);

    void setClock(Clock clock);
    // Delivers every tick due by now; the timer calls it, and tests with their own clock do.
    void deliverDueTicks();
    qint64 millisecondsToNextTick() const;
    qint64 ticksDelivered() const { return m_delivered; }

signals:
    void timeout();

private:
    qint64 dueTime(qint64 tick) const { return m_start + tick * m_interval; }
    // Drops the old round with its backlog; ticks count afresh from now.
    void startRound();
    void scheduleNext();

    Clock m_clock;
    QTimer m_wake;
    int m_interval = 1000;
    bool m_enabled = false;
    qint64 m_start = 0;
    qint64 m_delivered = 0;
    quint64 m_run = 0; // counts switch-ons, so a round ends when a handler restarts the tick
};
