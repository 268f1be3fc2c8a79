// SPDX-License-Identifier: MIT
#include "record/recoveryfile.h"

#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

// What a logout leaves behind comes back whole, in the first folder that takes it.
class TestRecoveryFile : public QObject
{
    Q_OBJECT

private slots:
    void comesBackWhole_data();
    void comesBackWhole();
    void foreignFilesAreRefused_data();
    void foreignFilesAreRefused();
};

void TestRecoveryFile::comesBackWhole_data()
{
    QTest::addColumn<bool>("stateWritable");
    QTest::addColumn<QString>("folder");
    QTest::newRow("the state folder") << true << "state/tst_recoveryfile";
    QTest::newRow("home when the state folder cannot be made") << false << "home";
}

void TestRecoveryFile::comesBackWhole()
{
    QFETCH(bool, stateWritable);
    QFETCH(QString, folder);
    QTemporaryDir root;
    const QByteArray home = qgetenv("HOME"), state = qgetenv("XDG_STATE_HOME");
    const auto restore = qScopeGuard([&] {
        qputenv("HOME", home);
        qputenv("XDG_STATE_HOME", state);
    });
    qputenv("HOME", root.filePath("home").toLocal8Bit());
    qputenv("XDG_STATE_HOME", root.filePath("state").toLocal8Bit());
    QVERIFY(QDir(root.path()).mkdir("home"));
    if (!stateWritable)
        QVERIFY(QFile(root.filePath("state")).open(QIODevice::WriteOnly)); // a file, not a folder
    Recovery kept;
    SpeechRecord s = SpeechRecord::finished(
        SpeechRecord::started(
            QDateTime(QDate(2026, 12, 7), QTime(19, 5, 3), Qt::OffsetFromUTC, -18000), 7,
            "Timer TEST", {"00:01", "00:02", "00:03"}, {1, 2, 3}, true),
        4, SpeechRecord::Lamp::Red, false, 15);
    s.speakerName = QStringLiteral("Zoë \"Z\", Ng");
    s.stoppedBy = QStringLiteral("Chrome on Android");
    PlanEntry planned = PlanEntry::make(QStringLiteral("Bo"), 6, {61, 122, 183});
    planned.id = 9007199254740993LL;
    kept.speeches = {{s, true, planned, 7}};
    SpeechEdit corrected{SpeechEdit::Kind::Category, 42, {}},
        moved{SpeechEdit::Kind::PlanMove, 0, {}};
    corrected.rowIndex = 6;
    corrected.thresholdSeconds = {1, 2, 3};
    moved.planned = {planned};
    moved.beforeId = 5;
    kept.edits = {{SpeechEdit::Kind::Name, 42, QStringLiteral("Ann")},
                  {SpeechEdit::Kind::Delete, 9007199254740993LL, QString()},
                  corrected,
                  moved,
                  {SpeechEdit::Kind::PlanLink, 42, QStringLiteral("Sam"), 0, {}, 0, {planned}}};
    const QString path = RecoveryFile::write(kept);
    QCOMPARE(QFileInfo(path).absolutePath(), root.filePath(folder));
    // A file cut short as it was written is not one to offer.
    QVERIFY(QFile(path + ".tmp").open(QIODevice::WriteOnly));
    QCOMPARE(RecoveryFile::waiting(), QStringList{path});
    const std::optional<Recovery> back = RecoveryFile::read(path);
    QVERIFY(back);
    QCOMPARE(back->edits, kept.edits);
    QCOMPARE(back->speeches.size(), 1);
    const SpeechRecord &b = back->speeches.first().record;
    QVERIFY(back->speeches.first().beginsMeeting);
    QCOMPARE(back->speeches.first().planned, planned);
    QCOMPARE(back->speeches.first().intoMeeting, 7);
    QCOMPARE(b.startedAt, s.startedAt);
    QCOMPARE(b.startedAt.offsetFromUtc(), -18000);
    QCOMPARE(b.thresholdTexts, s.thresholdTexts);
    QCOMPARE(b.verdict().sentence(), s.verdict().sentence());
    QCOMPARE(std::tie(b.rowIndex, b.description, b.elapsedSeconds, b.lampReached, b.stopped,
                      b.rehearsal, b.graceSeconds, b.speakerName, b.startedBy, b.stoppedBy),
             std::tie(s.rowIndex, s.description, s.elapsedSeconds, s.lampReached, s.stopped,
                      s.rehearsal, s.graceSeconds, s.speakerName, s.startedBy, s.stoppedBy));
}

void TestRecoveryFile::foreignFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::newRow("not JSON") << QByteArray("\x00\x01garbage", 9);
    QTest::newRow("another program's JSON") << QByteArray(R"({"speeches": []})");
    QTest::newRow("a speech with two thresholds")
        << QByteArray(R"({"format": "lecternworks-timer recovery", "version": 1, "speeches":)"
                      R"( [{"startedUtcMs": "1", "thresholdTexts": ["", ""],)"
                      R"( "thresholdSeconds": [1, 2], "lamp": 0}]})");
    QTest::newRow("a speech without a lamp")
        << QByteArray(R"({"format": "lecternworks-timer recovery", "version": 1, "speeches":)"
                      R"( [{"startedUtcMs": "1", "thresholdTexts": ["", "", ""],)"
                      R"( "thresholdSeconds": [1, 2, 3]}]})");
    QTest::newRow("a newer version's")
        << QByteArray(R"({"format": "lecternworks-timer recovery", "version": 2})");
}

void TestRecoveryFile::foreignFilesAreRefused()
{
    QFETCH(QByteArray, contents);
    QTemporaryDir root;
    QFile file(root.filePath("x.json"));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
    file.close();
    QString why;
    QVERIFY(!RecoveryFile::read(file.fileName(), &why));
    QVERIFY(!why.isEmpty());
}

QTEST_GUILESS_MAIN(TestRecoveryFile)
#include "tst_recoveryfile.moc"
