// SPDX-License-Identifier: MIT
#include "app/settings.h"

#include <QTest>

// A choice edited by hand into one the program does not offer reads as its default.
class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init() { Settings().clear(); }
    void handEditedValues_data();
    void handEditedValues();
};

void TestSettings::handEditedValues_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("grace");
    QTest::addColumn<bool>("flash");
    QTest::newRow("grace the menu offers") << "record/graceSeconds" << "15" << 15 << false;
    QTest::newRow("grace the menu does not offer") << "record/graceSeconds" << "20" << 30 << false;
    QTest::newRow("grace not a number") << "record/graceSeconds" << "half" << 30 << false;
    QTest::newRow("flash on") << "light/flashWhenOverTime" << "true" << 30 << true;
    QTest::newRow("flash neither on nor off") << "light/flashWhenOverTime" << "1" << 30 << false;
}

void TestSettings::handEditedValues()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(int, grace);
    QFETCH(bool, flash);
    QSettings(QCoreApplication::applicationName(), QCoreApplication::applicationName())
        .setValue(key, stored);
    const Settings settings;
    QCOMPARE(settings.graceSeconds(), grace);
    QCOMPARE(settings.flashWhenOverTime(), flash);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
