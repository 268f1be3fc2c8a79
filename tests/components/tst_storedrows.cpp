// SPDX-License-Identifier: MIT
#include "components/propertybag.h"
#include "tests/support/storedrow.h"

#include <QFile>
#include <QTest>

namespace {

constexpr int ExtentX = 16589;
constexpr int ExtentY = 661;

} // namespace

class TestStoredRows : public QObject
{
    Q_OBJECT

private slots:
    void matchesTable_data();
    void matchesTable();
    void firstRowBytes();
};

void TestStoredRows::matchesTable_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<int>("size");
    QTest::addColumn<QString>("name");

    QTest::newRow("ice breaker") << 1 << 180 << "Ice Breaker Speech   (4 to 6 Minutes)";
    QTest::newRow("standard") << 2 << 180 << "Standard Speech      (5 to 7 Minutes)";
    QTest::newRow("advanced, padded") << 3 << 180 << "Advanced Seech     (8 to 10 Minutes)";
    QTest::newRow("evaluation") << 4 << 180 << "Speech Evaluation    (2 to 3 Minutes)";
    QTest::newRow("table topics, padded") << 5 << 188 << "Table Topics            (1 to 2 Minutes)";
    QTest::newRow("custom") << 6 << 132 << "CUSTOM Events";
    QTest::newRow("timer test, padded") << 7 << 128 << "Timer TEST";
}

void TestStoredRows::matchesTable()
{
    QFETCH(int, number);
    QFETCH(int, size);
    QFETCH(QString, name);

    const QByteArray data = storedRow(number);
    QCOMPARE(data.size(), size);

    PropertyBag::Error error = PropertyBag::Error::TooShort;
    PropertyBag bag = PropertyBag::fromBytes(data, &error);
    QCOMPARE(error, PropertyBag::Error::None);
    QCOMPARE(bag.names(), QStringList({"_extentx", "_extenty", "eventname"}));
    QCOMPARE(bag.readProperty("EventName", "???"), QVariant(name));
    QCOMPARE(bag.readProperty("_ExtentX", 0), QVariant(ExtentX));
    QCOMPARE(bag.readProperty("_ExtentY", 0), QVariant(ExtentY));
    QCOMPARE(bag.toBytes(), data);

    bag.writeProperty("EventName", name, QString());
    QCOMPARE(bag.toBytes(), data);
}

void TestStoredRows::firstRowBytes()
{
    QByteArray expected = QByteArray::fromHex("93b2 0000 b4000000"
                                              // "_extentx", 16589, next entry 32 bytes on
                                              "0300 0800 0bf25747 20000000"
                                              "5f00 6500 7800 7400 6500 6e00 7400 7800"
                                              "cd400000"
                                              // "_extenty", 661
                                              "0300 0800 0af25747 20000000"
                                              "5f00 6500 7800 7400 6500 6e00 7400 7900"
                                              "95020000"
                                              // "eventname", back 64 bytes to the first entry
                                              "0800 0900 bbb25433 c0ffffff"
                                              "6500 7600 6500 6e00 7400 6e00 6100 6d00 6500"
                                              "25000000");
    for (const QChar c : QStringLiteral("Ice Breaker Speech   (4 to 6 Minutes)")) {
        expected.append(static_cast<char>(c.unicode() & 0xff));
        expected.append(static_cast<char>(c.unicode() >> 8));
    }
    QCOMPARE(storedRow(1), expected);
}

QTEST_GUILESS_MAIN(TestStoredRows)
#include "tst_storedrows.moc"
