// SPDX-License-Identifier: MIT
#include "record/meetingstore.h"
#include "report/reportmodel.h"
#include "report/speechlabels.h"
#include "tests/report/speeches.h"

#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Speeches;

class TestReportModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void rows_data();
    void rows();
    void editName_data();
    void editName();
    void deleteAndUndo();
    void speechRecordedWhileOpen();
    void agenda_data();
    void agenda();
    void devicesInTheTip();

private:
    QString storePath() const { return m_folder->filePath(QStringLiteral("meetings.sqlite")); }
    // Records the speeches and shows their meeting.
    void recordAndShow(const QList<SpeechRecord> &speeches);
    // Each row as "Time Category Elapsed Speaker".
    QStringList rowTexts() const;

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<MeetingStore> m_store;
    std::unique_ptr<ReportModel> m_model;
};

void TestReportModel::init()
{
    m_model.reset();
    m_store.reset();
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(m_folder->isValid());
    m_store = std::make_unique<MeetingStore>(storePath());
    m_model = std::make_unique<ReportModel>(m_store.get());
}

void TestReportModel::recordAndShow(const QList<SpeechRecord> &speeches)
{
    for (const SpeechRecord &s : speeches)
        QVERIFY(m_store->record(s));
    m_model->setMeeting(m_store->currentMeetingId());
}

QStringList TestReportModel::rowTexts() const
{
    QStringList rows;
    for (int r = 0; r < m_model->rowCount(); ++r) {
        QStringList cells;
        for (const int c : {SpeechLabels::Time, SpeechLabels::Category, SpeechLabels::Elapsed,
                            SpeechLabels::Speaker})
            cells << m_model->index(r, c).data().toString();
        rows << cells.join(u' ').trimmed();
    }
    return rows;
}

void TestReportModel::rows_data()
{
    QTest::addColumn<QList<SpeechRecord>>("speeches");
    QTest::addColumn<bool>("showRehearsals");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("in the order they started")
        << QList<SpeechRecord>{iceBreaker(12, 300, "Cy"), iceBreaker(2, 250, "Ann")} << false
        << QStringList{"19:32 Ice Breaker Speech (4 to 6 Minutes) 4:10 Ann",
                       "19:42 Ice Breaker Speech (4 to 6 Minutes) 5:00 Cy"};
    QTest::newRow("rehearsals and mistaken starts hidden")
        << QList<SpeechRecord>{rehearsal(0), iceBreaker(2, 1), iceBreaker(4, 250), custom(9, 65)}
        << false
        << QStringList{"19:34 Ice Breaker Speech (4 to 6 Minutes) 4:10",
                       "19:39 CUSTOM Events 1:05"};
    QTest::newRow("shown when asked")
        << QList<SpeechRecord>{rehearsal(0), iceBreaker(2, 1), iceBreaker(4, 250)} << true
        << QStringList{"19:30 Timer TEST 0:04", "19:32 Ice Breaker Speech (4 to 6 Minutes) 0:01",
                       "19:34 Ice Breaker Speech (4 to 6 Minutes) 4:10"};
}

void TestReportModel::rows()
{
    QFETCH(QList<SpeechRecord>, speeches);
    QFETCH(bool, showRehearsals);
    QFETCH(QStringList, expected);
    recordAndShow(speeches);
    m_model->setShowRehearsals(showRehearsals);
    QCOMPARE(rowTexts(), expected);
    QCOMPARE(m_model->allSpeeches().size(), speeches.size());
}

void TestReportModel::editName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("saved");
    QTest::newRow("a name") << "Zoë Lee 🎤"
                            << "Zoë Lee 🎤";
    QTest::newRow("blanks and control characters") << "  Ann\tLee\u0007 \n"
                                                   << "Ann Lee";
    QTest::newRow("too long") << QString(120, u'x') << QString(100, u'x');
}

void TestReportModel::editName()
{
    QFETCH(QString, typed);
    QFETCH(QString, saved);
    recordAndShow({iceBreaker(0, 300), iceBreaker(8, 320)});
    const QModelIndex name = m_model->index(1, SpeechLabels::Speaker);
    QVERIFY(m_model->flags(name) & Qt::ItemIsEditable);
    QVERIFY(!(m_model->flags(name.siblingAtColumn(SpeechLabels::Elapsed)) & Qt::ItemIsEditable));
    QVERIFY(m_model->setData(name, typed));
    QCOMPARE(name.data().toString(), saved);
    // Saved the moment the edit ends: another store on the same file reads it.
    MeetingStore reopened(storePath());
    const QList<SpeechRecord> read = reopened.speeches(m_model->meetingId());
    QCOMPARE(read.size(), 2);
    QCOMPARE(read.at(1).speakerName, saved);
    QCOMPARE(read.at(0).speakerName, QString());

    // A speech gone from the file: its name is not said to be saved.
    const QString other = QStringLiteral("another program");
    {
        QSqlDatabase file = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), other);
        file.setDatabaseName(storePath());
        QVERIFY(file.open() && QSqlQuery(file).exec("DELETE FROM speech"));
    }
    QSqlDatabase::removeDatabase(other);
    QSignalSpy notSaved(m_model.get(), &ReportModel::nameNotSaved);
    QVERIFY(!m_model->setData(name, typed));
    QCOMPARE(notSaved.size(), 1);
}

void TestReportModel::deleteAndUndo()
{
    recordAndShow({iceBreaker(0, 300, "Ann"), iceBreaker(8, 20, "Bo"), iceBreaker(16, 330, "Cy")});
    // Rows removed and inserted, not the model reset: the table keeps its current row.
    QSignalSpy resets(m_model.get(), &QAbstractItemModel::modelReset);
    QSignalSpy removed(m_model.get(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy inserted(m_model.get(), &QAbstractItemModel::rowsInserted);
    QVERIFY(m_model->removeRow(1));
    QCOMPARE(removed.value(0).value(1).toInt(), 1);
    QCOMPARE(rowTexts(), (QStringList{"19:30 Ice Breaker Speech (4 to 6 Minutes) 5:00 Ann",
                                      "19:46 Ice Breaker Speech (4 to 6 Minutes) 5:30 Cy"}));
    QCOMPARE(MeetingStore(storePath()).speeches(m_model->meetingId()).size(), 2);
    QVERIFY(m_model->restoreLastDeleted());
    QCOMPARE(rowTexts(), (QStringList{"19:30 Ice Breaker Speech (4 to 6 Minutes) 5:00 Ann",
                                      "19:38 Ice Breaker Speech (4 to 6 Minutes) 0:20 Bo",
                                      "19:46 Ice Breaker Speech (4 to 6 Minutes) 5:30 Cy"}));
    QCOMPARE(inserted.value(0).value(1).toInt(), 1);
    QCOMPARE(resets.size(), 0);
}

// A speech recorded while the table is open joins it as a new row, the rows there untouched,
// so a name being typed is not lost.
void TestReportModel::speechRecordedWhileOpen()
{
    recordAndShow({iceBreaker(0, 300, "Ann")});
    QSignalSpy resets(m_model.get(), &QAbstractItemModel::modelReset);
    QSignalSpy inserted(m_model.get(), &QAbstractItemModel::rowsInserted);
    QVERIFY(m_store->record(iceBreaker(8, 250)));
    QCOMPARE(rowTexts(), (QStringList{"19:30 Ice Breaker Speech (4 to 6 Minutes) 5:00 Ann",
                                      "19:38 Ice Breaker Speech (4 to 6 Minutes) 4:10"}));
    QCOMPARE(resets.size(), 0);
    QCOMPARE(inserted.size(), 1);
}

// The plan and the speeches in one table: Ann (Ice Breaker), Bo (CUSTOM 0:30, 1:00, 1:30) and
// Cy (Table Topics) planned; the next to speak marked, a planned speech spoken in its own row,
// the speech being timed counting in its row, and a speech set by hand saying so.
void TestReportModel::agenda_data()
{
    QTest::addColumn<int>("spoken");
    QTest::addColumn<QString>("running");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("the plan alone, the first marked")
        << 0 << "" << QStringList{"next|Ann|4:00||", "|Bo|0:30||", "|Cy|1:00||"};
    QTest::newRow("a planned speech spoken is its row")
        << 1 << "" << QStringList{"19:30|Ann|4:00|5:00|Qualified", "next|Bo|0:30||", "|Cy|1:00||"};
    QTest::newRow("the running speech counts in its planned row")
        << 1 << "planned"
        << QStringList{"19:30|Ann|4:00|5:00|Qualified", "19:40|Bo|0:30|1:05|being timed",
                       "next|Cy|1:00||"};
    QTest::newRow("a speech timed without the plan runs after the spoken")
        << 1 << "other"
        << QStringList{"19:30|Ann|4:00|5:00|Qualified", "19:40||4:00|1:05|being timed",
                       "next|Bo|0:30||", "|Cy|1:00||"};
    QTest::newRow("a speech set by hand says so")
        << 1 << "by hand"
        << QStringList{"19:30|Ann|4:00|6:40|Over time by 0:10 (set by hand)", "next|Bo|0:30||",
                       "|Cy|1:00||"};
    QTest::newRow("a speech added by hand says so")
        << 1 << "added"
        << QStringList{"19:30|Ann|4:00|5:00|Qualified",
                       "19:50|Di|4:00|5:00|Qualified (set by hand)", "next|Bo|0:30||",
                       "|Cy|1:00||"};
}

void TestReportModel::agenda()
{
    QFETCH(int, spoken);
    QFETCH(QString, running);
    QFETCH(QStringList, expected);
    const QList<PlanEntry> plan = m_store->addPlanned({PlanEntry::make("Ann", 1, {240, 300, 360}),
                                                       PlanEntry::make("Bo", 6, {30, 60, 90}),
                                                       PlanEntry::make("Cy", 5, {60, 90, 120})});
    QCOMPARE(plan.size(), 3);
    for (int i = 0; i < spoken; ++i)
        QVERIFY(m_store->record(iceBreaker(10 * i, 300), plan.at(i).id));
    m_model->setMeeting(m_store->currentMeetingId());
    m_model->setNextPlanned(plan.at(spoken).id);
    SpeechRecord run = iceBreaker(10, 0);
    if (running == "planned") {
        run.rowIndex = 6;
        run.thresholdSeconds = {30, 60, 90};
        m_model->setRunning(run, plan.at(1).id, 0);
        m_model->setNextPlanned(plan.at(2).id);
    } else if (running == "other") {
        m_model->setRunning(run, 0, 0);
    }
    if (running == "planned" || running == "other") {
        QSignalSpy counted(m_model.get(), &QAbstractItemModel::dataChanged);
        m_model->setRunning(run, running == "planned" ? plan.at(1).id : 0, 65);
        QCOMPARE(counted.size(), 1);
    }
    if (running == "by hand")
        QVERIFY(m_store->changeElapsed(m_model->shownItems().at(0).speech->id, 400));
    if (running == "added")
        QVERIFY(m_store->addSpeechByHand(m_model->meetingId(), MeetingStart.addSecs(1200), "Di", 1,
                                         {240, 300, 360}, 300, 30, 0));
    QStringList rows;
    for (int r = 0; r < m_model->rowCount(); ++r) {
        QStringList cells;
        for (const int c : {SpeechLabels::Time, SpeechLabels::Speaker, SpeechLabels::Green,
                            SpeechLabels::Elapsed, SpeechLabels::VerdictColumn})
            cells << m_model->index(r, c).data().toString();
        rows << cells.join(u'|');
    }
    QCOMPARE(rows, expected);
}

// Which paired device pressed START or STOP, after the row's own tip; a device's name is text.
void TestReportModel::devicesInTheTip()
{
    SpeechRecord s = iceBreaker(0, 300);
    s.startedBy = "Chrome on Android";
    s.stoppedBy = "<b>x</b> & y";
    recordAndShow({s});
    QCOMPARE(m_model->index(0, SpeechLabels::Speaker).data(Qt::ToolTipRole).toString(),
             "<qt>Press Enter or F2 to type the speaker's name<br>Started from the device Chrome "
             "on Android<br>Stopped from the device &lt;b&gt;x&lt;/b&gt; &amp; y</qt>");
}

QTEST_GUILESS_MAIN(TestReportModel)
#include "tst_reportmodel.moc"
