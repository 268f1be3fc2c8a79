// SPDX-License-Identifier: MIT
#include "timing/speechcategories.h"

#include <QTest>

// A row's threshold texts: the seconds they give and the stage delays the light waits.
class TestSpeechCategories : public QObject
{
    Q_OBJECT

private slots:
    void thresholdTexts_data();
    void thresholdTexts();
    void stageDelays_data();
    void stageDelays();
};

void TestSpeechCategories::thresholdTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<int>("absolute");
    QTest::newRow("seconds above 59") << "01:75" << 1 << 75 << 135;
    QTest::newRow("largest time") << "99:99" << 99 << 99 << 6039;
    QTest::newRow("empty box") << "__:__" << 0 << 0 << 0;
    QTest::newRow("minutes partly filled") << "5_:__" << 5 << 0 << 300;
    QTest::newRow("both partly filled") << "_6:_1" << 6 << 1 << 361;
    QTest::newRow("stray characters") << "a1:b2" << 1 << 2 << 62;
    QTest::newRow("no text") << "" << 0 << 0 << 0;
    QTest::newRow("no colon") << "12345" << 12 << 45 << 765;
}

void TestSpeechCategories::thresholdTexts()
{
    QFETCH(QString, text);
    QFETCH(int, minutes);
    QFETCH(int, seconds);
    QFETCH(int, absolute);
    qint16 readMinutes = -1, readSeconds = -1;
    QCOMPARE(SpeechCategories::thresholdSeconds(text, readMinutes, readSeconds), absolute);
    QCOMPARE(readMinutes, minutes);
    QCOMPARE(readSeconds, seconds);
}

void TestSpeechCategories::stageDelays_data()
{
    QTest::addColumn<QStringList>("thresholds");
    QTest::addColumn<QList<int>>("delays");
    QTest::newRow("yellow before green")
        << QStringList{"05:00", "04:00", "06:00"} << QList<int>{300, -60, 120};
    QTest::newRow("blank yellow") << QStringList{"01:00", "__:__", "02:00"}
                                  << QList<int>{60, -60, 120};
}

void TestSpeechCategories::stageDelays()
{
    QFETCH(QStringList, thresholds);
    QList<int> delays;
    qint16 changeTime = 0; // the first stage counts from START
    for (const QString &text : thresholds) {
        const auto stage = SpeechCategories::stageDelay(text, changeTime);
        delays << stage.delay;
        changeTime = stage.changeTime;
    }
    QTEST(delays, "delays");
}

QTEST_GUILESS_MAIN(TestSpeechCategories)
#include "tst_speechcategories.moc"
