// SPDX-License-Identifier: MIT
#include "timing/checked16.h"

#include <QTest>

// Counters that hold at the 16-bit limits instead of wrapping round.
class TestChecked16 : public QObject
{
    Q_OBJECT

private slots:
    void heldArithmetic_data();
    void heldArithmetic();
};

void TestChecked16::heldArithmetic_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("sum");
    QTest::addColumn<int>("difference");
    QTest::addColumn<int>("product");
    QTest::newRow("ordinary") << 240 << 60 << 300 << 180 << 14400;
    QTest::newRow("past the top") << 32767 << 2 << 32767 << 32765 << 32767;
    QTest::newRow("past the bottom") << -32768 << 2 << -32766 << -32768 << -32768;
    QTest::newRow("both past") << -32768 << -32768 << -32768 << 0 << 32767;
}

void TestChecked16::heldArithmetic()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, sum);
    QFETCH(int, difference);
    QFETCH(int, product);
    QCOMPARE(int(Checked16::holdingAdd(qint16(a), qint16(b))), sum);
    QCOMPARE(int(Checked16::holdingSub(qint16(a), qint16(b))), difference);
    QCOMPARE(int(Checked16::holdingMul(qint16(a), qint16(b))), product);
}

QTEST_GUILESS_MAIN(TestChecked16)
#include "tst_checked16.moc"
