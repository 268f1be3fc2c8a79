// SPDX-License-Identifier: MIT
#include "network/failurelimiter.h"

bool FailureLimiter::isRefused(const QHostAddress &address) const
{
    const auto it = m_records.constFind(address);
    return it != m_records.cend() && m_clock() < it->refusedUntil;
}

void FailureLimiter::fail(const QHostAddress &address)
{
    const qint64 now = m_clock();
    forgetOld(now);
    if (m_records.size() >= MaxAddresses && !m_records.contains(address))
        m_records.clear();
    Record &record = m_records[address];
    record.failures.append(now);
    if (record.failures.size() >= m_limits.allowed) {
        record.refusedUntil = now + m_limits.refusalMs;
        record.failures.clear();
    }
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
