// SPDX-License-Identifier: MIT
#include "capture/capturewindow.h"

#include <QTest>

// The capture window's picture, 480 x 270, read pixel by pixel; and what it remembers.
class TestCaptureWindow : public QObject
{
    Q_OBJECT

private slots:
    void picture_data();
    void picture();
    void remembersAndChecks();
};

void TestCaptureWindow::picture_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<bool>("flashDark");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QRgb>("seen");
    const QRgb key = CaptureWindow::DefaultKey, yellow = 0xffffff00, red = 0xffff0000;
    QTest::newRow("background, edge to edge") << "video=background" << false << QPoint(0, 269) << yellow;
    QTest::newRow("border, its frame") << "video=border&width=10" << false << QPoint(479, 20) << yellow;
    QTest::newRow("border, the key inside") << "video=border&width=10" << false << QPoint(28, 28) << key;
    QTest::newRow("badge, the key around") << "video=badge&corner=top-left" << false << QPoint(470, 260) << key;
    QTest::newRow("badge, its yellow lamp")
        << "video=badge&corner=bottom-right" << false << QPoint(353, 223) << yellow;
    QTest::newRow("a flash's dark moment") << "video=background" << true << QPoint(5, 5) << 0xff2b2b2b;
    QTest::newRow("no flash: red stays") << "video=background&flash=no" << true << QPoint(5, 5) << red;
}

void TestCaptureWindow::picture()
{
    QFETCH(QString, layout);
    QFETCH(bool, flashDark);
    QFETCH(QPoint, at);
    QFETCH(QRgb, seen);
    CaptureWindow window;
    window.restore(layout);
    window.setLamps(false, !flashDark, false, flashDark);
    QCOMPARE(window.size(), QSize(480, 270));
    QCOMPARE(QString::number(window.grab().toImage().pixel(at), 16), QString::number(seen, 16));
}

void TestCaptureWindow::remembersAndChecks()
{
    CaptureWindow window;
    window.restore("video=border&width=99&key=%23ff00ff&place=10,20,300,200");
    QCOMPARE(window.layout().borderPercent, VideoLayout::MaxBorder);
    QCOMPARE(window.keyColour(), QColor(Qt::magenta));
    QCOMPARE(window.size(), QSize(300, 200));
    CaptureWindow again;
    again.restore(window.remembered());
    QCOMPARE(again.remembered(), window.remembered());
    again.restore("video=nonsense&key=bad&place=1,2");
    QCOMPARE(again.layout().kind, VideoLayout::Kind::Badge);
    QCOMPARE(again.keyColour(), QColor(Qt::magenta));
    again.restore("place=x,10,20,400,300");
    QCOMPARE(again.size(), QSize(300, 200));
    // Larger than the screen: as large as the screen allows, whole on it.
    again.restore("place=10,20,100000,100000");
    QVERIFY(again.screen()->availableGeometry().contains(again.geometry()));
}

QTEST_MAIN(TestCaptureWindow)
#include "tst_capturewindow.moc"
