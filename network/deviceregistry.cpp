// SPDX-License-Identifier: MIT
#include "network/deviceregistry.h"

#include "network/devicename.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>

namespace {

constexpr auto Base64Url = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
const QString IdKey = QStringLiteral("id");
const QString HashKey = QStringLiteral("keyHash");
const QString AgentKey = QStringLiteral("agent");
const QString PairedAtKey = QStringLiteral("pairedAt");
const QString RoleKey = QStringLiteral("role");
const QString ControllerName = QStringLiteral("controller");
const QString ViewerName = QStringLiteral("viewer");
constexpr int IdBytes = 8;

QByteArray randomBytes(int count)
{
    QByteArray bytes(count, Qt::Uninitialized);
    // The system's generator: the operating system's cryptographic source.
    QRandomGenerator::system()->generate(bytes.begin(), bytes.end());
    return bytes;
}

// Takes as long for a near miss as for a wild guess.
bool sameText(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return false;
    char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= char(a[i] ^ b[i]);
    return difference == 0;
}

} // namespace

QString PairedDevice::name() const
{
    return agent.isEmpty() ? tr("(unnamed device)") : readableDeviceName(agent);
}

bool PairedDevice::operator==(const PairedDevice &other) const
{
    return id == other.id && keyHash == other.keyHash && agent == other.agent &&
           pairedAt == other.pairedAt && role == other.role;
}

DeviceRegistry::DeviceRegistry(Clock clock, qint64 codeLifetimeMs)
    : m_clock(std::move(clock)), m_codeLifetimeMs(codeLifetimeMs)
{
    issueCode();
}

void DeviceRegistry::issueCode()
{
    m_code = QString::fromLatin1(randomBytes(CodeBytes).toBase64(Base64Url));
    m_codeIssuedAt = m_clock();
}

QString DeviceRegistry::pairingCode()
{
    if (m_clock() >= codeExpiresAt())
        issueCode();
    return m_code;
}

QByteArray DeviceRegistry::pair(const QString &code, const QString &agent, QDateTime pairedAt)
{
    if (m_clock() >= codeExpiresAt() || !sameText(code.toLatin1(), m_code.toLatin1()))
        return {};
    issueCode();
    const QByteArray key = randomBytes(KeyBytes).toBase64(Base64Url);
    PairedDevice device;
    device.id = QString::fromLatin1(randomBytes(IdBytes).toHex());
    device.keyHash = hashKey(key);
    device.agent = agent.left(AgentChars).simplified();
    device.pairedAt = pairedAt;
    m_devices.append(device);
    return key;
}

QByteArray DeviceRegistry::hashKey(const QByteArray &key)
{
    return QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex();
}

const PairedDevice *DeviceRegistry::deviceForKey(const QByteArray &key) const
{
    if (key.isEmpty())
        return nullptr;
    const QByteArray hash = hashKey(key);
    for (const PairedDevice &d : m_devices) {
        if (sameText(d.keyHash, hash))
            return &d;
    }
    return nullptr;
}

const PairedDevice *DeviceRegistry::device(const QString &id) const
{
    for (const PairedDevice &d : m_devices) {
        if (d.id == id)
            return &d;
    }
    return nullptr;
}

bool DeviceRegistry::setRole(const QString &id, PairedDevice::Role role)
{
    for (PairedDevice &d : m_devices) {
        if (d.id == id) {
            d.role = role;
            return true;
        }
    }
    return false;
}

bool DeviceRegistry::revoke(const QString &id)
{
    return m_devices.removeIf([&id](const PairedDevice &d) { return d.id == id; }) > 0;
}

QByteArray DeviceRegistry::toJson(const QList<PairedDevice> &devices)
{
    QJsonArray list;
    for (const PairedDevice &d : devices) {
        list.append(QJsonObject{
            {IdKey, d.id},
            {HashKey, QString::fromLatin1(d.keyHash)},
            {AgentKey, d.agent},
            {PairedAtKey, d.pairedAt.toUTC().toString(Qt::ISODateWithMs)},
            {RoleKey, d.role == PairedDevice::Role::Controller ? ControllerName : ViewerName},
        });
    }
    return QJsonDocument(list).toJson(QJsonDocument::Compact);
}

QList<PairedDevice> DeviceRegistry::fromJson(const QByteArray &json)
{
    QList<PairedDevice> devices;
    const QJsonArray list = QJsonDocument::fromJson(json).array();
    for (const QJsonValue &value : list) {
        const QJsonObject o = value.toObject();
        PairedDevice d;
        d.id = o.value(IdKey).toString();
        d.keyHash = o.value(HashKey).toString().toLatin1();
        d.agent = o.value(AgentKey).toString().left(AgentChars);
        d.pairedAt = QDateTime::fromString(o.value(PairedAtKey).toString(), Qt::ISODateWithMs);
        d.role = o.value(RoleKey).toString() == ControllerName ? PairedDevice::Role::Controller
                                                               : PairedDevice::Role::Viewer;
        // A hash of another length was never written by the program.
        if (!d.id.isEmpty() && d.keyHash.size() == 64)
            devices.append(d);
    }
    return devices;
}
