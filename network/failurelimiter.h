// SPDX-License-Identifier: MIT
#pragma once

#include <QDateTime>
#include <QHash>
#include <QHostAddress>
#include <QList>

#include <functional>

// A failed attempt as the operator is shown it.
struct FailedAttempt
{
    enum class What { PairingCode, Key, Refused };
    QString address;
    QDateTime at;
    What what = What::Key;
};
Q_DECLARE_METATYPE(FailedAttempt)

// Counts failed pairings and keys per address; an address that failed too often in a while is
// refused for a while, whatever it sends.
class FailureLimiter
{
public:
    using Clock = std::function<qint64()>;
    struct Limits
    {
        int allowed = 5;
        qint64 windowMs = 60'000;
        qint64 refusalMs = 60'000;
    };
    // Addresses remembered at most; a flood of made-up ones cannot fill the memory, nor lift a
    // refusal in force.
    static constexpr int MaxAddresses = 4096;

    FailureLimiter(Clock clock, Limits limits) : m_clock(std::move(clock)), m_limits(limits) {}

    bool isRefused(const QHostAddress &address) const;
    // True when this failure starts the address's refusal.
    bool fail(const QHostAddress &address);

private:
    struct Record
    {
        QList<qint64> failures;
        qint64 refusedUntil = 0;
    };
    void forgetOld(qint64 now);
    bool makeRoom(qint64 now);

    Clock m_clock;
    Limits m_limits;
    QHash<QHostAddress, Record> m_records;
};
