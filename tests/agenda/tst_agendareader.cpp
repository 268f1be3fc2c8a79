// SPDX-License-Identifier: MIT
#include "agenda/agendareader.h"
#include "agenda/agendawriter.h"
#include "translations/programlanguage.h"

#include <QTemporaryDir>
#include <QTest>

using Problem = RejectedLine::Problem;

class TestAgendaReader : public QObject
{
    Q_OBJECT

private slots:
    void goodLine_data();
    void goodLine();
    void pasted_data();
    void pasted();
    void badLine_data();
    void badLine();
    void roundTrip();
    void largeFile();
    void inProgramLanguage();
};

const QByteArray Header = "name,category,green,yellow,red\n";

void TestAgendaReader::goodLine_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<PlannedSpeech>("expected");
    const auto ann = PlannedSpeech::inRow(QStringLiteral("Ann Lee"), 1);
    QTest::newRow("row number") << Header + "Ann Lee,1" << ann;
    QTest::newRow("start of description, any case") << Header + "Ann Lee,ice breaker" << ann;
    QTest::newRow("whole description, padding as typed")
        << Header + "Ann Lee,Ice Breaker Speech   (4 to 6 Minutes)" << ann;
    QTest::newRow("row's own thresholds") << Header + "Ann Lee,1,4:00,05:00,6:00" << ann;
    QTest::newRow("CUSTOM") << Header + "Bo,custom,5:30,6:00,06:30"
                            << PlannedSpeech::custom(QStringLiteral("Bo"), {330, 360, 390});
    QTest::newRow("CUSTOM as a spreadsheet's times of day")
        << Header + "Bo,custom,0:05:30,00:06:00,6:30"
        << PlannedSpeech::custom(QStringLiteral("Bo"), {330, 360, 390});
    QTest::newRow("semicolons, columns reordered, BOM, CRLF, blank lines")
        << QByteArray("\xEF\xBB\xBFRED;Category;Name\r\n\r\n;;\r\n;1;Ann Lee\r\n") << ann;
    QTest::newRow("quoted separator, doubled quote, line break")
        << Header + "\"Lee, \"\"Ann\"\"\nJr\",1"
        << PlannedSpeech::inRow(QStringLiteral("Lee, \"Ann\" Jr"), 1);
    QTest::newRow("name cleaned") << Header + "  Ann \t Lee ,1" << ann;
    QTest::newRow("formula guard taken off")
        << Header + "'=Ann,1" << PlannedSpeech::inRow("=Ann", 1);
    QTest::newRow("unknown column left alone")
        << QByteArray("notes,name,category\nx,Ann Lee,1") << ann;
}

void TestAgendaReader::goodLine()
{
    QFETCH(QByteArray, csv);
    QFETCH(PlannedSpeech, expected);
    const AgendaReading reading = AgendaReader::readCsv(csv);
    QCOMPARE(reading.rejected.size(), 0);
    QCOMPARE(reading.speeches, QList<PlannedSpeech>{expected});
}

void TestAgendaReader::pasted_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<PlannedSpeech>("expected");
    const auto bo = PlannedSpeech::custom(QStringLiteral("Bo Ek"), {60, 90, 120});
    QTest::newRow("no header") << QStringLiteral("\nBo Ek\tCUSTOM\t1:00\t1:30\t2:00\n") << bo;
    QTest::newRow("header") << QStringLiteral(
                                   "Category\tRed\tYellow\tGreen\tName\n6\t2:00\t1:30\t1:00\tBo Ek")
                            << bo;
    QTest::newRow("cell with a line break")
        << QStringLiteral("\"Bo\nEk\"\t6\t1:00\t1:30\t2:00") << bo;
}

void TestAgendaReader::pasted()
{
    QFETCH(QString, text);
    QFETCH(PlannedSpeech, expected);
    const AgendaReading reading = AgendaReader::readPasted(text);
    QCOMPARE(reading.rejected.size(), 0);
    QCOMPARE(reading.speeches, QList<PlannedSpeech>{expected});
}

void TestAgendaReader::badLine_data()
{
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("line");
    QTest::addColumn<Problem>("problem");
    QTest::newRow("binary") << QByteArray("name,category\0\1", 15) << 0 << Problem::Binary;
    QTest::newRow("control character") << Header + "Ann\x1b,1" << 0 << Problem::Binary;
    QTest::newRow("not UTF-8") << Header + "Ren\x81,1" << 0 << Problem::NotUtf8;
    QTest::newRow("Windows-1252") << Header + "Ren\xE9,1" << 0 << Problem::Windows1252;
    QTest::newRow("UTF-16") << QByteArray("\xFF\xFEn\0a\0", 6) << 0 << Problem::NotUtf8;
    QTest::newRow("no header") << QByteArray("Ann,1\n") << 1 << Problem::Header;
    QTest::newRow("column named twice")
        << QByteArray("name,category,Name\n") << 1 << Problem::Header;
    QTest::newRow("too few columns") << Header + "\nAnn" << 3 << Problem::TooFewColumns;
    QTest::newRow("text after a quote") << Header + "\"Ann\" Lee,1" << 2 << Problem::BrokenQuotes;
    QTest::newRow("unknown category") << Header + "Ann,8" << 2 << Problem::UnknownCategory;
    QTest::newRow("ambiguous start") << Header + "Ann,s" << 2 << Problem::AmbiguousCategory;
    QTest::newRow("not a time") << Header + "Ann,6,5:30,six,7:00" << 2 << Problem::NotATime;
    QTest::newRow("seconds over 59") << Header + "Ann,6,5:75,6:00,7:00" << 2 << Problem::NotATime;
    QTest::newRow("1:60") << Header + "Ann,6,1:60,2:30,3:00" << 2 << Problem::NotATime;
    QTest::newRow("hours in a time")
        << Header + "Ann,6,1:05:00,6:00,7:00" << 2 << Problem::NotATime;
    QTest::newRow("no colon") << Header + "Ann,6,5,6,7" << 2 << Problem::NotATime;
    QTest::newRow("digits the box drops")
        << Header + "Ann,6,5:30:00,6:00,7:00" << 2 << Problem::NotATime;
    QTest::newRow("out of order") << Header + "Ann,6,5:00,5:00,7:00" << 2 << Problem::OutOfOrder;
    QTest::newRow("CUSTOM without red")
        << Header + "Ann,6,5:00,6:00" << 2 << Problem::CustomWithoutThresholds;
    QTest::newRow("CUSTOM without green")
        << Header + "Ann,6,,6:00,7:00" << 2 << Problem::CustomWithoutThresholds;
    QTest::newRow("other thresholds for a fixed row")
        << Header + "Ann,1,4:00,5:00,6:30" << 2 << Problem::NotTheRowsThresholds;
    QTest::newRow("name over 100")
        << Header + QByteArray(101, 'x') + ",1" << 2 << Problem::NameTooLong;
    QTest::newRow("a rehearsal") << Header + "Ann,Timer" << 2 << Problem::Rehearsal;
    // With the good line after it, one over the most a plan holds.
    QTest::newRow("too many speeches")
        << Header + QByteArray("\nAnn,1").repeated(SpeechCategories::MaxPlannedSpeeches) << 0
        << Problem::TooManySpeeches;
}

void TestAgendaReader::badLine()
{
    QFETCH(QByteArray, csv);
    QFETCH(int, line);
    QFETCH(Problem, problem);
    // A good line after the bad one is still read, unless the whole text is refused.
    const AgendaReading reading = AgendaReader::readCsv(csv + "\nCy,2\n");
    QCOMPARE(reading.rejected.size(), 1);
    QCOMPARE(reading.rejected[0].lineNumber, line);
    QCOMPARE(reading.rejected[0].problem, problem);
    QVERIFY(!reading.rejected[0].reason.isEmpty());
    QCOMPARE(reading.speeches.size(), line > 1 ? 1 : 0);
}

void TestAgendaReader::roundTrip()
{
    const QList<PlannedSpeech> plan{
        PlannedSpeech::inRow(QStringLiteral("Ann Lee"), 2),
        PlannedSpeech::custom(QStringLiteral("Lee, \"Bo\""), {61, 599, 5999}),
        PlannedSpeech::inRow(QStringLiteral("=HYPERLINK(\"x\")"), 4),
        PlannedSpeech::inRow(QStringLiteral("'-1"), 1),
        PlannedSpeech::inRow(QString(100, u'é'), 5),
        PlannedSpeech::inRow(QString(), 3),
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("plan.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(AgendaWriter::csv(plan)) > 0);
    file.close();
    const AgendaReading reading = AgendaReader::readCsvFile(path);
    QCOMPARE(reading.rejected.size(), 0);
    QCOMPARE(reading.speeches, plan);
}

void TestAgendaReader::largeFile()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("big.csv")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(file.write(Header) > 0 && file.resize(50 * 1024 * 1024));
    file.close();
    const AgendaReading reading = AgendaReader::readCsvFile(file.fileName());
    QCOMPARE(reading.rejected.size(), 1);
    QCOMPARE(reading.rejected[0].problem, Problem::TooLarge);
    QCOMPARE(
        AgendaReader::readCsvFile(dir.filePath(QStringLiteral("none.csv"))).rejected[0].problem,
        Problem::Unreadable);
    QCOMPARE(AgendaReader::readPasted(QString(AgendaReader::MaxFileBytes + 1, u'x'))
                 .rejected.value(0)
                 .problem,
             Problem::TooLarge);
}

// The headings and the rows' names in the program's language are taken as the English ones are.
void TestAgendaReader::inProgramLanguage()
{
    QCOMPARE(ProgramLanguage::install(qApp, QLocale(QLocale::German)), QStringLiteral("de"));
    const AgendaReading reading = AgendaReader::readCsv(
        "Name;Kategorie;Gr\xC3\xBCn;Gelb;Rot\nAnn;Eisbrecher\nBo;stegreif\nCy;Ice\nDi;9\n");
    QCOMPARE(reading.speeches,
             (QList<PlannedSpeech>{PlannedSpeech::inRow("Ann", 1), PlannedSpeech::inRow("Bo", 5),
                                   PlannedSpeech::inRow("Cy", 1)}));
    // Refused with the names and numbers it takes, in the program's language.
    QVERIFY2(reading.rejected.value(0).reason.contains(QStringLiteral("5 Stegreifreden")),
             qPrintable(reading.rejected.value(0).reason));
}

QTEST_GUILESS_MAIN(TestAgendaReader)
#include "tst_agendareader.moc"
