// SPDX-License-Identifier: MIT
#include "components/propertybag.h"

#include <QFile>
#include <QSet>
#include <QtEndian>
#include <limits>

namespace {

constexpr quint16 Signature = 0xB293;
constexpr qint64 HeaderSize = 8;
constexpr qint64 EntryHeaderSize = 12;
constexpr qint64 ValueFieldSize = 4;
constexpr qint64 Alignment = 4;
constexpr qint64 BytesPerChar = 2;
constexpr qint64 MaxNameLength = std::numeric_limits<qint16>::max();
constexpr qint64 MaxStringLength = std::numeric_limits<qint32>::max();
constexpr quint16 TypeInt = 3;
constexpr quint16 TypeString = 8;
constexpr int HashRotation = 13;

quint16 u16(const uchar *p)
{
    return qFromLittleEndian<quint16>(p);
}

quint32 u32(const uchar *p)
{
    return qFromLittleEndian<quint32>(p);
}

qint16 i16(const uchar *p)
{
    return qFromLittleEndian<qint16>(p);
}

qint32 i32(const uchar *p)
{
    return qFromLittleEndian<qint32>(p);
}

QString readUtf16(const uchar *p, qint64 length)
{
    QString text(length, Qt::Uninitialized);
    for (qint64 i = 0; i < length; ++i)
        text[i] = QChar(u16(p + i * BytesPerChar));
    return text;
}

void append16(QByteArray &out, quint16 value)
{
    uchar bytes[sizeof value];
    qToLittleEndian(value, bytes);
    out.append(reinterpret_cast<const char *>(bytes), sizeof bytes);
}

void append32(QByteArray &out, quint32 value)
{
    uchar bytes[sizeof value];
    qToLittleEndian(value, bytes);
    out.append(reinterpret_cast<const char *>(bytes), sizeof bytes);
}

void appendUtf16(QByteArray &out, const QString &text)
{
    for (const QChar c : text)
        append16(out, c.unicode());
}

bool isSignedIntegral(int typeId)
{
    switch (typeId) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::SChar:
    case QMetaType::Char:
        return true;
    default:
        return false;
    }
}

bool isUnsignedIntegral(int typeId)
{
    switch (typeId) {
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

// The value as the bag keeps it (int or QString), or an invalid QVariant when it has no
// stored form.
QVariant storedForm(const QVariant &value)
{
    constexpr qlonglong Min = std::numeric_limits<qint32>::min();
    constexpr qlonglong Max = std::numeric_limits<qint32>::max();
    const int typeId = value.typeId();
    if (typeId == QMetaType::QString)
        return value.toString().size() <= MaxStringLength ? value : QVariant();
    if (isSignedIntegral(typeId) || value.metaType().flags().testFlag(QMetaType::IsEnumeration)) {
        const qlonglong number = value.toLongLong();
        return number >= Min && number <= Max ? QVariant(static_cast<int>(number)) : QVariant();
    }
    if (isUnsignedIntegral(typeId)) {
        const qulonglong number = value.toULongLong();
        return number <= static_cast<qulonglong>(Max) ? QVariant(static_cast<int>(number))
                                                      : QVariant();
    }
    return {};
}

bool sameStoredForm(const QVariant &a, const QVariant &b)
{
    return a.isValid() && b.isValid() && a.typeId() == b.typeId() && a == b;
}

} // namespace

PropertyBag PropertyBag::fromBytes(const QByteArray &data, Error *error)
{
    PropertyBag bag;
    const Error result = bag.parse(data);
    if (result != Error::None)
        bag.m_entries.clear();
    if (error)
        *error = result;
    return bag;
}

PropertyBag::Error PropertyBag::parse(const QByteArray &data)
{
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    const qint64 size = data.size();
    if (size < HeaderSize)
        return Error::TooShort;
    if (u16(bytes) != Signature || u16(bytes + 2) != 0)
        return Error::BadSignature;
    const qint64 total = u32(bytes + 4);
    // The record must be exactly the data given: a longer blob is as suspect as a shorter one.
    if (total < HeaderSize || total % Alignment != 0 || total != size)
        return Error::BadSize;
    if (total == HeaderSize)
        return Error::None;

    QList<qint64> starts;
    QSet<QString> seen;
    qint64 pos = HeaderSize;
    qint64 end = pos;
    for (;;) {
        if (pos + EntryHeaderSize > total)
            return Error::EntryOutOfBounds;
        const quint16 type = u16(bytes + pos);
        const qint64 nameLength = i16(bytes + pos + 2);
        const quint32 hash = u32(bytes + pos + 4);
        const qint64 target = pos + i32(bytes + pos + 8);
        if (type != TypeInt && type != TypeString)
            return Error::UnknownType;
        if (nameLength <= 0)
            return Error::BadName;
        const qint64 valueStart = pos + EntryHeaderSize + nameLength * BytesPerChar;
        if (valueStart + ValueFieldSize > total)
            return Error::EntryOutOfBounds;

        const QString name = readUtf16(bytes + pos + EntryHeaderSize, nameLength);
        if (name != name.toLower() || seen.contains(name))
            return Error::BadName;
        if (hash != nameHash(name))
            return Error::BadHash;

        end = valueStart + ValueFieldSize;
        QVariant value;
        if (type == TypeInt) {
            value = static_cast<int>(i32(bytes + valueStart));
        } else {
            const qint64 length = i32(bytes + valueStart);
            // A string ends within its entry: before the next entry, or else before the end.
            const qint64 room = target >= end && target <= total ? target : total;
            if (length < 0 || end + length * BytesPerChar > room)
                return Error::ValueOutOfBounds;
            value = readUtf16(bytes + end, length);
            end += length * BytesPerChar;
        }
        m_entries.append({name, value});
        seen.insert(name);
        starts.append(pos);

        if (target == HeaderSize)
            break;
        if (target == end) {
            // Only padding can follow the last entry, so the ring was left open.
            if (total - end < Alignment)
                return Error::RingNotClosed;
            pos = end;
            continue;
        }
        if (target < HeaderSize || target >= total)
            return Error::BadDistance;
        return starts.contains(target) ? Error::RingNotClosed : Error::BadDistance;
    }

    if (total - end >= Alignment)
        return Error::BadSize;
    for (qint64 i = end; i < total; ++i) {
        if (bytes[i] != 0)
            return Error::BadSize;
    }
    return Error::None;
}

QByteArray PropertyBag::toBytes() const
{
    QByteArray out;
    append16(out, Signature);
    append16(out, 0);
    append32(out, 0);

    QList<qsizetype> starts;
    for (const Entry &entry : m_entries) {
        starts.append(out.size());
        const bool isString = entry.value.typeId() == QMetaType::QString;
        append16(out, isString ? TypeString : TypeInt);
        append16(out, static_cast<quint16>(entry.name.size()));
        append32(out, nameHash(entry.name));
        append32(out, 0);
        appendUtf16(out, entry.name);
        if (isString) {
            const QString text = entry.value.toString();
            append32(out, static_cast<quint32>(text.size()));
            appendUtf16(out, text);
        } else {
            append32(out, static_cast<quint32>(entry.value.toInt()));
        }
    }
    out.append((Alignment - out.size() % Alignment) % Alignment, '\0');

    auto *data = reinterpret_cast<uchar *>(out.data());
    qToLittleEndian(static_cast<quint32>(out.size()), data + 4);
    for (qsizetype i = 0; i < starts.size(); ++i) {
        const qsizetype next = i + 1 < starts.size() ? starts[i + 1] : HeaderSize;
        qToLittleEndian(static_cast<qint32>(next - starts[i]), data + starts[i] + 8);
    }
    return out;
}

QVariant PropertyBag::readProperty(const QString &name, const QVariant &defaultValue) const
{
    const qsizetype index = indexOf(name);
    return index >= 0 ? m_entries[index].value : defaultValue;
}

void PropertyBag::writeProperty(const QString &name, const QVariant &value,
                                const QVariant &defaultValue)
{
    const QString key = name.toLower();
    const QVariant stored = storedForm(value);
    if (key.isEmpty() || key.size() > MaxNameLength || !stored.isValid())
        return;
    const qsizetype index = indexOf(key);
    if (sameStoredForm(stored, storedForm(defaultValue))) {
        if (index >= 0)
            m_entries.removeAt(index);
    } else if (index >= 0) {
        m_entries[index].value = stored;
    } else {
        m_entries.append({key, stored});
    }
}

bool PropertyBag::contains(const QString &name) const
{
    return indexOf(name) >= 0;
}

QStringList PropertyBag::names() const
{
    QStringList result;
    for (const Entry &entry : m_entries)
        result.append(entry.name);
    return result;
}

quint32 PropertyBag::nameHash(const QString &name)
{
    quint32 hash = 0;
    for (const QChar c : name.toLower())
        hash = ((hash << HashRotation) | (hash >> (32 - HashRotation))) ^ c.unicode();
    return hash;
}

qsizetype PropertyBag::indexOf(const QString &name) const
{
    const QString key = name.toLower();
    for (qsizetype i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].name == key)
            return i;
    }
    return -1;
}

PropertyBag PropertyBag::fromFile(const QString &path)
{
    QFile stored(path);
    return stored.open(QIODevice::ReadOnly) ? fromBytes(stored.readAll()) : PropertyBag();
}
