// SPDX-License-Identifier: MIT
#include "app/sessionplatform.h"
#include "app/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

// A choice edited by hand into one the program does not offer reads as its default.
class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void init() { Settings().clear(); }
    void handEditedValues_data();
    void handEditedValues();
    void lightChoices_data();
    void lightChoices();
    void onlyItsOwnerReadsIt();
    void platformInAWaylandSession_data();
    void platformInAWaylandSession();
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

void TestSettings::lightChoices_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("port");
    QTest::newRow("an address") << "network/address" << "192.168.1.20" << "192.168.1.20" << 8080;
    QTest::newRow("not an address") << "network/address" << "printer" << "" << 8080;
    QTest::newRow("a port") << "network/port" << "8123" << "" << 8123;
    QTest::newRow("no such port") << "network/port" << "70000" << "" << 8080;
}

void TestSettings::lightChoices()
{
    QFETCH(QString, key);
    QFETCH(QString, stored);
    QFETCH(QString, address);
    QFETCH(int, port);
    QSettings(QCoreApplication::applicationName(), QCoreApplication::applicationName())
        .setValue(key, stored);
    const Settings settings;
    QCOMPARE(settings.lightChoices().address, address);
    QCOMPARE(int(settings.lightChoices().port), port);
    QVERIFY(!settings.lightChoices().onAtStart);
}

void TestSettings::onlyItsOwnerReadsIt()
{
    const QFileInfo file(
        QSettings(QCoreApplication::applicationName(), QCoreApplication::applicationName())
            .fileName());
    QVERIFY(QDir(file.path()).removeRecursively());
    Settings().setLightDevices("[]");
    const auto othersMay = QFile::ReadGroup | QFile::ReadOther | QFile::ExeGroup | QFile::ExeOther;
    QCOMPARE(QFile::permissions(file.filePath()) & othersMay, QFile::Permissions());
    QCOMPARE(QFile::permissions(file.path()) & othersMay, QFile::Permissions());
    QVERIFY(Settings().lightDevices() == "[]");
}

// In a Wayland session with XWayland the timer asks for X11, unless the user chose a platform.
void TestSettings::platformInAWaylandSession_data()
{
    QTest::addColumn<QByteArray>("qpaPlatform");
    QTest::addColumn<bool>("argument"); // -platform
    QTest::addColumn<QByteArray>("session");
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::addColumn<QByteArray>("x11Display");
    QTest::addColumn<QByteArray>("platform");
    const QByteArray none, wayland("wayland"), socket("wayland-0"), x11(":0");
    QTest::newRow("Wayland session")
        << none << false << wayland << socket << x11 << QByteArray("xcb;wayland");
    QTest::newRow("no session type")
        << none << false << none << socket << x11 << QByteArray("xcb;wayland");
    QTest::newRow("no XWayland") << none << false << wayland << socket << none << none;
    QTest::newRow("chosen") << wayland << false << wayland << socket << x11 << none;
    QTest::newRow("-platform given") << none << true << wayland << socket << x11 << none;
    QTest::newRow("X11 session") << none << false << QByteArray("x11") << none << x11 << none;
}

void TestSettings::platformInAWaylandSession()
{
    QFETCH(QByteArray, qpaPlatform);
    QFETCH(bool, argument);
    QFETCH(QByteArray, session);
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(QByteArray, x11Display);
    QFETCH(QByteArray, platform);
    QCOMPARE(SessionPlatform::chosen({qpaPlatform, session, waylandDisplay, x11Display, argument}),
             platform);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
