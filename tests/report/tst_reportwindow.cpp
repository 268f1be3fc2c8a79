// SPDX-License-Identifier: MIT
#include "record/meetingstore.h"
#include "report/reporttext.h"
#include "report/reportwindow.h"
#include "report/timingchart.h"
#include "tests/report/speeches.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using namespace Speeches;

class TestReportWindow : public QObject
{
    Q_OBJECT

private slots:
    void writeFile_data();
    void writeFile();
    void timerKeys_data();
    void timerKeys();
    void firstShowing_data();
    void firstShowing();
    void meetingCounts_data();
    void meetingCounts();
    void suggestedFile_data();
    void suggestedFile();
    void deleteAndUndo_data();
    void deleteAndUndo();
};

void TestReportWindow::writeFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("pdf");
    QTest::addColumn<bool>("written");
    QTest::newRow("CSV") << "meeting.csv" << false << true;
    QTest::newRow("PDF") << "meeting.pdf" << true << true;
    QTest::newRow("CSV into a missing folder") << "missing/meeting.csv" << false << false;
    QTest::newRow("PDF over a folder") << "folder" << true << false;
}

// A file is written whole, or not at all and the window says why.
void TestReportWindow::writeFile()
{
    QFETCH(QString, name);
    QFETCH(bool, pdf);
    QFETCH(bool, written);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder")));
    MeetingStore store(folder.filePath(QStringLiteral("meetings.sqlite")));
    QVERIFY(store.record(iceBreaker(0, 342, QStringLiteral("Ann Lee"))));
    ReportWindow window(&store);
    window.showAndRaise();
    const QString path = folder.filePath(name);

    QCOMPARE(pdf ? window.savePdf(path) : window.exportCsv(path), written);
    QCOMPARE(window.statusText().startsWith(QStringLiteral("Saved ")), written);
    QCOMPARE(window.statusText().startsWith(QStringLiteral("Could not save ")), !written);
    QFile file(path);
    if (!written) {
        QVERIFY(!QFileInfo(path).isFile());
        return;
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    if (pdf)
        QVERIFY(bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF"));
    else
        QCOMPARE(bytes, ReportText::csv(store.speeches(store.currentMeetingId())));
}

void TestReportWindow::timerKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("running");
    QTest::addColumn<int>("starts");
    QTest::addColumn<int>("stops");
    QTest::newRow("Alt+S, START shown") << int(Qt::Key_S) << false << 1 << 0;
    QTest::newRow("Alt+P, STOP shown") << int(Qt::Key_P) << true << 0 << 1;
    QTest::newRow("Alt+S, START hidden") << int(Qt::Key_S) << true << 0 << 0;
    QTest::newRow("Alt+P, STOP hidden") << int(Qt::Key_P) << false << 0 << 0;
}

// The timer's START and STOP keys work with the report in front, and click only a button shown.
void TestReportWindow::timerKeys()
{
    QFETCH(int, key);
    QFETCH(bool, running);
    QFETCH(int, starts);
    QFETCH(int, stops);
    QTemporaryDir folder;
    MeetingStore store(folder.filePath(QStringLiteral("meetings.sqlite")));
    QVERIFY(store.record(iceBreaker(0, 342)));
    QWidget timer;
    auto *light = new QWidget(&timer);
    auto *start = new QPushButton(QStringLiteral("&START"), &timer);
    auto *stop = new QPushButton(QStringLiteral("STO&P"), &timer);
    start->setHidden(running);
    stop->setHidden(!running);
    int started = 0, stopped = 0;
    connect(start, &QPushButton::clicked, this, [&started] { ++started; });
    connect(stop, &QPushButton::clicked, this, [&stopped] { ++stopped; });
    timer.show();
    ReportWindow window(&store, light, {start, stop});
    window.showAndRaise();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QTest::keyClick(&window, Qt::Key(key), Qt::AltModifier);
    QCOMPARE(started, starts);
    QCOMPARE(stopped, stops);
}

void TestReportWindow::firstShowing_data()
{
    QTest::addColumn<int>("speeches");
    QTest::addColumn<QRect>("timer");
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QTest::newRow("1 speech, timer on the left") << 1 << QRect(screen.topLeft(), QSize(200, 300));
    QTest::newRow("3 speeches, timer on the right")
        << 3 << QRect(screen.right() - 200, screen.top(), 200, 300);
    QTest::newRow("8 speeches, timer across the top")
        << 8 << QRect(screen.topLeft(), QSize(screen.width(), 120));
    QTest::newRow("2 speeches, no room beside the timer")
        << 2
        << QRect(screen.left() + 150, screen.top(), screen.width() - 300, screen.height() - 80);
}

// At its first showing the report shows every bar of a few speeches, the table the rest, and
// lies beside the timer, never over its light.
void TestReportWindow::firstShowing()
{
    QFETCH(int, speeches);
    QFETCH(QRect, timer);
    QTemporaryDir folder;
    MeetingStore store(folder.filePath(QStringLiteral("meetings.sqlite")));
    for (int i = 0; i < speeches; ++i)
        QVERIFY(store.record(iceBreaker(8 * i, 250 + 20 * i)));
    QWidget timerWindow;
    auto *light = new QWidget(&timerWindow);
    light->setGeometry(0, 0, timer.width(), timer.height() / 2);
    timerWindow.setGeometry(timer);
    timerWindow.show();
    QVERIFY(QTest::qWaitForWindowExposed(&timerWindow));
    ReportWindow window(&store, light);
    window.showAndRaise();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const auto *chart = window.findChild<TimingChart *>();
    const auto *table = window.findChild<QTableView *>();
    QVERIFY2(chart->parentWidget()->height() >= chart->sizeHint().height(),
             qPrintable(QStringLiteral("%1 of %2 pixels shown")
                            .arg(chart->parentWidget()->height())
                            .arg(chart->sizeHint().height())));
    QVERIFY(table->viewport()->height() >= table->rowHeight(0));
    const QRect lightPlace(light->mapToGlobal(QPoint(0, 0)), light->size());
    QVERIFY(!window.frameGeometry().intersects(lightPlace));
    QVERIFY(window.screen()->availableGeometry().contains(window.frameGeometry()));
}

void TestReportWindow::meetingCounts_data()
{
    QTest::addColumn<QList<SpeechRecord>>("speeches");
    QTest::addColumn<QString>("counts");
    QTest::newRow("three and a rehearsal")
        << QList<SpeechRecord>{rehearsal(0), iceBreaker(2, 342), iceBreaker(9, 250),
                               iceBreaker(16, 380)}
        << "(3 speeches, 1 rehearsal)";
    QTest::newRow("a rehearsal and a mistaken start")
        << QList<SpeechRecord>{rehearsal(0), iceBreaker(2, 1), iceBreaker(3, 342)}
        << "(1 speech, 2 rehearsals)";
}

// The meeting picker counts the speeches as the table shows them, the rehearsals apart.
void TestReportWindow::meetingCounts()
{
    QFETCH(QList<SpeechRecord>, speeches);
    QFETCH(QString, counts);
    QTemporaryDir folder;
    MeetingStore store(folder.filePath(QStringLiteral("meetings.sqlite")));
    for (const SpeechRecord &speech : speeches)
        QVERIFY(store.record(speech));
    ReportWindow window(&store);
    window.showAndRaise();

    const auto *picker = window.findChild<QComboBox *>();
    QVERIFY2(picker->currentText().endsWith(counts), qPrintable(picker->currentText()));
}

void TestReportWindow::suggestedFile_data()
{
    QTest::addColumn<QString>("usedLast");
    QTest::addColumn<bool>("documents");
    QTest::addColumn<QString>("suggested");
    QTest::newRow("the folder used last") << "kept" << true << "kept/meeting-2026-12-07.csv";
    QTest::newRow("the folder used last gone, Documents there")
        << "gone" << true << "home/Documents/meeting-2026-12-07.csv";
    QTest::newRow("no Documents folder") << "" << false << "home/meeting-2026-12-07.csv";
}

// The save dialog suggests a file named after the meeting's day, in a folder that is there.
void TestReportWindow::suggestedFile()
{
    QFETCH(QString, usedLast);
    QFETCH(bool, documents);
    QFETCH(QString, suggested);
    QTemporaryDir folder;
    const QByteArray home = qgetenv("HOME");
    const auto restoreHome = qScopeGuard([&home] { qputenv("HOME", home); });
    qputenv("HOME", folder.filePath(QStringLiteral("home")).toLocal8Bit());
    QVERIFY(QDir(folder.path()).mkpath(documents ? "home/Documents" : "home"));
    MeetingStore store(folder.filePath(QStringLiteral("meetings.sqlite")));
    QVERIFY(store.record(iceBreaker(0, 342)));
    ReportWindow window(&store);
    window.showAndRaise();
    const auto dialog = [&window] { return window.findChild<QFileDialog *>(); };
    if (!usedLast.isEmpty()) {
        QVERIFY(QDir(folder.path()).mkdir(usedLast));
        window.commandExportCsv_Click();
        dialog()->selectFile(folder.filePath(usedLast + "/first.csv"));
        static_cast<QDialog *>(dialog())->accept();
        QTRY_VERIFY(!dialog());
        if (usedLast == "gone")
            QVERIFY(QDir(folder.filePath(usedLast)).removeRecursively());
    }

    window.commandExportCsv_Click();
    QVERIFY(dialog());
    QCOMPARE(dialog()->selectedFiles().value(0), folder.filePath(suggested));
}

void TestReportWindow::deleteAndUndo_data()
{
    QTest::addColumn<int>("deletes");
    QTest::addColumn<int>("undos");
    QTest::addColumn<int>("rows");
    QTest::newRow("nothing deleted") << 0 << 0 << 3;
    QTest::newRow("one deleted") << 1 << 0 << 2;
    QTest::newRow("one deleted and brought back") << 1 << 1 << 3;
    QTest::newRow("two deleted, one brought back") << 2 << 1 << 2;
    QTest::newRow("every row deleted") << 3 << 0 << 0;
}

// Delete takes the current row, and the row above becomes current; Undo can be done while a
// speech deleted waits to come back.
void TestReportWindow::deleteAndUndo()
{
    QFETCH(int, deletes);
    QFETCH(int, undos);
    QFETCH(int, rows);
    QTemporaryDir folder;
    MeetingStore store(folder.filePath(QStringLiteral("meetings.sqlite")));
    for (int i = 0; i < 3; ++i)
        QVERIFY(store.record(iceBreaker(8 * i, 300)));
    ReportWindow window(&store);
    window.showAndRaise();
    auto *table = window.findChild<QTableView *>();
    table->setCurrentIndex(table->model()->index(2, 0));
    for (int i = 0; i < deletes; ++i)
        window.deleteAction()->trigger();
    for (int i = 0; i < undos; ++i)
        window.undoAction()->trigger();

    QCOMPARE(table->model()->rowCount(), rows);
    QCOMPARE(window.deleteAction()->isEnabled(), rows > 0);
    QCOMPARE(window.undoAction()->isEnabled(), deletes > undos);
}

QTEST_MAIN(TestReportWindow)
#include "tst_reportwindow.moc"
