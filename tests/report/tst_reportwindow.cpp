// SPDX-License-Identifier: MIT
#include "app/record_module/recordcommands.h"
#include "components/checkedsave.h"
#include "components/maskedtimebox.h"
#include "record/meetingstore.h"
#include "report/meetingeditor.h"
#include "report/reporttext.h"
#include "report/reportwindow.h"
#include "report/speechform.h"
#include "report/speechlabels.h"
#include "report/timingchart.h"
#include "tests/report/speeches.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSaveFile>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimeEdit>

#include <cerrno>
#include <csignal>
#include <memory>
#include <cstring>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Speeches;

class TestReportWindow : public QObject
{
    Q_OBJECT

private slots:
    void writeFile_data();
    void writeFile();
    void fullTarget_data();
    void fullTarget();
    void commitRefused();
    void quitWithSpeechesWaiting_data();
    void quitWithSpeechesWaiting();
    void damagedRecoveryFile();
    void anotherCopyOnThePlan();
    void planningFormRefusesARehearsal();
    void timerKeys_data();
    void timerKeys();
    void firstShowing_data();
    void firstShowing();
    void meetingCounts_data();
    void meetingCounts();
    void pickerKeys_data();
    void pickerKeys();
    void sortBy_data();
    void sortBy();
    void suggestedFile_data();
    void suggestedFile();
    void printSuggestion();
    void deleteAndUndo_data();
    void deleteAndUndo();
    void newMeeting();
    void planSteps_data();
    void planSteps();
    void addByHand();
    void speechForm_data();
    void speechForm();
};

void TestReportWindow::writeFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("pdf");
    QTest::addColumn<bool>("written");
    QTest::addColumn<int>("speeches");
    QTest::newRow("CSV") << "meeting.csv" << false << true << 1;
    QTest::newRow("PDF") << "meeting.pdf" << true << true << 1;
    QTest::newRow("PDF of many pages, the table's heading on each")
        << "meeting.pdf" << true << true << 120;
    QTest::newRow("CSV into a missing folder") << "missing/meeting.csv" << false << false << 1;
    QTest::newRow("PDF over a folder") << "folder" << true << false << 1;
}

// A file is written whole, or not at all and the window says why.
void TestReportWindow::writeFile()
{
    QFETCH(QString, name);
    QFETCH(bool, pdf);
    QFETCH(bool, written);
    QFETCH(int, speeches);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder")));
    MeetingStore store(folder.filePath(QStringLiteral("meetings.sqlite")));
    for (int i = 0; i < speeches; ++i)
        QVERIFY(store.record(iceBreaker(i, 342, QStringLiteral("Ann Lee"))));
    // Hidden in the table, yet in the CSV.
    QVERIFY(store.record(rehearsal(5)));
    QVERIFY(
        store.addSpeechByHand(0, MeetingStart.addSecs(3600), "Di", 1, {240, 300, 360}, 300, 30));
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
    if (pdf) {
        QVERIFY(bytes.startsWith("%PDF-") && bytes.trimmed().endsWith("%%EOF"));
        // Every page from the table's first on starts its part of the table with the heading.
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
        QVERIFY(text.waitForFinished() && text.exitCode() == 0);
        QList<QByteArray> pages = text.readAllStandardOutput().split('\f');
        pages.removeLast(); // after the last page's form feed
        while (!pages.isEmpty() && !pages.constFirst().contains("Elapsed"))
            pages.removeFirst();
        for (const QByteArray &page : std::as_const(pages))
            QVERIFY2(page.contains("Elapsed"), page.constData());
        QVERIFY(pages.join().contains("Qualified (set by hand)"));
        QVERIFY(pages.size() >= (speeches > 1 ? 2 : 1));
        // Its title names the report and the meeting's day, not the whole heading.
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {path});
        QVERIFY(info.waitForFinished());
        QVERIFY(info.readAllStandardOutput().contains(" Timer's Report, Mon 7 Dec 2026, "));
        // The line above each page's footer stays blank, as drawn: from the bottom, the footer's
        // ink comes first, then more blank rows than that ink's height, a line being taller.
        QProcess drawn;
        drawn.start(QStringLiteral("pdftoppm"), {QStringLiteral("-gray"), QStringLiteral("-r"),
                                                 QStringLiteral("72"), path, folder.filePath("p")});
        QVERIFY(drawn.waitForFinished() && drawn.exitCode() == 0);
        for (const QString &name : QDir(folder.path()).entryList({QStringLiteral("p-*.pgm")})) {
            const QImage shot(folder.filePath(name));
            const auto inked = [&shot](int y) {
                for (int x = 0; x < shot.width(); ++x) {
                    if (qGray(shot.pixel(x, y)) <= 250)
                        return true;
                }
                return false;
            };
            int y = shot.height() - 1;
            while (y > 0 && !inked(y))
                --y;
            const int footerBottom = y;
            while (y > 0 && inked(y))
                --y;
            const int blankAbove = y;
            while (y > 0 && !inked(y))
                --y;
            QVERIFY2(blankAbove - y > footerBottom - blankAbove, qPrintable(name));
        }
    } else {
        QCOMPARE(bytes, ReportText::csv(store.meetings().constLast(),
                                        store.speeches(store.currentMeetingId())));
    }
}

void TestReportWindow::fullTarget_data()
{
    QTest::addColumn<bool>("pdf");
    QTest::newRow("CSV") << false;
    QTest::newRow("PDF") << true;
}

// Onto a full disk, a file is not said to be saved, and the earlier file there stays whole: a
// small tmpfs where the test may mount one, else a file-size limit in a child process.
void TestReportWindow::fullTarget()
{
    QFETCH(bool, pdf);
    QTemporaryDir folder;
    MeetingStore store(folder.filePath(QStringLiteral("meetings.sqlite")));
    QVERIFY(store.record(iceBreaker(0, 342, QStringLiteral("Ann Lee"))));
    ReportWindow window(&store);
    const QString full = folder.filePath(QStringLiteral("full"));
    const QString path = full + (pdf ? "/meeting.pdf" : "/meeting.csv");
    const QByteArray old = "the earlier report\n";
    QVERIFY(QDir().mkpath(full));
    const bool mounted =
        geteuid() == 0 &&
        QProcess::execute("mount", {"-t", "tmpfs", "-o", "size=32k", "tmpfs", full}) == 0;
    const auto unmount = qScopeGuard([&] {
        if (mounted)
            QProcess::execute("umount", {full});
    });
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(old) == old.size() && file.flush());
    file.close();
    QFile filler(full + "/filler");
    QVERIFY(filler.open(QIODevice::WriteOnly));
    while (mounted && filler.write(QByteArray(512, 'x')) == 512 && filler.flush()) {
    }
    // Without a tmpfs, a child process that may write no more than a few bytes to any file.
    const pid_t child = mounted ? 0 : fork();
    if (child == 0) {
        const rlimit limit{64, 64};
        if (!mounted &&
            (std::signal(SIGXFSZ, SIG_IGN) == SIG_ERR || setrlimit(RLIMIT_FSIZE, &limit)))
            _exit(2);
        // The reason the system gave, not the one of the write cancelled after it.
        const QString why = QString::fromLocal8Bit(std::strerror(mounted ? ENOSPC : EFBIG));
        const bool refused = !(pdf ? window.savePdf(path) : window.exportCsv(path)) &&
                             window.statusText() == "Could not save " + path + ": " + why;
        if (!mounted)
            _exit(refused ? 0 : 1);
        QVERIFY2(refused, qPrintable(window.statusText()));
    } else {
        int status = -1;
        if (child < 0 || waitpid(child, &status, 0) != child || WEXITSTATUS(status) == 2)
            QSKIP("neither a tmpfs nor a child process with a file-size limit");
        QCOMPARE(WEXITSTATUS(status), 0);
    }
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), old);
}

// A file that cannot take its final name is not said to be saved.
void TestReportWindow::commitRefused()
{
    QTemporaryDir folder;
    QSaveFile file(folder.filePath(QStringLiteral("meeting.csv")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("x\n") == 2);
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("meeting.csv")));
    QString why;
    QVERIFY(!commitChecked(file, &why));
    QVERIFY(!why.isEmpty());
}

void TestReportWindow::quitWithSpeechesWaiting_data()
{
    QTest::addColumn<bool>("recordTakesThem"); // while the box is open; else saved to a file
    QTest::addColumn<QString>("file");
    QTest::newRow("saved to a file") << false << "kept.csv";
    QTest::newRow("taken by the record meanwhile") << true << "kept.csv";
    // "data" is a file: the CSV fails, the box asks again, and staying keeps every speech.
    QTest::newRow("the file cannot be written: nothing lost") << false << "data/kept.csv";
}

// Quitting with speeches the record could not take: saved to a CSV file, or the box goes once
// the record takes them; standard error says which.
void TestReportWindow::quitWithSpeechesWaiting()
{
    QFETCH(bool, recordTakesThem);
    QFETCH(QString, file);
    static QStringList said;
    said.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &text) { said << text; });
    const auto restore = qScopeGuard([previous] { qInstallMessageHandler(previous); });
    QTemporaryDir folder;
    const QString blocked = folder.filePath(QStringLiteral("data")); // a file, not a folder
    QVERIFY(QFile(blocked).open(QIODevice::WriteOnly));
    MeetingStore store(blocked + QStringLiteral("/meetings.sqlite"));
    QVERIFY(!store.record(iceBreaker(0, 342, QStringLiteral("Ann Lee"))));
    const QByteArray waiting = ReportText::csv(Meeting(), store.unsavedSpeeches());
    QVERIFY(waiting.contains("Ann Lee"));
    const QString csv = folder.filePath(file);
    const bool unwritable = file.contains(u'/');
    bool warned = false;
    QTimer answer;
    const QDeadlineTimer deadline(10000);
    connect(&answer, &QTimer::timeout, this, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == QStringLiteral("unsavedRecordBox")) {
            if (deadline.hasExpired() || warned) // the box stayed: the operator stays too
                modal->findChild<QPushButton *>(QStringLiteral("commandStay"))->click();
            else if (recordTakesThem)
                QFile::remove(blocked);
            else
                modal->findChild<QPushButton *>(QStringLiteral("commandSaveUnsaved"))->click();
        } else if (auto *warning = qobject_cast<QMessageBox *>(modal)) {
            warned = true;
            warning->accept();
        } else if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            // Typed, as the folder's listing may still choose the suggested name.
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(csv);
            QMetaObject::invokeMethod(dialog, &QDialog::accept);
        }
    });
    answer.start(50);
    QCOMPARE(RecordCommands::settleBeforeClosing(&store, nullptr), !unwritable);
    QCOMPARE(store.isSaved(), !unwritable);
    QCOMPARE(warned, unwritable);
    if (unwritable) {
        QCOMPARE(store.unsavedSpeeches().size(), 1);
        QVERIFY(!said.join(u'\n').contains(QStringLiteral("instead")));
        return;
    }
    QCOMPARE(QFile::exists(csv), !recordTakesThem);
    if (!recordTakesThem) {
        QFile file(csv);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), waiting);
    }
    QCOMPARE(store.speeches(store.currentMeetingId()).size(), int(recordTakesThem));
    const QString told = said.join(u'\n');
    QCOMPARE(told.contains(QStringLiteral("saved now")), recordTakesThem);
    QCOMPARE(told.contains(QStringLiteral("saved to %1 instead").arg(csv)), !recordTakesThem);
}

// A recovery file that cannot be read is said in the window, and kept.
void TestReportWindow::damagedRecoveryFile()
{
    QTemporaryDir folder;
    const QByteArray state = qgetenv("XDG_STATE_HOME");
    const auto restore = qScopeGuard([&state] { qputenv("XDG_STATE_HOME", state); });
    qputenv("XDG_STATE_HOME", folder.path().toLocal8Bit());
    QVERIFY(QDir().mkpath(RecoveryFile::folders().first()));
    QFile damaged(RecoveryFile::folders().first() + "/lecternworks-timer-recovery-1.json");
    QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("{\"format\"") > 0);
    damaged.close();
    MeetingStore store(folder.filePath(QStringLiteral("meetings.sqlite")));
    QString told;
    QTimer answer;
    connect(&answer, &QTimer::timeout, this, [&told] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            told = box->objectName() + u' ' + box->text();
            box->accept();
        }
    });
    answer.start(50);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("is left as it is: not a recovery"));
    RecordCommands::offerRecovery(&store, nullptr);
    QVERIFY2(told.startsWith("recoveryUnreadableBox ") && told.contains(damaged.fileName()),
             qPrintable(told));
    QVERIFY(damaged.exists());
}

// Another copy's speech for a planned row shows within two seconds; one timed here for that row
// meanwhile goes in without the plan, and the window says so.
void TestReportWindow::anotherCopyOnThePlan()
{
    QTemporaryDir folder;
    MeetingStore other(folder.filePath(QStringLiteral("meetings.sqlite")));
    MeetingStore store(other.filePath());
    // A name as a plan file may give it: shown as it stands, never as markup.
    const QString ann = QStringLiteral("<i>Ann Lee");
    const qint64 planned = store.addPlanned({PlanEntry::make(ann, 1, {240, 300, 360})})[0].id;
    ReportWindow window(&store);
    window.showAndRaise();
    const QAbstractItemModel *table = window.findChild<QTableView *>()->model();
    QVERIFY(other.record(iceBreaker(0, 342, ann), planned));
    QTRY_COMPARE_WITH_TIMEOUT(table->index(0, SpeechLabels::Elapsed).data().toString(),
                              QStringLiteral("5:42"), 2500);
    QVERIFY(store.record(iceBreaker(10, 300, ann), planned));
    QVERIFY2(window.statusText().startsWith("Recorded without the plan"),
             qPrintable(window.statusText()));
    auto *status = window.findChild<QLabel *>(QStringLiteral("labelStatus"));
    status->setSelection(0, int(status->text().size()));
    QCOMPARE(status->selectedText(), status->text());
    QCOMPARE(table->index(1, SpeechLabels::Speaker).data().toString(), QString());
}

// A rehearsal is not planned; a speech set right may be one.
void TestReportWindow::planningFormRefusesARehearsal()
{
    for (const bool planning : {true, false}) {
        SpeechForm form(QString(), planning, !planning);
        if (QLineEdit *time = form.timeBox())
            time->setText(QStringLiteral("0:05"));
        form.categoryBox()->setCurrentIndex(
            form.categoryBox()->findData(SpeechCategories::TestRow));
        QCOMPARE(form.problem().isEmpty(), !planning);
    }
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

// The timer's START, STOP and Quit keys work with the report in front; START and STOP click only
// a button shown.
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
    QTest::addColumn<bool>("beside");
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QTest::newRow("1 speech, timer on the left")
        << 1 << QRect(screen.topLeft(), QSize(200, 300)) << true;
    QTest::newRow("3 speeches, timer on the right")
        << 3 << QRect(screen.right() - 200, screen.top(), 200, 300) << true;
    QTest::newRow("8 speeches, timer across the top")
        << 8 << QRect(screen.topLeft(), QSize(screen.width(), 120)) << true;
    QTest::newRow("2 speeches, no room beside the timer: where the window manager puts it")
        << 2 << QRect(screen.left() + 150, screen.top(), screen.width() - 300, screen.height() - 80)
        << false;
    QTest::newRow("4 speeches, centred timer: moved to the left edge, the report beside it")
        << 4 << QRect(screen.center().x() - 150, screen.top(), 300, screen.height() - 80) << true;
}

// At its first showing the report shows every bar of a few speeches, the table the rest, and
// lies beside the timer, never over its light.
void TestReportWindow::firstShowing()
{
    QFETCH(int, speeches);
    QFETCH(QRect, timer);
    QFETCH(bool, beside);
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
    QCOMPARE(!window.frameGeometry().intersects(lightPlace), beside);
    QCOMPARE(!window.frameGeometry().intersects(timerWindow.frameGeometry()), beside);
    QVERIFY(window.screen()->availableGeometry().contains(window.frameGeometry()));

    // Side by side where there is room for both; else nothing moves.
    window.arrangeAction()->trigger();
    QCOMPARE(timerWindow.frameGeometry().left() == window.screen()->availableGeometry().left(),
             beside);
    QCOMPARE(!window.frameGeometry().intersects(timerWindow.frameGeometry()), beside);
}

void TestReportWindow::meetingCounts_data()
{
    QTest::addColumn<QList<SpeechRecord>>("speeches");
    QTest::addColumn<QString>("counts");
    QTest::addColumn<QString>("oneMore");
    QTest::newRow("three and a rehearsal")
        << QList<SpeechRecord>{rehearsal(0), iceBreaker(2, 342), iceBreaker(9, 250),
                               iceBreaker(16, 380)}
        << "(3 speeches, 1 rehearsal)"
        << "(4 speeches, 1 rehearsal)";
    QTest::newRow("a rehearsal and a mistaken start")
        << QList<SpeechRecord>{rehearsal(0), iceBreaker(2, 1), iceBreaker(3, 342)}
        << "(1 speech, 1 rehearsal)"
        << "(2 speeches, 1 rehearsal)";
}

// The meeting picker counts the speeches as the table shows them, the rehearsals apart.
void TestReportWindow::meetingCounts()
{
    QFETCH(QList<SpeechRecord>, speeches);
    QFETCH(QString, counts);
    QFETCH(QString, oneMore);
    QTemporaryDir folder;
    MeetingStore store(folder.filePath(QStringLiteral("meetings.sqlite")));
    for (const SpeechRecord &speech : speeches)
        QVERIFY(store.record(speech));
    ReportWindow window(&store);
    window.showAndRaise();

    const auto *picker = window.findChild<QComboBox *>();
    QVERIFY2(picker->currentText().endsWith(counts), qPrintable(picker->currentText()));
    // Never cut, however narrow the window.
    window.resize(window.minimumSizeHint());
    QTRY_VERIFY(picker->width() >
                picker->fontMetrics().horizontalAdvance(picker->currentText()) + picker->height());
    // A speech timed with the report open counts at once.
    QVERIFY(store.record(iceBreaker(30, 300)));
    QVERIFY2(picker->currentText().endsWith(oneMore), qPrintable(picker->currentText()));
}

void TestReportWindow::pickerKeys_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("shown");
    QTest::newRow("Home") << QList<int>{Qt::Key_Home} << 0;
    QTest::newRow("End after Home") << QList<int>{Qt::Key_Home, Qt::Key_End} << 24;
    QTest::newRow("PgUp, PgUp, PgDn")
        << QList<int>{Qt::Key_PageUp, Qt::Key_PageUp, Qt::Key_PageDown} << 14;
}

// Home, End, PgUp and PgDn in the focused meeting picker show the meeting they move to.
void TestReportWindow::pickerKeys()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, shown);
    QTemporaryDir folder;
    MeetingStore store(folder.filePath(QStringLiteral("meetings.sqlite")));
    for (int m = 0; m < 25; ++m) {
        store.startNewMeeting();
        QVERIFY(store.record(iceBreaker(24 * 60 * m, 250 + m)));
    }
    ReportWindow window(&store);
    window.showAndRaise();
    auto *picker = window.findChild<QComboBox *>();
    for (const int key : keys)
        QTest::keyClick(picker, Qt::Key(key));
    QCOMPARE(picker->currentIndex(), shown);
    const auto *table = window.findChild<QTableView *>();
    QCOMPARE(table->model()->index(0, SpeechLabels::Elapsed).data().toString(),
             SpeechLabels::cell(iceBreaker(0, 250 + shown), SpeechLabels::Elapsed));
}

void TestReportWindow::sortBy_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QString>("speakers");
    QTest::newRow("time of day, at first") << -1 << Qt::AscendingOrder << "Cy Bo Ann";
    QTest::newRow("speaker") << int(SpeechLabels::Speaker) << Qt::AscendingOrder << "Ann Bo Cy";
    QTest::newRow("elapsed, as times")
        << int(SpeechLabels::Elapsed) << Qt::AscendingOrder << "Bo Cy Ann";
    QTest::newRow("verdict, over first")
        << int(SpeechLabels::VerdictColumn) << Qt::DescendingOrder << "Ann Cy Bo";
}

// A click on a heading sorts by that column; the picture follows the table's order.
void TestReportWindow::sortBy()
{
    QFETCH(int, column);
    QFETCH(Qt::SortOrder, order);
    QFETCH(QString, speakers);
    QTemporaryDir folder;
    MeetingStore store(folder.filePath(QStringLiteral("meetings.sqlite")));
    for (const SpeechRecord &s :
         {iceBreaker(0, 300, "Cy"), iceBreaker(9, 59, "Bo"), iceBreaker(18, 600, "Ann")})
        QVERIFY(store.record(s));
    ReportWindow window(&store);
    window.showAndRaise();
    auto *table = window.findChild<QTableView *>();
    if (column >= 0)
        table->sortByColumn(column, order);
    QStringList names;
    for (int row = 0; row < table->model()->rowCount(); ++row)
        names << table->model()->index(row, SpeechLabels::Speaker).data().toString();
    QCOMPARE(names.join(u' '), speakers);
    table->setCurrentIndex(table->model()->index(1, 0));
    QCOMPARE(window.findChild<TimingChart *>()->highlighted(), 1);
}

void TestReportWindow::suggestedFile_data()
{
    QTest::addColumn<QString>("usedLast");
    QTest::addColumn<bool>("documents");
    QTest::addColumn<QString>("suggested");
    QTest::addColumn<bool>("plan");
    QTest::newRow("the folder used last")
        << "kept" << true << "kept/meeting-2026-12-07.csv" << false;
    QTest::newRow("the folder used last gone, Documents there")
        << "gone" << true << "home/Documents/meeting-2026-12-07.csv" << false;
    QTest::newRow("no Documents folder") << "" << false << "home/meeting-2026-12-07.csv" << false;
    QTest::newRow("a plan, named apart") << "kept" << true << "kept/plan-2026-12-07.csv" << true;
}

// The save dialog suggests a file named after the meeting's day, in a folder that is there.
void TestReportWindow::suggestedFile()
{
    QFETCH(QString, usedLast);
    QFETCH(bool, documents);
    QFETCH(QString, suggested);
    QFETCH(bool, plan);
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

    if (plan)
        window.savePlanAction()->trigger();
    else
        window.commandExportCsv_Click();
    QVERIFY(dialog());
    QCOMPARE(dialog()->selectedFiles().value(0), folder.filePath(suggested));
}

// Printing to a file suggests the same name as the other dialogs: no colon, which a USB stick's
// file system refuses.
void TestReportWindow::printSuggestion()
{
    QTemporaryDir folder;
    MeetingStore store(folder.filePath(QStringLiteral("meetings.sqlite")));
    QVERIFY(store.record(iceBreaker(0, 342)));
    ReportWindow window(&store);
    window.showAndRaise();
    window.commandPrint_Click();
    const auto *dialog = window.findChild<QPrintDialog *>();
    QVERIFY(dialog);
    QCOMPARE(dialog->printer()->docName(), QStringLiteral("meeting-2026-12-07"));
    QCOMPARE(dialog->printer()->pageLayout().margins(QPageLayout::Millimeter).left(), 15.0);
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

// New Meeting shows the meeting it began, empty, whichever meeting was shown, and says so.
void TestReportWindow::newMeeting()
{
    QTemporaryDir folder;
    MeetingStore store(folder.filePath(QStringLiteral("meetings.sqlite")));
    QVERIFY(store.record(iceBreaker(0, 342)));
    store.startNewMeeting();
    QVERIFY(store.record(iceBreaker(30, 300)));
    ReportWindow window(&store);
    window.showAndRaise();
    auto *picker = window.findChild<QComboBox *>();
    QTest::keyClick(picker, Qt::Key_Home);
    store.startNewMeeting();
    window.showNewMeeting();
    QCOMPARE(picker->currentIndex(), 2);
    QCOMPARE(window.findChild<QTableView *>()->model()->rowCount(), 0);
    QVERIFY(window.statusText().startsWith(QStringLiteral("A new meeting has begun")));
}

// The plan pasted, then each step on the current row ("up", "down", "rename", "delete", "undo"
// on the row given): the speakers in the table's order, the last step undone when Undo is pressed.
void TestReportWindow::planSteps_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("speakers");
    QTest::newRow("pasted") << QStringList{} << "Ann Bo Cy";
    QTest::newRow("Alt+Up") << QStringList{"up 2"} << "Ann Cy Bo";
    QTest::newRow("Alt+Down, twice") << QStringList{"down 0", "down 1"} << "Bo Cy Ann";
    QTest::newRow("Alt+Up, held") << QStringList{"up 2", "up"} << "Cy Ann Bo";
    QTest::newRow("dropped on itself: stays") << QStringList{"drop 0"} << "Ann Bo Cy";
    QTest::newRow("a Windows-1252 file, read so when asked")
        << QStringList{"import 0"} << "Ann Bo Cy Ren\u00E9\u20AC";
    QTest::newRow("Alt+Up on the first: nothing") << QStringList{"up 0", "undo 0"} << "";
    QTest::newRow("taken off") << QStringList{"delete 1"} << "Ann Cy";
    QTest::newRow("taken off, moved, both undone")
        << QStringList{"delete 1", "up 1", "undo 0", "undo 0"} << "Ann Bo Cy";
    QTest::newRow("renamed in place, undone") << QStringList{"rename 1", "undo 0"} << "Ann Bo Cy";
    QTest::newRow("a category and a time set right, one undo")
        << QStringList{"speak 0", "change 0", "undo 0"} << "Ann Bo Cy";
    QTest::newRow("not the planned speaker")
        << QStringList{"speak 1", "unplanned 0"} << " Ann Bo Cy";
    QTest::newRow("not the planned speaker, undone")
        << QStringList{"speak 1", "unplanned 0", "undo 0"} << "Bo Ann Cy";
    QTest::newRow("not the planned speaker, undone after the planned one spoke")
        << QStringList{"speak 1", "unplanned 0", "speak 2", "undo 0"} << " Bo Ann Cy";
    QTest::newRow("not the planned speaker: the name typed, the last timed")
        << QStringList{"speak 1", "rename 0", "unplanned 2"} << "Zed Ann Bo Cy";
    QTest::newRow("not the planned speaker: the last timed, no row chosen")
        << QStringList{"speak 0", "speak 1", "unplanned keys 0"} << "Ann  Bo Cy";
    QTest::newRow("not the planned speaker: none in an earlier meeting")
        << QStringList{"speak 1", "earlier", "unplanned 0"} << "Bo";
    QTest::newRow("by hand: the next planned speaker") << QStringList{"byhand 9"} << "Bo* Ann Cy";
    QTest::newRow("by hand: another speaker") << QStringList{"byhand Sam"} << "Sam* Ann Bo Cy";
    QTest::newRow("by hand: a name for a planned speech without one")
        << QStringList{"rename blank 1", "byhand Sam"} << "Sam* Ann Cy";
}

void TestReportWindow::planSteps()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, speakers);
    QTemporaryDir folder;
    MeetingStore store(folder.filePath(QStringLiteral("meetings.sqlite")));
    ReportWindow window(&store);
    window.showAndRaise();
    window.editor()->paste(QStringLiteral("Ann\tIce Breaker\nBo\tTable Topics\nCy\t4\n"));
    auto *table = window.findChild<QTableView *>();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    table->setFocus();
    for (const QString &step : steps) {
        if (step.back().isDigit())
            table->setCurrentIndex(table->model()->index(step.back().digitValue(), 0));
        if (step.startsWith("up"))
            QTest::keyClick(table, Qt::Key_Up, Qt::AltModifier);
        else if (step.startsWith("down"))
            QTest::keyClick(table, Qt::Key_Down, Qt::AltModifier);
        else if (step.startsWith("rename"))
            QVERIFY(table->model()->setData(
                table->currentIndex().siblingAtColumn(SpeechLabels::Speaker),
                step.contains("blank") ? "" : "Zed"));
        else if (step.startsWith("delete"))
            window.deleteAction()->trigger();
        else if (step == "earlier") {
            store.startNewMeeting();
            QVERIFY(store.record(iceBreaker(60, 300)));
            QTest::keyClick(window.findChild<QComboBox *>(), Qt::Key_Home);
        }
        else if (step.startsWith("drop")) {
            const std::unique_ptr<QMimeData> dragged(
                table->model()->mimeData({table->currentIndex()}));
            table->model()->dropMimeData(dragged.get(), Qt::MoveAction, -1, -1,
                                         table->currentIndex());
        }
        else if (step.startsWith("import")) {
            QFile file(folder.filePath(QStringLiteral("plan.csv")));
            QVERIFY(file.open(QIODevice::WriteOnly) &&
                    file.write("name,category\nRen\xE9\x80,1\n"));
            file.close();
            window.editor()->importFile(file.fileName());
            auto *ask = window.findChild<QMessageBox *>();
            QVERIFY(ask);
            ask->button(QMessageBox::Yes)->click();
        } else if (step.startsWith("speak"))
            QVERIFY(store.record(iceBreaker(0, 300), window.editor()->currentPlanned()));
        else if (step.startsWith("unplanned")) {
            // "keys": the row the table takes as it gets the keys, which the operator never chose.
            if (step.contains("keys"))
                table->selectionModel()->clearSelection();
            window.notPlannedAction()->trigger();
        } else if (step.startsWith("undo"))
            window.undoAction()->trigger();
        if (step.startsWith("change") || step.startsWith("byhand")) {
            // Bo marked as the next to speak.
            window.showNext(store.plan().value(1).id);
            (step.startsWith("change") ? window.changeSpeechAction() : window.addByHandAction())
                ->trigger();
            auto *form = window.findChildren<SpeechForm *>().last();
            form->categoryBox()->setCurrentIndex(1);
            form->timeBox()->setText("6:10");
            if (step.endsWith("Sam"))
                form->findChild<QLineEdit *>("editSpeaker")->setText("Sam");
            QVERIFY2(form->problem().isEmpty(), qPrintable(form->problem()));
            form->accept();
        }
    }
    QStringList names;
    for (int row = 0; row < table->model()->rowCount(); ++row) {
        const QModelIndex verdict = table->model()->index(row, SpeechLabels::VerdictColumn);
        names << table->model()->index(row, SpeechLabels::Speaker).data().toString() +
                     (verdict.data().toString().contains("(set by hand)") ? "*" : "");
    }
    QCOMPARE(names.join(u' '), speakers);
    // Opened afresh, as after a restart: the same rows, a plan not yet begun under its heading.
    ReportWindow again(&store);
    again.showAndRaise();
    if (steps.contains("earlier")) // a speech of an earlier meeting leaves today's plan alone
        QCOMPARE(store.plan().size(), 2);
    else
        QCOMPARE(again.findChild<QTableView *>()->model()->rowCount(), table->model()->rowCount());
    QCOMPARE(again.windowTitle().endsWith("planned for the next meeting"),
             !speakers.isEmpty() && !speakers.contains('*') && !steps.join("").contains("speak"));
}

// A speech added by hand starts at the time typed, not when it was typed.
void TestReportWindow::addByHand()
{
    QTemporaryDir folder;
    MeetingStore store(folder.filePath(QStringLiteral("meetings.sqlite")));
    ReportWindow window(&store);
    // An hour ago, and a time past now: before midnight, as a meeting runs past it.
    for (const int secs : {-3600, 3600}) {
        window.addByHandAction()->trigger();
        auto *form = window.findChildren<SpeechForm *>().last();
        auto *started = form->findChild<QTimeEdit *>();
        QVERIFY(started);
        started->setTime(QTime::currentTime().addSecs(secs));
        form->timeBox()->setText("5:00");
        form->accept();
        const QList<SpeechRecord> spoken = store.speeches(store.currentMeetingId());
        QCOMPARE(spoken.size(), secs < 0 ? 1 : 2);
        QVERIFY(spoken.last().startedAt <= QDateTime::currentDateTime());
        QCOMPARE(window.findChild<QTableView *>()->model()->index(0, SpeechLabels::Time).data(),
                 started->text());
    }
}

// The category chosen, then digits typed into the three boxes: CUSTOM takes them, in order,
// and another row keeps its own.
void TestReportWindow::speechForm_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("read"); // the thresholds in seconds; none while OK is off
    QTest::newRow("CUSTOM") << 6 << QStringList{"0500", "0600", "0700"} << "300 360 420";
    QTest::newRow("CUSTOM out of order") << 6 << QStringList{"0300", "0200", "0400"} << "";
    QTest::newRow("a row's own") << 2 << QStringList{"0100", "0100", "0100"} << "300 360 420";
}

void TestReportWindow::speechForm()
{
    QFETCH(int, row);
    QFETCH(QStringList, typed);
    QFETCH(QString, read);
    SpeechForm form(QString(), true, false);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    form.categoryBox()->setCurrentIndex(form.categoryBox()->findData(row));
    const QList<MaskedTimeBox *> boxes = form.findChildren<MaskedTimeBox *>();
    for (qsizetype i = 0; i < typed.size(); ++i) {
        boxes[i]->setFocus();
        boxes[i]->setCursorPosition(0);
        QTest::keyClicks(boxes[i], typed[i]);
    }
    const std::array<int, 3> t = form.thresholdSeconds();
    const bool ok = form.findChild<QPushButton *>()->isEnabled();
    QCOMPARE(ok ? QStringLiteral("%1 %2 %3").arg(t[0]).arg(t[1]).arg(t[2]) : QString(), read);
}

QTEST_MAIN(TestReportWindow)
#include "tst_reportwindow.moc"
