// SPDX-License-Identifier: MIT
#include "components/propertybag.h"
#include "tests/support/storedrow.h"

#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTest>
#include <QtEndian>
#include <iterator>
#include <limits>

Q_DECLARE_METATYPE(PropertyBag::Error)

namespace {

using Error = PropertyBag::Error;

constexpr int StoredRowCount = 7;
// Every stored row has the same layout up to the name's characters.
constexpr int EntryStarts[] = {8, 40, 72};
constexpr int NameEntry = 72;
constexpr int NameLengthField = NameEntry + 30;
constexpr int TypeField = 0;
constexpr int NameLengthOffset = 2;
constexpr int HashOffset = 4;
constexpr int DistanceOffset = 8;
constexpr int NameOffset = 12;
constexpr int TotalSizeField = 4;

QByteArray with16(QByteArray data, qsizetype offset, quint16 value)
{
    qToLittleEndian(value, data.data() + offset);
    return data;
}

QByteArray with32(QByteArray data, qsizetype offset, qint64 value)
{
    qToLittleEndian(static_cast<quint32>(value), data.data() + offset);
    return data;
}

// Same entries as the stored rows, the string first: offsets 8 ("eventname", 40 bytes with a
// 3-character string) and 48 ("_extentx").
QByteArray stringFirstRecord()
{
    PropertyBag bag;
    bag.writeProperty("EventName", "abc", QString());
    bag.writeProperty("_ExtentX", 1, 0);
    return bag.toBytes();
}

QByteArray mutate(QByteArray data, QRandomGenerator &random)
{
    static const qint64 interesting[] = {0,
                                         1,
                                         -1,
                                         2,
                                         3,
                                         4,
                                         -4,
                                         8,
                                         12,
                                         32,
                                         -32,
                                         -64,
                                         0x7fff,
                                         0x8000,
                                         0xffff,
                                         180,
                                         184,
                                         178,
                                         std::numeric_limits<qint32>::max(),
                                         std::numeric_limits<qint32>::min()};
    constexpr int FieldOffsets[] = {
        TypeField, NameLengthOffset, HashOffset, DistanceOffset, NameOffset, 28, 30, 34};
    constexpr int Kinds = 8;
    constexpr int MaxMutations = 4;
    constexpr int MaxExtension = 9;
    const int count = 1 + random.bounded(MaxMutations);
    for (int i = 0; i < count && !data.isEmpty(); ++i) {
        const auto anyByte = [&] { return random.bounded(static_cast<int>(data.size())); };
        const auto anyValue = [&] {
            return random.bounded(2) ? interesting[random.bounded(int(std::size(interesting)))]
                                     : qint64(random.generate());
        };
        const int field = EntryStarts[random.bounded(int(std::size(EntryStarts)))] +
                          FieldOffsets[random.bounded(int(std::size(FieldOffsets)))];
        switch (random.bounded(Kinds)) {
        case 0: {
            const int at = anyByte();
            data[at] = static_cast<char>(data[at] ^ (1 << random.bounded(8)));
            break;
        }
        case 1:
            data[anyByte()] = static_cast<char>(random.bounded(256));
            break;
        case 2:
            data.truncate(anyByte());
            if (TotalSizeField + 4 <= data.size() && random.bounded(2))
                data = with32(data, TotalSizeField, data.size());
            break;
        case 3: {
            const int extra = 1 + random.bounded(MaxExtension);
            for (int k = 0; k < extra; ++k)
                data.append(random.bounded(2) ? '\0' : static_cast<char>(random.bounded(256)));
            if (TotalSizeField + 4 <= data.size() && random.bounded(2))
                data = with32(data, TotalSizeField, data.size());
            break;
        }
        case 4:
            if (field + 2 <= data.size())
                data = with16(data, field, static_cast<quint16>(anyValue()));
            break;
        case 5:
            if (field + 4 <= data.size())
                data = with32(data, field, anyValue());
            break;
        case 6:
            if (TotalSizeField + 4 <= data.size())
                data = with32(data, TotalSizeField, random.bounded(2) ? data.size() : anyValue());
            break;
        case 7: {
            // Rename with a matching hash, so that parsing gets past the name checks.
            const int entry = random.bounded(int(std::size(EntryStarts)));
            const int start = EntryStarts[entry];
            const int length = entry == 2 ? 9 : 8;
            if (start + NameOffset + 2 * length > data.size())
                break;
            const int at = start + NameOffset + 2 * random.bounded(length);
            data = with16(data, at, static_cast<quint16>('a' + random.bounded(26)));
            const auto *name =
                reinterpret_cast<const char16_t *>(data.constData() + start + NameOffset);
            data = with32(data, start + HashOffset,
                          PropertyBag::nameHash(QString::fromUtf16(name, length)));
            break;
        }
        }
    }
    return data;
}

} // namespace

class TestPropertyBag : public QObject
{
    Q_OBJECT

private slots:
    void nameHash_data();
    void nameHash();
    void roundTrip();
    void caseInsensitiveLookup();
    void defaultRemovesEntry();
    void replaceKeepsOrder();
    void unstorableWritesIgnored_data();
    void unstorableWritesIgnored();
    void accepts_data();
    void accepts();
    void rejects_data();
    void rejects();
    void randomMutations();
};

void TestPropertyBag::nameHash_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<quint32>("hash");

    QTest::newRow("_extentx") << "_extentx" << 0x4757F20Bu;
    QTest::newRow("_extenty") << "_extenty" << 0x4757F20Au;
    QTest::newRow("eventname") << "eventname" << 0x3354B2BBu;
    QTest::newRow("mixed case hashes as lower") << "EventName" << 0x3354B2BBu;
    QTest::newRow("empty") << "" << 0u;
    QTest::newRow("two characters") << "ab" << 0x000C2062u;
    QTest::newRow("rotation wraps the top bits round") << "zzzzzzzzzz" << 0x30F1878Cu;
}

void TestPropertyBag::nameHash()
{
    QFETCH(QString, name);
    QFETCH(quint32, hash);
    QCOMPARE(PropertyBag::nameHash(name), hash);
}

void TestPropertyBag::roundTrip()
{
    const QVariantList values = {0,
                                 -1,
                                 std::numeric_limits<int>::min(),
                                 std::numeric_limits<int>::max(),
                                 QString(),
                                 QStringLiteral("Ωmega \u00e9t\u00e9 \U0001F600")};
    PropertyBag bag;
    for (int i = 0; i < values.size(); ++i)
        bag.writeProperty(QStringLiteral("P%1").arg(i), values[i], QStringLiteral("unused"));

    PropertyBag::Error error = Error::TooShort;
    const PropertyBag read = PropertyBag::fromBytes(bag.toBytes(), &error);
    QCOMPARE(error, Error::None);
    QCOMPARE(read, bag);
    for (int i = 0; i < values.size(); ++i) {
        const QVariant value = read.readProperty(QStringLiteral("p%1").arg(i), QVariant());
        QCOMPARE(value.typeId(), values[i].typeId());
        QCOMPARE(value, values[i]);
    }
}

void TestPropertyBag::caseInsensitiveLookup()
{
    PropertyBag bag;
    bag.writeProperty("EventName", "Timer TEST", "???");
    bag.writeProperty("EVENTNAME", "Other", "???");

    QCOMPARE(bag.names(), QStringList{"eventname"});
    QVERIFY(bag.contains("eVeNtNaMe"));
    QCOMPARE(bag.readProperty("eventname", "???"), QVariant("Other"));
    QVERIFY(!bag.contains("eventnam"));
    QCOMPARE(bag.readProperty("Missing", 7), QVariant(7));
}

void TestPropertyBag::defaultRemovesEntry()
{
    PropertyBag bag;
    bag.writeProperty("_extentx", 16589, 0);
    bag.writeProperty("EventName", "x", "???");
    bag.writeProperty("Unchanged", 5, 5);
    QCOMPARE(bag.names(), QStringList({"_extentx", "eventname"}));

    bag.writeProperty("_ExtentX", 0, 0);
    bag.writeProperty("eventname", "???", "???");
    QVERIFY(bag.isEmpty());
    QCOMPARE(bag.toBytes(), QByteArray::fromHex("93b2 0000 08000000"));

    // A string that reads as the default number is still a different stored value.
    bag.writeProperty("Count", "5", 5);
    QCOMPARE(bag.readProperty("count", 5), QVariant("5"));
}

void TestPropertyBag::replaceKeepsOrder()
{
    const QByteArray stored = storedRow(1);
    PropertyBag bag = PropertyBag::fromBytes(stored);
    bag.writeProperty("_ExtentX", 1, 0);
    bag.writeProperty("Added", 2, 0);

    QCOMPARE(bag.names(), QStringList({"_extentx", "_extenty", "eventname", "added"}));
    const QByteArray bytes = bag.toBytes();
    QCOMPARE(bytes.mid(EntryStarts[1], NameEntry - EntryStarts[1]),
             stored.mid(EntryStarts[1], NameEntry - EntryStarts[1]));
    QCOMPARE(PropertyBag::fromBytes(bytes).readProperty("_extentx", 0), QVariant(1));
}

void TestPropertyBag::unstorableWritesIgnored_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QVariant>("value");

    QTest::newRow("invalid value") << "eventname" << QVariant();
    QTest::newRow("fraction") << "eventname" << QVariant(2.5);
    QTest::newRow("beyond 32 bits") << "eventname" << QVariant(qint64(1) << 32);
    QTest::newRow("unsigned beyond signed range") << "eventname" << QVariant(0x80000000u);
    QTest::newRow("empty name") << "" << QVariant(3);
    QTest::newRow("name too long") << QString(0x8000, 'a') << QVariant(3);
}

void TestPropertyBag::unstorableWritesIgnored()
{
    QFETCH(QString, name);
    QFETCH(QVariant, value);

    PropertyBag bag;
    bag.writeProperty("eventname", "kept", QString());
    const PropertyBag before = bag;
    bag.writeProperty(name, value, QString());
    QCOMPARE(bag, before);
}

void TestPropertyBag::accepts_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QStringList>("names");

    QTest::newRow("empty bag") << QByteArray::fromHex("93b2 0000 08000000") << QStringList();
    QTest::newRow("single entry leads to itself")
        << QByteArray::fromHex("93b2 0000 1c000000 0300 0100 61000000 00000000 6100 05000000"
                               "0000")
        << QStringList{"a"};
    QTest::newRow("empty string")
        << QByteArray::fromHex("93b2 0000 1c000000 0800 0100 62000000 00000000 6200 00000000"
                               "0000")
        << QStringList{"b"};
    QTest::newRow("string first") << stringFirstRecord() << QStringList({"eventname", "_extentx"});
}

void TestPropertyBag::accepts()
{
    QFETCH(QByteArray, data);
    QFETCH(QStringList, names);

    PropertyBag::Error error = Error::TooShort;
    const PropertyBag bag = PropertyBag::fromBytes(data, &error);
    QCOMPARE(error, Error::None);
    QCOMPARE(bag.names(), names);
    QCOMPARE(bag.toBytes(), data);
}

void TestPropertyBag::rejects_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<Error>("expected");

    const QByteArray row = storedRow(1);    // 180 bytes, no padding
    const QByteArray padded = storedRow(3); // 178 bytes of entries, 2 of padding
    const QByteArray stringFirst = stringFirstRecord();
    const int last = NameEntry;
    const auto dist = [](int entry) { return entry + DistanceOffset; };

    QTest::newRow("no data") << QByteArray() << Error::TooShort;
    QTest::newRow("header cut short") << row.left(7) << Error::TooShort;

    QTest::newRow("wrong signature") << with16(row, 0, 0xB294) << Error::BadSignature;
    QTest::newRow("signature byte-swapped") << with16(row, 0, 0x93B2) << Error::BadSignature;
    QTest::newRow("non-zero word after signature") << with16(row, 2, 1) << Error::BadSignature;

    QTest::newRow("total size zero") << with32(row, TotalSizeField, 0) << Error::BadSize;
    QTest::newRow("total size below header") << with32(row, TotalSizeField, 4) << Error::BadSize;
    QTest::newRow("total size past data") << with32(row, TotalSizeField, 184) << Error::BadSize;
    QTest::newRow("total size huge") << with32(row, TotalSizeField, 0xFFFFFFFC) << Error::BadSize;
    QTest::newRow("total size not a multiple of 4")
        << with32(padded.left(178), TotalSizeField, 178) << Error::BadSize;
    QTest::newRow("data longer than total size") << row + QByteArray(4, '\0') << Error::BadSize;
    QTest::newRow("padding of a whole word")
        << with32(row + QByteArray(4, '\0'), TotalSizeField, 184) << Error::BadSize;
    QTest::newRow("non-zero padding") << with16(padded, 178, 1) << Error::BadSize;
    QTest::newRow("ring closes before last entry")
        << with32(row, dist(EntryStarts[1]), -32) << Error::BadSize;

    QTest::newRow("first entry header past total size")
        << with32(row.left(16), TotalSizeField, 16) << Error::EntryOutOfBounds;
    QTest::newRow("entry header past total size")
        << with32(row.left(44), TotalSizeField, 44) << Error::EntryOutOfBounds;
    QTest::newRow("name past total size")
        << with16(row, last + NameLengthOffset, 100) << Error::EntryOutOfBounds;
    QTest::newRow("value past total size")
        << with32(row.left(36), TotalSizeField, 36) << Error::EntryOutOfBounds;
    QTest::newRow("string length past total size")
        << with32(row.left(104), TotalSizeField, 104) << Error::EntryOutOfBounds;

    QTest::newRow("distance leaves data forwards")
        << with32(row, dist(EntryStarts[1]), 1000) << Error::BadDistance;
    QTest::newRow("distance leaves data backwards")
        << with32(row, dist(last), -100) << Error::BadDistance;
    QTest::newRow("distance into header") << with32(row, dist(last), -68) << Error::BadDistance;
    QTest::newRow("distance inside own entry")
        << with32(row, dist(EntryStarts[0]), 28) << Error::BadDistance;
    QTest::newRow("distance skips bytes")
        << with32(row, dist(EntryStarts[0]), 36) << Error::BadDistance;
    QTest::newRow("distance inside earlier entry")
        << with32(row, dist(last), -60) << Error::BadDistance;
    QTest::newRow("distance largest negative")
        << with32(row, dist(last), std::numeric_limits<qint32>::min()) << Error::BadDistance;
    QTest::newRow("string shorter than its entry")
        << with32(stringFirst, 38, 2) << Error::BadDistance;

    QTest::newRow("last entry leads to second")
        << with32(row, dist(last), -32) << Error::RingNotClosed;
    QTest::newRow("entry leads to itself")
        << with32(row, dist(EntryStarts[1]), 0) << Error::RingNotClosed;
    QTest::newRow("last entry leads past end")
        << with32(row, dist(last), 108) << Error::RingNotClosed;
    QTest::newRow("last entry leads into padding")
        << with32(padded, dist(last), 106) << Error::RingNotClosed;

    QTest::newRow("upper-case name") << with16(row, last + NameOffset, 'E') << Error::BadName;
    QTest::newRow("empty name") << with16(row, last + NameLengthOffset, 0) << Error::BadName;
    QTest::newRow("negative name length")
        << with16(row, last + NameLengthOffset, 0xFFFF) << Error::BadName;
    QTest::newRow("duplicate name") << with32(with16(row, EntryStarts[1] + NameOffset + 14, 'x'),
                                              EntryStarts[1] + HashOffset, 0x4757F20B)
                                    << Error::BadName;

    QTest::newRow("hash one bit off")
        << with32(row, last + HashOffset, 0x3354B2BA) << Error::BadHash;
    QTest::newRow("hash of another name")
        << with32(row, EntryStarts[0] + HashOffset, 0x4757F20A) << Error::BadHash;

    QTest::newRow("type zero") << with16(row, EntryStarts[0] + TypeField, 0) << Error::UnknownType;
    QTest::newRow("type 4") << with16(row, EntryStarts[1] + TypeField, 4) << Error::UnknownType;
    QTest::newRow("type with high byte set")
        << with16(row, last + TypeField, 0x0108) << Error::UnknownType;

    QTest::newRow("string past total size")
        << with32(row, NameLengthField, 38) << Error::ValueOutOfBounds;
    QTest::newRow("string into padding and beyond")
        << with32(padded, NameLengthField, 38) << Error::ValueOutOfBounds;
    QTest::newRow("negative string length")
        << with32(row, NameLengthField, -1) << Error::ValueOutOfBounds;
    QTest::newRow("largest string length")
        << with32(row, NameLengthField, std::numeric_limits<qint32>::max())
        << Error::ValueOutOfBounds;
    QTest::newRow("string past next entry")
        << with32(stringFirst, 38, 4) << Error::ValueOutOfBounds;
}

void TestPropertyBag::rejects()
{
    QFETCH(QByteArray, data);
    QFETCH(Error, expected);

    Error error = Error::None;
    const PropertyBag bag = PropertyBag::fromBytes(data, &error);
    QCOMPARE(error, expected);
    QVERIFY(bag.isEmpty());
}

void TestPropertyBag::randomMutations()
{
    constexpr quint32 Seed = 0x5EED1234;
    constexpr int Cases = 40000;
    constexpr qint64 SafetyCapMs = 10000;

    QList<QByteArray> records;
    for (int n = 1; n <= StoredRowCount; ++n) {
        records.append(storedRow(n));
        QVERIFY(!records.last().isEmpty());
    }

    QRandomGenerator seeds(Seed);
    QElapsedTimer clock;
    clock.start();
    int accepted = 0;
    int rejected = 0;
    for (int i = 0; i < Cases && !clock.hasExpired(SafetyCapMs); ++i) {
        const quint32 caseSeed = seeds.generate();
        QRandomGenerator random(caseSeed);
        const QByteArray data = mutate(records[random.bounded(StoredRowCount)], random);
        const QByteArray where = QByteArray("seed 0x") + QByteArray::number(Seed, 16) +
                                 ", case seed 0x" + QByteArray::number(caseSeed, 16);

        Error error = Error::None;
        const PropertyBag bag = PropertyBag::fromBytes(data, &error);
        if (error != Error::None) {
            ++rejected;
            QVERIFY2(bag.isEmpty(), where.constData());
            continue;
        }
        ++accepted;
        const QByteArray written = bag.toBytes();
        QVERIFY2(written == data, where.constData());
        Error again = Error::TooShort;
        QVERIFY2(PropertyBag::fromBytes(written, &again) == bag, where.constData());
        QVERIFY2(again == Error::None, where.constData());
    }
    qInfo("%d accepted, %d rejected", accepted, rejected);
    QVERIFY(accepted > 0);
    QVERIFY(rejected > 0);
}

QTEST_GUILESS_MAIN(TestPropertyBag)
#include "tst_propertybag.moc"
