// SPDX-License-Identifier: MIT
#include "report/reporttext.h"
#include "tests/report/speeches.h"

#include <QTest>

using namespace Speeches;

namespace {

SpeechRecord byHand(SpeechRecord speech)
{
    speech.byHand = SpeechRecord::ByHand::Changed;
    return speech;
}

} // namespace

class TestReportText : public QObject
{
    Q_OBJECT

private slots:
    void readAloud_data();
    void readAloud();
    void summary_data();
    void summary();
    void csvRow_data();
    void csvRow();
    void csvHeader();
};

void TestReportText::readAloud_data()
{
    QTest::addColumn<QList<SpeechRecord>>("speeches");
    QTest::addColumn<QString>("expected");
    const QString head = QStringLiteral("Club of the Lectern\nMeeting of Mon 7 Dec 2026, 19:30; "
                                        "timer: Ann Lee\n");
    QTest::newRow("named and qualified")
        << QList<SpeechRecord>{iceBreaker(0, 342, "Ann Lee")}
        << head + "1 speech: 1 qualified, 0 under time, 0 over time; grace: 30 s\n"
                  "1. Ann Lee, Ice Breaker Speech (4 to 6 Minutes): 5:42, qualified\n"
                  "Everyone qualified.\n";
    QTest::newRow("under and over, one unnamed")
        << QList<SpeechRecord>{iceBreaker(0, 198, "Bo"), iceBreaker(10, 331), iceBreaker(20, 431)}
        << head + "3 speeches: 1 qualified, 1 under time, 1 over time; grace: 30 s\n"
                  "1. Bo, Ice Breaker Speech (4 to 6 Minutes): 3:18, under time by 0:12\n"
                  "2. Ice Breaker Speech (4 to 6 Minutes): 5:31, qualified\n"
                  "3. Ice Breaker Speech (4 to 6 Minutes): 7:11, over time by 0:41\n"
                  "Did not qualify: Bo (under time by 0:12); Ice Breaker Speech (4 to 6 Minutes) "
                  "(over time by 0:41).\n";
    QTest::newRow("grace changed within the meeting: told with each verdict")
        << QList<SpeechRecord>{iceBreaker(0, 235, "Bo", 0), iceBreaker(10, 235, "Cy", 15)}
        << head + "2 speeches: 1 qualified, 1 under time, 0 over time\n"
                  "1. Bo, Ice Breaker Speech (4 to 6 Minutes): 3:55, under time by 0:05 "
                  "(grace: none)\n"
                  "2. Cy, Ice Breaker Speech (4 to 6 Minutes): 3:55, qualified (grace: 15 s)\n"
                  "Did not qualify: Bo (under time by 0:05).\n";
    QTest::newRow("no limits, a rehearsal shown")
        << QList<SpeechRecord>{custom(0, 61), rehearsal(5)}
        << head + "1 speech: 0 qualified, 0 under time, 0 over time\n"
                  "1. CUSTOM Events: 1:01, no limits\n2. Timer TEST: 0:04, rehearsal\n";
    QTest::newRow("a mistaken start: not missed")
        << QList<SpeechRecord>{iceBreaker(0, 1)}
        << head + "No speeches\n1. Ice Breaker Speech (4 to 6 Minutes): 0:01, mistaken start\n";
    QTest::newRow("2 s: a speech")
        << QList<SpeechRecord>{iceBreaker(0, 2)}
        << head + "1 speech: 0 qualified, 1 under time, 0 over time; grace: 30 s\n"
                  "1. Ice Breaker Speech (4 to 6 Minutes): 0:02, under time by 3:28\n"
                  "Did not qualify: Ice Breaker Speech (4 to 6 Minutes) (under time by 3:28).\n";
    const auto lit = SpeechRecord::finished(
        SpeechRecord::started(MeetingStart, 6, QStringLiteral("CUSTOM Events"),
                              {"00:01", "00:02", "00:03"}, {1, 2, 3}, false),
        1, SpeechRecord::Lamp::Green, true, 0);
    QTest::newRow("under 2 s with a lamp lit: a speech")
        << QList<SpeechRecord>{lit}
        << head + "1 speech: 1 qualified, 0 under time, 0 over time; grace: none\n"
                  "1. CUSTOM Events (0:01 to 0:03): 0:01, qualified\nEveryone qualified.\n";
    QTest::newRow("set by hand: marked, verdict as changed")
        << QList<SpeechRecord>{byHand(iceBreaker(0, 342, "Ann Lee"))}
        << head + "1 speech: 1 qualified, 0 under time, 0 over time; grace: 30 s\n"
                  "1. Ann Lee, Ice Breaker Speech (4 to 6 Minutes): 5:42, qualified\n"
                  "Everyone qualified.\nSet by hand after timing: Ann Lee.\n";
    QTest::newRow("nothing recorded") << QList<SpeechRecord>{} << head + "No speeches\n";
}

void TestReportText::readAloud()
{
    QFETCH(QList<SpeechRecord>, speeches);
    QFETCH(QString, expected);
    Meeting meeting;
    meeting.startedAt = MeetingStart;
    meeting.title = QStringLiteral("Club of the Lectern");
    meeting.timerName = QStringLiteral("Ann Lee");
    QCOMPARE(ReportText::readAloud(meeting, speeches), expected);
}

void TestReportText::summary_data()
{
    QTest::addColumn<QList<SpeechRecord>>("speeches");
    QTest::addColumn<QString>("expected");
    QTest::newRow("rehearsals and mistaken starts apart")
        << QList<SpeechRecord>{rehearsal(0),       iceBreaker(1, 1),    iceBreaker(2, 300),
                               iceBreaker(9, 100), iceBreaker(16, 250), iceBreaker(23, 500),
                               iceBreaker(30, 330)}
        << "5 speeches: 3 qualified, 1 under time, 1 over time";
    QTest::newRow("only a mistaken start")
        << QList<SpeechRecord>{iceBreaker(0, 0)} << "No speeches";
}

void TestReportText::summary()
{
    QFETCH(QList<SpeechRecord>, speeches);
    QFETCH(QString, expected);
    QCOMPARE(ReportText::summary(speeches), expected);
}

void TestReportText::csvRow_data()
{
    QTest::addColumn<SpeechRecord>("speech");
    QTest::addColumn<QString>("expected");
    const QString rest = QStringLiteral(",Ice Breaker Speech (4 to 6 Minutes),4:00,240,5:00,300,"
                                        "6:00,360,5:42,342,Yellow,Qualified,no,30,no,no,yes,"
                                        "\"Club, the\",Ann\r\n");
    const QString start = QStringLiteral("2026-12-07 19:30:00,");
    QTest::newRow("plain") << iceBreaker(0, 342, "Ann Lee") << start + "Ann Lee" + rest;
    QTest::newRow("comma") << iceBreaker(0, 342, "Lee, Ann") << start + "\"Lee, Ann\"" + rest;
    QTest::newRow("quote") << iceBreaker(0, 342, "Ann \"Sparky\" Lee")
                           << start + "\"Ann \"\"Sparky\"\" Lee\"" + rest;
    QTest::newRow("line break") << iceBreaker(0, 342, "Ann\nLee") << start + "\"Ann\nLee\"" + rest;
    QTest::newRow("emoji") << iceBreaker(0, 342, "Zoë 🎤") << start + "Zoë 🎤" + rest;
    QTest::newRow("formula kept as text")
        << iceBreaker(0, 342, "=HYPERLINK(\"x\")") << start + "\"'=HYPERLINK(\"\"x\"\")\"" + rest;
    QTest::newRow("minus kept as text") << iceBreaker(0, 342, "-2+3") << start + "'-2+3" + rest;
    QTest::newRow("rehearsal, unnamed")
        << rehearsal(0)
        << "2026-12-07 19:30:00,,Timer "
           "TEST,0:01,1,0:02,2,0:03,3,0:04,4,Red,Rehearsal,no,30,yes,no,yes,\"Club, the\",Ann\r\n";
    QTest::newRow("under time, in the table's words")
        << iceBreaker(0, 198)
        << start + ",Ice Breaker Speech (4 to 6 Minutes),4:00,240,5:00,300,6:00,360,3:18,198,"
                   "None,Under time by 0:12,no,30,no,no,yes,\"Club, the\",Ann\r\n";
    QTest::newRow("set by hand")
        << byHand(iceBreaker(0, 198))
        << start + ",Ice Breaker Speech (4 to 6 Minutes),4:00,240,5:00,300,6:00,360,3:18,198,"
                   "None,Under time by 0:12,yes,30,no,no,yes,\"Club, the\",Ann\r\n";
}

void TestReportText::csvRow()
{
    QFETCH(SpeechRecord, speech);
    QFETCH(QString, expected);
    Meeting meeting;
    meeting.title = QStringLiteral("Club, the");
    meeting.timerName = QStringLiteral("Ann");
    const QByteArray csv = ReportText::csv(meeting, {speech});
    const qsizetype headerEnd = csv.indexOf("\r\n") + 2;
    QCOMPARE(QString::fromUtf8(csv.mid(headerEnd)), expected);
}

void TestReportText::csvHeader()
{
    const QByteArray csv = ReportText::csv({}, {});
    QVERIFY2(csv.startsWith("\xEF\xBB\xBF"
                            "Started,Speaker,Category,"),
             csv.constData());
    QVERIFY(csv.endsWith(",Grace (s),Rehearsal,Mistaken start,Stopped,Meeting,Timer\r\n"));
}

QTEST_GUILESS_MAIN(TestReportText)
#include "tst_reporttext.moc"
