// SPDX-License-Identifier: MIT
#include "speaker/scaletofit.h"

#include <QTest>

// A designed area as large as a screen allows, scaled as one and centred; no screen needed.
class TestScaleToFit : public QObject
{
    Q_OBJECT

private slots:
    void fitsWholeAndCentres_data();
    void fitsWholeAndCentres();
};

void TestScaleToFit::fitsWholeAndCentres_data()
{
    QTest::addColumn<QSize>("designed");
    QTest::addColumn<double>("unitsPerPixel");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QRect>("shown");
    // The window's light, 9900 x 3615 twips, and the speaker's window's light, 660 x 242 pixels.
    QTest::newRow("twips, bars above and below, an odd bar split down")
        << QSize(9900, 3615) << 15.0 << QSize(1920, 1080) << 1920 / 660.0
        << QRect(0, 189, 1920, 701);
    QTest::newRow("twips, bars at the sides, an odd bar split down")
        << QSize(9900, 3615) << 15.0 << QSize(2560, 600) << 600 / 241.0 << QRect(458, 0, 1643, 600);
    QTest::newRow("pixels, bars above and below")
        << QSize(660, 242) << 1.0 << QSize(1280, 1024) << 1280 / 660.0 << QRect(0, 277, 1280, 469);
    QTest::newRow("pixels, bars at the sides")
        << QSize(660, 242) << 1.0 << QSize(2560, 600) << 600 / 242.0 << QRect(462, 0, 1636, 600);
    QTest::newRow("twips, scaled from twips, not whole pixels")
        << QSize(100, 100) << 15.0 << QSize(10, 20) << 1.5 << QRect(0, 5, 10, 10);
    QTest::newRow("half a pixel rounds up")
        << QSize(4, 3) << 1.0 << QSize(6, 100) << 1.5 << QRect(0, 47, 6, 5);
    QTest::newRow("odd sizes") << QSize(3, 2) << 1.0 << QSize(7, 7) << 7 / 3.0 << QRect(0, 1, 7, 5);
    QTest::newRow("smaller than designed")
        << QSize(660, 241) << 1.0 << QSize(330, 100) << 100 / 241.0 << QRect(28, 0, 274, 100);
    QTest::newRow("as designed") << QSize(660, 241) << 1.0 << QSize(660, 241) << 1.0
                                 << QRect(0, 0, 660, 241);
    QTest::newRow("nothing designed")
        << QSize(0, 241) << 1.0 << QSize(640, 480) << 1.0 << QRect(320, 119, 0, 241);
}

void TestScaleToFit::fitsWholeAndCentres()
{
    QFETCH(QSize, designed);
    QFETCH(double, unitsPerPixel);
    QFETCH(QSize, pixels);
    QFETCH(double, scale);
    QFETCH(QRect, shown);
    const ScaledToFit fit = scaleToFit(designed, pixels, unitsPerPixel);
    QCOMPARE(fit.scale, scale);
    QCOMPARE(fit.shown, shown);
}

QTEST_APPLESS_MAIN(TestScaleToFit)
#include "tst_scaletofit.moc"
