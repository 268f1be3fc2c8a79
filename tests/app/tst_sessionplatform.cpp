// SPDX-License-Identifier: MIT
#include "app/sessionplatform.h"

#include <QTest>

// In a Wayland session with XWayland the timer asks for X11, unless the user chose a platform.
class TestSessionPlatform : public QObject
{
    Q_OBJECT

private slots:
    void chosen_data();
    void chosen();
};

void TestSessionPlatform::chosen_data()
{
    QTest::addColumn<QByteArray>("qpaPlatform");
    QTest::addColumn<QByteArray>("sessionType");
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::addColumn<QByteArray>("x11Display");
    QTest::addColumn<bool>("argument");
    QTest::addColumn<QByteArray>("platform");
    const QByteArray x11 = "xcb;wayland";
    QTest::newRow("Wayland session") << QByteArray() << QByteArray("wayland")
                                     << QByteArray("wayland-0") << QByteArray(":0") << false << x11;
    QTest::newRow("Wayland display, no session type")
        << QByteArray() << QByteArray() << QByteArray("wayland-1") << QByteArray(":1") << false
        << x11;
    QTest::newRow("no XWayland") << QByteArray() << QByteArray("wayland") << QByteArray("wayland-0")
                                 << QByteArray() << false << QByteArray();
    QTest::newRow("chosen by the user")
        << QByteArray("wayland") << QByteArray("wayland") << QByteArray("wayland-0")
        << QByteArray(":0") << false << QByteArray();
    QTest::newRow("-platform given")
        << QByteArray() << QByteArray("wayland") << QByteArray("wayland-0") << QByteArray(":0")
        << true << QByteArray();
    QTest::newRow("X11 session") << QByteArray() << QByteArray("x11") << QByteArray()
                                 << QByteArray(":0") << false << QByteArray();
}

void TestSessionPlatform::chosen()
{
    QFETCH(QByteArray, qpaPlatform);
    QFETCH(QByteArray, sessionType);
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(QByteArray, x11Display);
    QFETCH(bool, argument);
    QFETCH(QByteArray, platform);
    QCOMPARE(
        SessionPlatform::chosen({qpaPlatform, sessionType, waylandDisplay, x11Display, argument}),
        platform);
}

QTEST_GUILESS_MAIN(TestSessionPlatform)
#include "tst_sessionplatform.moc"
