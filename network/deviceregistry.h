// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

// A device paired with the timer. Only the key's hash is kept: a copied list of devices
// gives no one a key.
struct PairedDevice
{
    Q_DECLARE_TR_FUNCTIONS(PairedDevice)

public:
    enum class Role { Viewer, Controller };

    QString id;
    QByteArray keyHash;
    // The browser and system as the device reported them.
    QString agent;
    QDateTime pairedAt;
    Role role = Role::Viewer;

    // The device as the operator sees it listed, and its commands recorded.
    QString name() const;
    bool operator==(const PairedDevice &other) const;
};

// The devices paired so far and the one pairing code on offer. A code is good for one pairing
// and for a limited time; a new one is offered after each use or expiry.
class DeviceRegistry
{
public:
    // Milliseconds on a clock that only moves forward.
    using Clock = std::function<qint64()>;

    static constexpr int CodeBytes = 16;
    static constexpr int KeyBytes = 32;
    // What a device may say about itself, at most.
    static constexpr int AgentChars = 200;

    DeviceRegistry(Clock clock, qint64 codeLifetimeMs);

    // The code on offer now.
    QString pairingCode();
    // When the code on offer stops working, on the clock.
    qint64 codeExpiresAt() const { return m_codeIssuedAt + m_codeLifetimeMs; }
    // Pairs a device with the code on offer; returns its new key, or nothing when the code is
    // not the one on offer or has expired.
    QByteArray pair(const QString &code, const QString &agent, QDateTime pairedAt);

    // The device a key belongs to; null for none.
    const PairedDevice *deviceForKey(const QByteArray &key) const;
    const PairedDevice *device(const QString &id) const;
    bool setRole(const QString &id, PairedDevice::Role role);
    bool revoke(const QString &id);

    const QList<PairedDevice> &devices() const { return m_devices; }
    void setDevices(const QList<PairedDevice> &devices) { m_devices = devices; }

    static QByteArray hashKey(const QByteArray &key);
    static QByteArray toJson(const QList<PairedDevice> &devices);
    static QList<PairedDevice> fromJson(const QByteArray &json);

private:
    void issueCode();

    Clock m_clock;
    qint64 m_codeLifetimeMs = 0;
    QString m_code;
    qint64 m_codeIssuedAt = 0;
    QList<PairedDevice> m_devices;
};
