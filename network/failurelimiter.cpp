// SPDX-License-Identifier: MIT
#include "network/failurelimiter.h"

bool FailureLimiter::isRefused(const QHostAddress &address) const
{
    const auto it = m_records.constFind(address);
    return it != m_records.cend() && m_clock() < it->refusedUntil;
}

bool FailureLimiter::fail(const QHostAddress &address)
{
    const qint64 now = m_clock();
    if (m_records.size() >= MaxAddresses && !m_records.contains(address)) {
        forgetOld(now);
        if (m_records.size() >= MaxAddresses && !makeRoom(now))
            return false;
    }
    Record &record = m_records[address];
    record.failures.removeIf([&](qint64 at) { return now - at >= m_limits.windowMs; });
    record.failures.append(now);
    if (record.failures.size() < m_limits.allowed)
        return false;
    record.refusedUntil = now + m_limits.refusalMs;
    record.failures.clear();
    return true;
}

// Forgets the address whose last failure is the oldest among those refused nothing now; with
// every one refused, the new address's failure goes uncounted.
bool FailureLimiter::makeRoom(qint64 now)
{
    auto oldest = m_records.end();
    for (auto it = m_records.begin(); it != m_records.end(); ++it) {
        if (now < it->refusedUntil || it->failures.isEmpty())
            continue;
        if (oldest == m_records.end() || it->failures.last() < oldest->failures.last())
            oldest = it;
    }
    if (oldest == m_records.end())
        return false;
    m_records.erase(oldest);
    return true;
}

void FailureLimiter::forgetOld(qint64 now)
{
    for (auto it = m_records.begin(); it != m_records.end();) {
        it->failures.removeIf([&](qint64 at) { return now - at >= m_limits.windowMs; });
        if (it->failures.isEmpty() && now >= it->refusedUntil)
            it = m_records.erase(it);
        else
            ++it;
    }
}
