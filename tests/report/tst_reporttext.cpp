// SPDX-License-Identifier: MIT
#include "report/reporttext.h"
#include "tests/report/speeches.h"

#include <QTest>

using namespace Speeches;

class TestReportText : public QObject
{
    Q_OBJECT

private slots:
    void readAloud_data();
    void readAloud();
    void csvRow_data();
    void csvRow();
    void csvHeader();
};

void TestReportText::readAloud_data()
{
    QTest::addColumn<QList<SpeechRecord>>("speeches");
    QTest::addColumn<QString>("expected");
    QTest::newRow("named and qualified")
        << QList<SpeechRecord>{iceBreaker(0, 342, "Ann Lee")}
        << "1. Ann Lee, Ice Breaker Speech: 5:42, qualified\nEveryone qualified.\n";
    QTest::newRow("under and over, one unnamed")
        << QList<SpeechRecord>{iceBreaker(0, 198, "Bo"), iceBreaker(10, 331), iceBreaker(20, 431)}
        << "1. Bo, Ice Breaker Speech: 3:18, under time by 0:12\n"
           "2. Ice Breaker Speech: 5:31, qualified\n"
           "3. Ice Breaker Speech: 7:11, over time by 0:41\n"
           "Did not qualify: Bo (under time by 0:12); Ice Breaker Speech (over time by 0:41).\n";
    QTest::newRow("no limits, a rehearsal shown")
        << QList<SpeechRecord>{custom(0, 61), rehearsal(5)}
        << "1. CUSTOM Events: 1:01, no limits\n2. Timer TEST: 0:04, rehearsal\n";
    QTest::newRow("a mistaken start: not missed")
        << QList<SpeechRecord>{iceBreaker(0, 1)} << "1. Ice Breaker Speech: 0:01, mistaken start\n";
    QTest::newRow("2 s: a speech") << QList<SpeechRecord>{iceBreaker(0, 2)}
                                   << "1. Ice Breaker Speech: 0:02, under time by 3:28\n"
                                      "Did not qualify: Ice Breaker Speech (under time by 3:28).\n";
    const auto lit = SpeechRecord::finished(
        SpeechRecord::started(MeetingStart, 6, QStringLiteral("CUSTOM Events"),
                              {"00:01", "00:02", "00:03"}, {1, 2, 3}, false),
        1, SpeechRecord::Lamp::Green, true, 0);
    QTest::newRow("under 2 s with a lamp lit: a speech")
        << QList<SpeechRecord>{lit} << "1. CUSTOM Events: 0:01, qualified\nEveryone qualified.\n";
    QTest::newRow("nothing recorded") << QList<SpeechRecord>{} << "";
}

void TestReportText::readAloud()
{
    QFETCH(QList<SpeechRecord>, speeches);
    QFETCH(QString, expected);
    QCOMPARE(ReportText::readAloud(speeches), expected);
}

void TestReportText::csvRow_data()
{
    QTest::addColumn<SpeechRecord>("speech");
    QTest::addColumn<QString>("expected");
    const QString rest = QStringLiteral(",Ice Breaker Speech (4 to 6 Minutes),4:00,240,5:00,300,"
                                        "6:00,360,5:42,342,Yellow,Qualified,30,no,no,yes\r\n");
    const QString start = QStringLiteral("2026-12-07 19:30:00,");
    QTest::newRow("plain") << iceBreaker(0, 342, "Ann Lee") << start + "Ann Lee" + rest;
    QTest::newRow("comma") << iceBreaker(0, 342, "Lee, Ann") << start + "\"Lee, Ann\"" + rest;
    QTest::newRow("quote") << iceBreaker(0, 342, "Ann \"Sparky\" Lee")
                           << start + "\"Ann \"\"Sparky\"\" Lee\"" + rest;
    QTest::newRow("line break") << iceBreaker(0, 342, "Ann\nLee") << start + "\"Ann\nLee\"" + rest;
    QTest::newRow("emoji") << iceBreaker(0, 342, "Zoë 🎤") << start + "Zoë 🎤" + rest;
    QTest::newRow("formula kept as text")
        << iceBreaker(0, 342, "=HYPERLINK(\"x\")") << start + "\"'=HYPERLINK(\"\"x\"\")\"" + rest;
    QTest::newRow("rehearsal, unnamed")
        << rehearsal(0)
        << "2026-12-07 19:30:00,,Timer "
           "TEST,0:01,1,0:02,2,0:03,3,0:04,4,Red,Rehearsal,30,yes,no,yes\r\n";
}

void TestReportText::csvRow()
{
    QFETCH(SpeechRecord, speech);
    QFETCH(QString, expected);
    const QByteArray csv = ReportText::csv({speech});
    const qsizetype headerEnd = csv.indexOf("\r\n") + 2;
    QCOMPARE(QString::fromUtf8(csv.mid(headerEnd)), expected);
}

void TestReportText::csvHeader()
{
    const QByteArray csv = ReportText::csv({});
    QVERIFY2(csv.startsWith("\xEF\xBB\xBF"
                            "Started,Speaker,Category,"),
             csv.constData());
    QVERIFY(csv.endsWith(",Grace (s),Rehearsal,Mistaken start,Stopped\r\n"));
}

QTEST_GUILESS_MAIN(TestReportText)
#include "tst_reporttext.moc"
