// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// A control's stored properties: named 32-bit integers and strings kept in a binary record
// whose entries form a ring. Only values that differ from their defaults are stored.
class PropertyBag
{
public:
    enum class Error {
        None,
        TooShort,
        BadSignature,
        BadSize,
        EntryOutOfBounds,
        BadDistance,
        RingNotClosed,
        BadName,
        BadHash,
        UnknownType,
        ValueOutOfBounds
    };

    PropertyBag() = default;

    static PropertyBag fromBytes(const QByteArray &data, Error *error = nullptr);
    // The bag stored in a file (a resource, say); empty when there is none to read.
    static PropertyBag fromFile(const QString &path);
    QByteArray toBytes() const;

    QVariant readProperty(const QString &name, const QVariant &defaultValue) const;
    // Integral values within 32-bit signed range and strings are stored; other values, and
    // empty or over-long names, leave the bag unchanged.
    void writeProperty(const QString &name, const QVariant &value, const QVariant &defaultValue);
    bool contains(const QString &name) const;

    bool isEmpty() const { return m_entries.isEmpty(); }
    QStringList names() const;

    static quint32 nameHash(const QString &name);

    friend bool operator==(const PropertyBag &a, const PropertyBag &b)
    {
        return a.m_entries == b.m_entries;
    }
    friend bool operator!=(const PropertyBag &a, const PropertyBag &b) { return !(a == b); }

private:
    struct Entry
    {
        QString name;   // lower case
        QVariant value; // int or QString

        friend bool operator==(const Entry &a, const Entry &b)
        {
            return a.name == b.name && a.value.typeId() == b.value.typeId() && a.value == b.value;
        }
    };

    Error parse(const QByteArray &data);
    qsizetype indexOf(const QString &name) const;

    QList<Entry> m_entries;
};
