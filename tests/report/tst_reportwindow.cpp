// SPDX-License-Identifier: MIT
#include "meetingstore.h"
#include "reporttext.h"
#include "reportwindow.h"
#include "speeches.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Speeches;

class TestReportWindow : public QObject
{
    Q_OBJECT

private slots:
    void writeFile_data();
    void writeFile();
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

QTEST_MAIN(TestReportWindow)
#include "tst_reportwindow.moc"
