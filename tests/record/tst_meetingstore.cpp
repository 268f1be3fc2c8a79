// SPDX-License-Identifier: MIT
#include "record/meetingstore.h"
#include "timing/speechcategories.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace {

const QDateTime Evening(QDate(2026, 3, 12), QTime(19, 30), Qt::OffsetFromUTC, 3600);
const QString WriterArgument = QStringLiteral("--writer");
const QStringList Journals{QStringLiteral("-wal"), QStringLiteral("-shm")};
// How long the write at STOP may wait for another copy's lock; nothing else waits at all.
constexpr qint64 StopWaitMs = 250;
const QString TableNames = QStringLiteral(
    "SELECT group_concat(name, ' ') FROM (SELECT name FROM sqlite_master ORDER BY name)");

SpeechRecord speech(const QDateTime &startedAt, int elapsed, const QString &description)
{
    return SpeechRecord::finished(SpeechRecord::started(startedAt, 1, description,
                                                        {"04:00", "05:00", "06:00"},
                                                        {240, 300, 360}, false),
                                  elapsed, SpeechRecord::Lamp::Yellow, true, 30);
}

// Runs a statement on the file through a connection of the test's own.
class RawFile
{
public:
    explicit RawFile(const QString &path)
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        db.open();
    }
    ~RawFile() { QSqlDatabase::removeDatabase(m_name); }
    QVariant value(const QString &statement)
    {
        QSqlQuery q(QSqlDatabase::database(m_name));
        return q.exec(statement) && q.next() ? q.value(0) : QVariant();
    }
    bool exec(const QString &statement)
    {
        return QSqlQuery(QSqlDatabase::database(m_name)).exec(statement);
    }
    void close() { QSqlDatabase::database(m_name).close(); }

private:
    QString m_name = QStringLiteral("raw");
};

// A setting of the store's own connection, as SQLite has it now.
int storePragma(const QString &pragma)
{
    for (const QString &name : QSqlDatabase::connectionNames()) {
        if (!name.startsWith(QLatin1String("meetingstore-")))
            continue;
        QSqlQuery q(QSqlDatabase::database(name, false));
        return q.exec(QStringLiteral("PRAGMA ") + pragma) && q.next() ? q.value(0).toInt() : -1;
    }
    return -1;
}

// The second copy of the program: records speeches into the file and waits until all are in.
int writeSpeeches(const QString &path, int count)
{
    MeetingStore store(path);
    // Follows the plan as the window does: its own speeches move the mark along the rows it
    // read, which are read again when another copy changes the file.
    QList<PlanEntry> comingUp = store.plan();
    QObject::connect(&store, &MeetingStore::changedElsewhere, [&] { comingUp = store.plan(); });
    for (int i = 0; i < count; ++i) {
        const PlanEntry next = comingUp.isEmpty() ? PlanEntry() : comingUp.takeFirst();
        SpeechRecord s = speech(Evening.addSecs(i), 300, QStringLiteral("writer %1").arg(i));
        s.speakerName = next.speakerName;
        store.record(s, next.id);
        QCoreApplication::processEvents();
    }
    QDeadlineTimer deadline(30000);
    while (!store.isSaved() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    return store.isSaved() ? 0 : 1;
}

// A disk of the test's own, small enough to fill: a tmpfs on the test's folder (needs root).
class SmallDisk
{
public:
    explicit SmallDisk(const QString &folder) : m_folder(folder)
    {
        m_mounted = QProcess::execute(QStringLiteral("mount"),
                                      {"-t", "tmpfs", "-o", "size=1m", "tmpfs", folder}) == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), {"-l", m_folder});
    }
    bool isMounted() const { return m_mounted; }
    void fill()
    {
        QFile filler(m_folder + QStringLiteral("/filler"));
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        for (qint64 block = 4096; block > 0; block /= 2) {
            while (filler.write(QByteArray(block, 'x')) == block) {
            }
        }
    }
    void release() { QFile::remove(m_folder + QStringLiteral("/filler")); }

private:
    QString m_folder;
    bool m_mounted = false;
};

} // namespace

// The meeting's record on disk: speeches and meetings, edits, and the file's bad days.
class TestMeetingStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void aSpeechComesBackAsRecorded();
    void meetings_data();
    void meetings();
    void speakerNames_data();
    void speakerNames();
    void deleteAndRestore();
    void plan_data();
    void plan();
    void setRightByHand_data();
    void setRightByHand();
    void unwritableFolderKeepsSpeechesUntilItCanWrite();
    void unreadableFileIsMovedAside_data();
    void unreadableFileIsMovedAside();
    void olderFileIsBroughtUpToDate_data();
    void olderFileIsBroughtUpToDate();
    void aFailedStepLeavesTheFileAsItWas();
    void lockedFileKeepsTheSpeechUntilReleased();
    void changesWaitForTheFile_data();
    void changesWaitForTheFile();
    void twoStoresFollowOnePlan();
    void keptElsewhere();
    void twoCopiesRecordIntoOneFile();

private:
    QString path() const { return m_dir->filePath(QStringLiteral("meetings.sqlite")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestMeetingStore::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestMeetingStore::aSpeechComesBackAsRecorded()
{
    SpeechRecord sent = speech(Evening, 342, QStringLiteral("Ice Breaker Speech (4 to 6 Minutes)"));
    sent.stopped = false;
    {
        MeetingStore store(path());
        QSignalSpy changed(&store, &MeetingStore::changed);
        QVERIFY(store.record(sent));
        QCOMPARE(changed.count(), 1);
        // Once idle, the log is folded into the file: a copy of the file alone holds it.
        QTRY_COMPARE(QFileInfo(path() + QStringLiteral("-wal")).size(), qint64(0));
        // The members' names, in the file and its log, are for its owner alone.
        for (const QString &file : {path(), path() + QStringLiteral("-wal")})
            QVERIFY(!(QFile::permissions(file) & (QFile::ReadGroup | QFile::ReadOther)));
    }
    // Read by another instance, as after a restart.
    MeetingStore store(path());
    const QList<SpeechRecord> back = store.speeches(store.currentMeetingId());
    QCOMPARE(back.size(), 1);
    QCOMPARE(storePragma(QStringLiteral("synchronous")), 2); // FULL: a power cut loses no speech
    const SpeechRecord &s = back.first();
    QVERIFY(s.id > 0);
    QCOMPARE(s.startedAt, Evening);
    QCOMPARE(s.startedAt.offsetFromUtc(), 3600);
    QCOMPARE(s.description, sent.description);
    QCOMPARE(s.thresholdTexts, sent.thresholdTexts);
    QCOMPARE(s.thresholdSeconds, sent.thresholdSeconds);
    QCOMPARE(s.elapsedSeconds, 342);
    QCOMPARE(s.lampReached, SpeechRecord::Lamp::Yellow);
    QCOMPARE(s.graceSeconds, 30);
    QVERIFY(!s.stopped);
    QCOMPARE(s.verdict().text(), QStringLiteral("Qualified"));
    RawFile raw(path());
    QCOMPARE(raw.value(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
    QCOMPARE(raw.value(QStringLiteral("SELECT verdict FROM speech")).toString(),
             QStringLiteral("qualified"));
}

void TestMeetingStore::meetings_data()
{
    QTest::addColumn<qint64>("pauseSeconds");
    QTest::addColumn<int>("newMeetings"); // times "New Meeting" is chosen
    QTest::addColumn<bool>("restart");
    QTest::addColumn<int>("meetingCount");
    QTest::newRow("a short pause") << qint64(600) << 0 << false << 1;
    QTest::newRow("six hours to the second") << qint64(6 * 3600) << 0 << false << 1;
    QTest::newRow("a second longer") << qint64(6 * 3600 + 1) << 0 << false << 2;
    QTest::newRow("New Meeting") << qint64(600) << 1 << false << 2;
    QTest::newRow("restart continues") << qint64(600) << 0 << true << 1;
    QTest::newRow("New Meeting, then restart") << qint64(600) << 1 << true << 2;
    QTest::newRow("New Meeting twice") << qint64(600) << 2 << false << 2;
}

void TestMeetingStore::meetings()
{
    QFETCH(qint64, pauseSeconds);
    QFETCH(int, newMeetings);
    QFETCH(bool, restart);
    QFETCH(int, meetingCount);
    auto store = std::make_unique<MeetingStore>(path());
    // The pause runs from the end of the first speech (5 minutes) to the START of the next.
    QVERIFY(store->record(speech(Evening, 300, QStringLiteral("first"))));
    for (int i = 0; i < newMeetings; ++i)
        store->startNewMeeting();
    if (restart)
        store = std::make_unique<MeetingStore>(path());
    QVERIFY(store->record(speech(Evening.addSecs(300 + pauseSeconds), 60, QStringLiteral("next"))));
    const QList<Meeting> list = store->meetings();
    QCOMPARE(list.size(), meetingCount);
    QCOMPARE(list.first().startedAt, Evening);
    QCOMPARE(list.last().id, store->currentMeetingId());
    QCOMPARE(store->speeches(list.last().id).last().description, QStringLiteral("next"));
}

void TestMeetingStore::speakerNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    const QString emoji = QString::fromUtf8("\xF0\x9F\x8E\xA4"); // a microphone, two UTF-16 units
    QTest::newRow("blanks trimmed") << "  Ann Lee \u3000"
                                    << "Ann Lee";
    QTest::newRow("control characters a blank, runs of blanks one") << "Ann\tLee\n\u0007  Jr"
                                                                    << "Ann Lee Jr";
    QTest::newRow("direction overrides and isolates removed") << "Ann\u202ELee\u2067x\u2069"
                                                              << "AnnLeex";
    QTest::newRow("blanks only: the name cleared") << " \t "
                                                   << "";
    QTest::newRow("quotes and commas kept") << "Lee, \"Ann\"'s"
                                            << "Lee, \"Ann\"'s";
    QTest::newRow("cut at 100") << QString(120, u'x') << QString(100, u'x');
    QTest::newRow("never inside a character")
        << QString(99, u'x') + emoji + emoji << QString(99, u'x') + emoji;
    QTest::newRow("SQL is only text") << "x'); DROP TABLE speech; --"
                                      << "x'); DROP TABLE speech; --";
}

void TestMeetingStore::speakerNames()
{
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    MeetingStore store(path());
    QVERIFY(store.record(speech(Evening, 300, QStringLiteral("speech"))));
    const qint64 meeting = store.currentMeetingId();
    QSignalSpy changed(&store, &MeetingStore::changed);
    QVERIFY(store.setSpeakerName(store.speeches(meeting).first().id, typed));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().first().toLongLong(), meeting);
    QCOMPARE(MeetingStore(path()).speeches(meeting).first().speakerName, kept);
}

void TestMeetingStore::deleteAndRestore()
{
    MeetingStore store(path());
    for (int i = 0; i < 3; ++i)
        QVERIFY(store.record(speech(Evening.addSecs(600 * i), 300, QString::number(i))));
    const qint64 meeting = store.currentMeetingId();
    const QList<SpeechRecord> all = store.speeches(meeting);
    QVERIFY(store.deleteSpeech(all.at(1).id));
    QVERIFY(store.deleteSpeech(all.at(0).id));
    QCOMPARE(store.speeches(meeting).size(), 1);
    QCOMPARE(store.meetings().first().speechCount, 1);
    QVERIFY(store.restoreLastDeleted());
    QCOMPARE(store.speeches(meeting).first().description, QStringLiteral("0"));
    QVERIFY(store.restoreLastDeleted());
    QCOMPARE(store.speeches(meeting).size(), 3);
    QVERIFY(!store.canRestoreDeleted());
    QVERIFY(!store.restoreLastDeleted());
}

void TestMeetingStore::plan_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("agenda"); // names; spoken ones by the speech's name, with a star
    QTest::newRow("added in order") << "add A B C"
                                    << "A B C";
    QTest::newRow("a list inserted") << "add A B C; add D E before B"
                                     << "A D E B C";
    QTest::newRow("moved") << "add A B C D; move C before A; move C D before B"
                           << "A C D B";
    QTest::newRow("moves undone in turn") << "add A B C D; move A C; move D before B; undo; undo"
                                          << "A B C D";
    QTest::newRow("removed, undone") << "add A B C; remove A C; undo"
                                     << "A B C";
    QTest::newRow("changed, undone") << "add A B; change B Bea; change A Al; undo"
                                     << "A Bea";
    QTest::newRow("spoken once, in the order started") << "add A B C; record B; record A"
                                                       << "B* A* C";
    QTest::newRow("a speech without a plan") << "add A B; record A; record -"
                                             << "A* * B";
    QTest::newRow("planned before any meeting, after a restart") << "add A B; restart; record B"
                                                                 << "B* A";
    QTest::newRow("the rest goes with the next meeting") << "add A B; record A; new; record B"
                                                         << "B*";
    QTest::newRow("a speech deleted: its row unspoken") << "add A B; record A; delete"
                                                        << "A B";
    QTest::newRow("a rehearsal refused") << "add A; refuse TEST"
                                         << "A";
    QTest::newRow("one over the most a plan holds, refused") << "add A B; refuse C"
                                                             << "A B";
}

void TestMeetingStore::plan()
{
    QFETCH(QString, steps);
    QFETCH(QString, agenda);
    auto store = std::make_unique<MeetingStore>(path());
    QHash<QString, qint64> ids;
    int started = 0;
    for (const QString &step : steps.split(u';')) {
        QStringList w = step.split(u' ', Qt::SkipEmptyParts);
        const QString verb = w.takeFirst();
        const qint64 before = w.size() > 1 && w.at(w.size() - 2) == "before" ? ids[w.last()] : 0;
        if (before)
            w.resize(w.size() - 2);
        QList<qint64> named;
        for (const QString &name : qAsConst(w))
            named << ids.value(name);
        if (verb == "add") {
            QList<PlanEntry> rows;
            for (const QString &name : qAsConst(w))
                rows << PlanEntry::make(name, 2, {300, 360, 420});
            for (const PlanEntry &row : store->addPlanned(rows, before))
                ids[row.speakerName] = row.id;
        } else if (verb == "move") {
            QVERIFY(store->movePlanned(named, before));
        } else if (verb == "remove") {
            QVERIFY(store->removePlanned(named));
        } else if (verb == "change") {
            PlanEntry row = PlanEntry::make(w.last(), 2, {300, 360, 420});
            row.id = named.first();
            QVERIFY(store->changePlanned(row));
        } else if (verb == "undo") {
            QVERIFY(store->undo());
        } else if (verb == "record") {
            QVERIFY(
                store->record(speech(Evening.addSecs(600 * started++), 300, step), named.first()));
        } else if (verb == "delete") {
            QVERIFY(store->deleteSpeech(store->speeches(store->currentMeetingId()).last().id));
        } else if (verb == "refuse") {
            const bool test = w.first() == "TEST";
            const QList<PlanEntry> rows(
                test ? 1 : SpeechCategories::MaxPlannedSpeeches + 1 - int(store->plan().size()),
                PlanEntry::make(w.first(), test ? SpeechCategories::TestRow : 2, {300, 360, 420}));
            QVERIFY(store->addPlanned(rows).isEmpty());
        } else if (verb == "new") {
            store->startNewMeeting();
        } else {
            store = std::make_unique<MeetingStore>(path());
        }
    }
    QStringList shown;
    for (const AgendaItem &item : store->agenda(store->currentMeetingId()))
        shown << (item.isSpoken() ? item.speech->speakerName + u'*' : item.planned.speakerName);
    QCOMPARE(shown.join(u' '), agenda);
}

void TestMeetingStore::setRightByHand_data()
{
    QTest::addColumn<QString>("changes");
    QTest::addColumn<int>("undos");
    QTest::addColumn<QString>("verdict"); // the meeting's last speech, read back after a restart
    QTest::addColumn<int>("byHand");
    // Timed: an Ice Breaker of 5:00, qualified under 30 s of grace.
    QTest::newRow("Table Topics instead") << "category" << 0 << "over time by 2:30" << 1;
    QTest::newRow("stopped late") << "time" << 0 << "under time by 0:10" << 1;
    QTest::newRow("both") << "category time" << 0 << "over time by 0:50" << 1;
    QTest::newRow("both, the time undone") << "category time" << 1 << "over time by 2:30" << 1;
    QTest::newRow("both undone: as timed") << "category time" << 2 << "qualified" << 0;
    QTest::newRow("a speech added") << "add" << 0 << "over time by 1:20" << 2;
    QTest::newRow("a speech added, undone") << "add" << 1 << "qualified" << 0;
    QTest::newRow("a negative time refused") << "negative" << 0 << "qualified" << 0;
    QTest::newRow("a speech added with a negative time refused")
        << "negative-add" << 0 << "qualified" << 0;
}

void TestMeetingStore::setRightByHand()
{
    QFETCH(QString, changes);
    QFETCH(int, undos);
    QFETCH(QString, verdict);
    QFETCH(int, byHand);
    {
        MeetingStore store(path());
        QVERIFY(store.record(speech(Evening, 300, QStringLiteral("timed"))));
        const qint64 meeting = store.currentMeetingId();
        const qint64 id = store.speeches(meeting).first().id;
        for (const QString &change : changes.split(u' ')) {
            if (change == "category")
                QVERIFY(store.changeCategory(id, 5, {60, 90, 120}));
            else if (change == "time")
                QVERIFY(store.changeElapsed(id, 200));
            else if (change == "negative")
                QVERIFY(!store.changeElapsed(id, -1));
            else if (change == "negative-add")
                QVERIFY(!store.addSpeechByHand(meeting, Evening.addSecs(600), "Bo", 2,
                                               {300, 360, 420}, -1, 30));
            else
                QVERIFY(store.addSpeechByHand(meeting, Evening.addSecs(600), "Bo", 2,
                                              {300, 360, 420}, 530, 30));
        }
        for (int i = 0; i < undos; ++i)
            QVERIFY(store.undo());
    }
    MeetingStore back(path());
    const SpeechRecord last = back.speeches(back.currentMeetingId()).last();
    QCOMPARE(last.verdict().sentence(), verdict);
    QCOMPARE(int(last.byHand), byHand);
    QCOMPARE(last.lampReached, SpeechRecord::lampFor(last.thresholdSeconds, last.elapsedSeconds));
    QCOMPARE(last.asTimed.has_value(), byHand == 1);
    if (last.asTimed) {
        QCOMPARE(last.asTimed->rowIndex, 1);
        QCOMPARE(last.asTimed->elapsedSeconds, 300);
        QCOMPARE(last.asTimed->lampReached, SpeechRecord::Lamp::Yellow);
    }
    QCOMPARE(RawFile(path())
                 .value(QStringLiteral("SELECT verdict FROM speech WHERE id = %1").arg(last.id))
                 .toString(),
             verdict);
}

void TestMeetingStore::unwritableFolderKeepsSpeechesUntilItCanWrite()
{
    // A file where the data folder should be: nothing can be created there.
    const QString blocked = m_dir->filePath(QStringLiteral("data"));
    QFile blocker(blocked);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    MeetingStore store(blocked + QStringLiteral("/meetings.sqlite"));
    QSignalSpy saved(&store, &MeetingStore::savedChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot create the folder"));
    QVERIFY(!store.record(speech(Evening, 300, QStringLiteral("kept"))));
    QVERIFY(!store.isSaved());
    QCOMPARE(saved.count(), 1);
    QCOMPARE(saved.first().first().toBool(), false);

    QVERIFY(QFile::remove(blocked));
    QTRY_VERIFY_WITH_TIMEOUT(store.isSaved(), 10000);
    QCOMPARE(saved.last().first().toBool(), true);
    QCOMPARE(store.speeches(store.currentMeetingId()).first().description, QStringLiteral("kept"));
}

void TestMeetingStore::unreadableFileIsMovedAside_data()
{
    QTest::addColumn<int>("schema"); // 0: not a database
    QTest::addColumn<bool>("inUse"); // open in another copy: its journal files beside it
    QTest::newRow("not a database") << 0 << false;
    QTest::newRow("newer schema") << 99 << false;
    QTest::newRow("newer schema, in use") << 99 << true;
    QTest::newRow("the next schema") << RecordFile::SchemaVersion + 1 << false;
}

void TestMeetingStore::unreadableFileIsMovedAside()
{
    QFETCH(int, schema);
    QFETCH(bool, inUse);
    std::optional<RawFile> other;
    if (schema > 0) {
        RawFile &raw = other.emplace(path());
        QVERIFY(!inUse || raw.exec(QStringLiteral("PRAGMA journal_mode=WAL")));
        QVERIFY(raw.exec(QStringLiteral("CREATE TABLE future (x)")));
        QVERIFY(raw.exec(QStringLiteral("PRAGMA user_version = %1").arg(schema)));
        if (!inUse) {
            raw.close();
            other.reset();
        }
    } else {
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
    }
    const QByteArray before = [this] {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    MeetingStore store(path());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("was unreadable .* moved to .*"
                                                          "meetings\\.sqlite\\.unreadable-"
                                                          "\\d{8}-\\d{6}"));
    QVERIFY(store.record(speech(Evening, 300, QStringLiteral("after"))));
    const QStringList aside =
        QDir(m_dir->path())
            .entryList({QStringLiteral("meetings.sqlite.unreadable-*[0-9]")}, QDir::Files);
    QCOMPARE(aside.size(), 1);
    QFile kept(m_dir->filePath(aside.first()));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), before);
    // Its journal files went with it.
    for (const QString &journal : Journals)
        QCOMPARE(QFile::exists(kept.fileName() + journal), inUse);
    QCOMPARE(store.speeches(store.currentMeetingId()).size(), 1);
}

void TestMeetingStore::olderFileIsBroughtUpToDate_data()
{
    QTest::addColumn<QString>("written"); // the file an older version left; none: an empty one
    QTest::addColumn<int>("speeches");
    QTest::addColumn<QDateTime>("firstStarted");
    QTest::addColumn<int>("firstElapsed");
    QTest::addColumn<QString>("firstSpeaker");
    QTest::newRow("empty file") << QString() << 1 << Evening.addSecs(3600) << 300 << QString();
    QTest::newRow("version 1") << QStringLiteral(":/meetings-v1.sqlite") << 2 << Evening << 395
                               << QStringLiteral("Ann Lee");
    QTest::newRow("version 2") << QStringLiteral(":/meetings-v2.sqlite") << 3 << Evening << 395
                               << QStringLiteral("Ann Lee");
    QTest::newRow("version 3") << QStringLiteral(":/meetings-v3.sqlite") << 4 << Evening << 395
                               << QStringLiteral("Ann Lee");
}

void TestMeetingStore::olderFileIsBroughtUpToDate()
{
    QFETCH(QString, written);
    QFETCH(int, speeches);
    QFETCH(QDateTime, firstStarted);
    QFETCH(int, firstElapsed);
    QFETCH(QString, firstSpeaker);
    QFile file(path());
    if (written.isEmpty())
        QVERIFY(file.open(QIODevice::WriteOnly));
    else
        QVERIFY(QFile::copy(written, path()) &&
                file.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
    file.close();
    MeetingStore store(path());
    SpeechRecord after = speech(Evening.addSecs(3600), 300, QStringLiteral("after"));
    after.stoppedBy = QStringLiteral("Chrome on Android");
    QVERIFY(store.record(after));
    const QList<SpeechRecord> back = store.speeches(store.currentMeetingId());
    QCOMPARE(back.size(), speeches);
    QCOMPARE(back.last().description, QStringLiteral("after"));
    QCOMPARE(back.last().stoppedBy, after.stoppedBy);
    QCOMPARE(back.first().startedAt, firstStarted);
    QCOMPARE(back.first().startedAt.offsetFromUtc(), 3600);
    QCOMPARE(back.first().elapsedSeconds, firstElapsed);
    QCOMPARE(back.first().speakerName, firstSpeaker);
    // What an older version wrote can be set right by hand.
    QVERIFY(store.changeElapsed(back.first().id, 300));
    QCOMPARE(store.speeches(store.currentMeetingId()).first().verdict().text(), "Qualified");
    RawFile raw(path());
    QCOMPARE(raw.value(QStringLiteral("PRAGMA user_version")).toInt(), RecordFile::SchemaVersion);
    QCOMPARE(raw.value(TableNames).toString(),
             QStringLiteral("meeting meeting_detail planned_speech speech speech_by_meeting"
                            " sqlite_autoindex_planned_speech_1"));
}

void TestMeetingStore::aFailedStepLeavesTheFileAsItWas()
{
    {
        // Another program's table of that name: the step's index cannot be made on it.
        RawFile raw(path());
        QVERIFY(raw.exec(QStringLiteral("CREATE TABLE speech (x)")));
        raw.close();
    }
    {
        MeetingStore store(path());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot create: no such column"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not saved: "));
        QVERIFY(!store.record(speech(Evening, 300, QStringLiteral("kept"))));
    }
    RawFile raw(path());
    QCOMPARE(raw.value(QStringLiteral("PRAGMA user_version")).toInt(), 0);
    QCOMPARE(raw.value(TableNames).toString(), QStringLiteral("speech"));
}

void TestMeetingStore::lockedFileKeepsTheSpeechUntilReleased()
{
    MeetingStore store(path());
    QVERIFY(store.record(speech(Evening, 300, QStringLiteral("first"))));
    // Only the write at STOP waits for a lock; the retries, run while a speech is timed, never.
    QCOMPARE(storePragma(QStringLiteral("busy_timeout")), 0);
    RawFile other(path());
    QVERIFY(other.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("cannot write: database is locked"));
    QVERIFY(!store.record(speech(Evening.addSecs(600), 300, QStringLiteral("second"))));
    QCOMPARE(store.pendingCount(), 1);
    // The retry, 3 s on, finds the lock still held and gives up at once: no tick comes late.
    QTimer tick; // wakes the loop as the light's tick does
    tick.start(10);
    QElapsedTimer sinceRecord, sinceEvent;
    sinceRecord.start();
    qint64 longestStall = 0;
    while (!sinceRecord.hasExpired(4000)) {
        sinceEvent.start();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        longestStall = std::max(longestStall, sinceEvent.elapsed());
    }
    QVERIFY2(longestStall < StopWaitMs, QByteArray::number(longestStall));
    QCOMPARE(store.pendingCount(), 1);
    QVERIFY(other.exec(QStringLiteral("COMMIT")));
    QTRY_VERIFY_WITH_TIMEOUT(store.isSaved(), 10000);
    QCOMPARE(store.speeches(store.currentMeetingId()).size(), 2);
    // New Meeting refused by the lock: the next speech begins it, and only that one.
    QVERIFY(other.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    store.startNewMeeting();
    QVERIFY(other.exec(QStringLiteral("COMMIT")));
    QVERIFY(store.record(speech(Evening.addSecs(1200), 300, QStringLiteral("third"))));
    QVERIFY(store.record(speech(Evening.addSecs(1800), 300, QStringLiteral("fourth"))));
    QCOMPARE(store.meetings().size(), 2);
    QCOMPARE(store.speeches(store.currentMeetingId()).size(), 2);
}

void TestMeetingStore::changesWaitForTheFile_data()
{
    QTest::addColumn<bool>("fullDisk"); // else another copy holds the lock
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("atExit"); // else written by a retry
    QTest::newRow("a name, the file locked") << false << "name" << false;
    QTest::newRow("a name, the disk full") << true << "name" << false;
    QTest::newRow("a deletion, the disk full") << true << "deletion" << false;
    QTest::newRow("a speech, the disk full") << true << "speech" << false;
    QTest::newRow("a speech, the file locked, written at exit") << false << "speech" << true;
    QTest::newRow("a speech, the file locked, New Meeting after it")
        << false << "speech, new" << false;
    QTest::newRow("a change by hand, the disk full") << true << "correction" << false;
    QTest::newRow("a planned row and its speech, the file locked") << false << "plan" << false;
}

// A change the file cannot take is shown as made, kept, and written once the file takes it.
void TestMeetingStore::changesWaitForTheFile()
{
    QFETCH(bool, fullDisk);
    QFETCH(QString, change);
    QFETCH(bool, atExit);
    std::optional<SmallDisk> disk;
    if (fullDisk && !disk.emplace(m_dir->path()).isMounted())
        QSKIP("filling a disk needs root, to mount a tmpfs");
    {
        MeetingStore store(path());
        QVERIFY(store.record(speech(Evening, 300, QStringLiteral("first"))));
        const qint64 meeting = store.currentMeetingId();
        const qint64 id = store.speeches(meeting).first().id;
        RawFile other(path());
        if (fullDisk)
            disk->fill();
        else
            QVERIFY(other.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        if (change == "name") {
            QVERIFY(store.setSpeakerName(id, QStringLiteral("Ann Lee")));
            QCOMPARE(store.speeches(meeting).first().speakerName, QStringLiteral("Ann Lee"));
            QVERIFY(store.speeches(meeting).first().editWaiting);
        } else if (change == "correction") {
            QVERIFY(store.changeElapsed(id, 200));
            QCOMPARE(store.speeches(meeting).first().verdict().text(), "Under by 0:10");
            QVERIFY(store.speeches(meeting).first().editWaiting);
        } else if (change == "plan") {
            const qint64 planned = store.addPlanned({PlanEntry::make("Cy", 1, {1, 2, 3})})[0].id;
            QVERIFY(!store.record(speech(Evening.addSecs(600), 300, "second"), planned));
            QVERIFY(store.agenda(meeting).last().speechWaiting);
        } else if (change == "deletion") {
            QVERIFY(store.deleteSpeech(id));
            QVERIFY(store.speeches(meeting).isEmpty());
        } else {
            QVERIFY(!store.record(speech(Evening.addSecs(600), 300, QStringLiteral("second"))));
            if (change.endsWith("new"))
                store.startNewMeeting();
            // Shown and counted where it will go, marked as waiting.
            QVERIFY(store.agenda(meeting).last().speechWaiting);
            QCOMPARE(store.meetings().last().waitingCount, 1);
        }
        QVERIFY(!store.isSaved());
        if (fullDisk)
            disk->release();
        else
            QVERIFY(other.exec(QStringLiteral("COMMIT")));
        QVERIFY(atExit || store.retryNow());
    }
    MeetingStore back(path());
    const QList<SpeechRecord> after = back.speeches(back.currentMeetingId());
    QCOMPARE(after.size(), change == "deletion"                              ? 0
                           : change.startsWith("speech") || change == "plan" ? 2
                                                                             : 1);
    if (change == "name")
        QCOMPARE(after.first().speakerName, QStringLiteral("Ann Lee"));
    if (change == "correction")
        QCOMPARE(after.first().byHand, SpeechRecord::ByHand::Changed);
    if (change == "plan")
        QCOMPARE(back.agenda(back.currentMeetingId()).last().planned.speechId, after.last().id);
}

// The first copy to record a planned speech keeps it; the other follows within two seconds, and
// a speech it timed for that row meanwhile goes in without the plan's name, and says so.
void TestMeetingStore::twoStoresFollowOnePlan()
{
    MeetingStore first(path()), second(path());
    const qint64 planned = first
                               .addPlanned({PlanEntry::make("P1", 1, {240, 300, 360}),
                                            PlanEntry::make("P2", 1, {240, 300, 360})})[0]
                               .id;
    QSignalSpy followed(&second, &MeetingStore::changedElsewhere);
    QSignalSpy lost(&second, &MeetingStore::plannedSpokenElsewhere);
    QCOMPARE(second.plan().size(), 2);
    QTRY_VERIFY(!followed.isEmpty()); // the file opened
    followed.clear();
    QVERIFY(first.record(speech(Evening, 300, "first"), planned));
    QTRY_VERIFY_WITH_TIMEOUT(!followed.isEmpty(), 2000);
    SpeechRecord late = speech(Evening.addSecs(600), 300, "second");
    late.speakerName = QStringLiteral("P1"); // as START named it from the plan it showed
    QVERIFY(second.record(late, planned));
    QCOMPARE(lost.count(), 1);
    QStringList shown;
    for (const AgendaItem &item : second.agenda(second.currentMeetingId()))
        shown << item.planned.speakerName + u'/' +
                     (item.speech ? item.speech->description + u'/' + item.speech->speakerName
                                  : QString());
    QCOMPARE(shown.join(u' '), QStringLiteral("P1/first/P1 /second/ P2/"));
}

// A recovery file taken in twice adds each speech once, and keeps a change that waited; a
// backup that cannot be put in its place says so.
void TestMeetingStore::keptElsewhere()
{
    std::optional<Recovery> back;
    {
        MeetingStore store(path());
        QVERIFY(store.record(speech(Evening, 300, QStringLiteral("first"))));
        const qint64 id = store.speeches(store.currentMeetingId()).first().id;
        RawFile other(path());
        QVERIFY(other.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("database is locked"));
        QVERIFY(!store.record(speech(Evening.addSecs(600), 300, QStringLiteral("second"))));
        QVERIFY(store.setSpeakerName(id, QStringLiteral("Ann Lee")));
        const QString kept = RecoveryFile::write(store.unsaved());
        back = RecoveryFile::read(kept);
        QVERIFY(QFile::remove(kept));
        store.forgetUnsaved();
        QVERIFY(other.exec(QStringLiteral("COMMIT")));
    }
    QVERIFY(back);
    MeetingStore store(path());
    QVERIFY(store.takeIn(*back));
    QVERIFY(store.takeIn(*back));
    const QList<SpeechRecord> after = store.speeches(store.currentMeetingId());
    QCOMPARE(after.size(), 2);
    QCOMPARE(after.first().speakerName, QStringLiteral("Ann Lee"));
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder")));
    QVERIFY(!store.backUpTo(m_dir->filePath(QStringLiteral("folder"))).isEmpty());
}

void TestMeetingStore::twoCopiesRecordIntoOneFile()
{
    constexpr int Each = 40;
    const QStringList arguments{WriterArgument, path(), QString::number(Each)};
    // Four rows planned before they start: both follow the plan from its first row.
    MeetingStore backer(path());
    backer.addPlanned({PlanEntry::make("P1", 1, {1, 2, 3}), PlanEntry::make("P2", 1, {1, 2, 3}),
                       PlanEntry::make("P3", 1, {1, 2, 3}), PlanEntry::make("P4", 1, {1, 2, 3})});
    QProcess first, second;
    first.start(QCoreApplication::applicationFilePath(), arguments);
    second.start(QCoreApplication::applicationFilePath(), arguments);
    // A backup taken while both write is whole.
    bool corrected = false;
    const QString copy = m_dir->filePath(QStringLiteral("backup.sqlite"));
    for (int i = 0; i < 3; ++i) {
        // Only while the first of them sets the new file up is it refused for a moment.
        QTRY_COMPARE(backer.backUpTo(copy), QString());
        QCOMPARE(RawFile(copy).value(QStringLiteral("PRAGMA integrity_check")).toString(),
                 QStringLiteral("ok"));
        // The plan edited, and a speech set right, while they record.
        const auto rows = backer.addPlanned(
            {PlanEntry::make("A", 1, {1, 2, 3}), PlanEntry::make("B", 1, {1, 2, 3})});
        QVERIFY(backer.movePlanned({rows.last().id}, rows.first().id));
        const QList<SpeechRecord> timed = backer.speeches(backer.currentMeetingId());
        corrected = corrected || !timed.isEmpty();
        QVERIFY(timed.isEmpty() || backer.changeElapsed(timed.first().id, 1000 + i));
    }
    QTRY_VERIFY_WITH_TIMEOUT(backer.isSaved(), 10000);
    QVERIFY(first.waitForFinished(60000));
    QVERIFY(second.waitForFinished(60000));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitCode(), 0);
    RawFile raw(path());
    QCOMPARE(raw.value(QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    QCOMPARE(raw.value(QStringLiteral("SELECT COUNT(*) FROM speech")).toInt(), 2 * Each);
    QCOMPARE(raw.value(QStringLiteral("SELECT COUNT(*) FROM planned_speech")).toInt(), 10);
    // Each planned speaker recorded once, in the plan's order.
    QCOMPARE(raw.value("SELECT group_concat(speaker_name, ' ') FROM (SELECT speaker_name FROM"
                       " speech WHERE speaker_name LIKE 'P_' ORDER BY id)")
                 .toString(),
             QStringLiteral("P1 P2 P3 P4"));
    // Spoken rows linked to speeches that took their names, the first two at least.
    QCOMPARE(raw.value("SELECT COUNT(*) FROM planned_speech p JOIN speech s ON s.id = p.speech_id"
                       " AND s.speaker_name != p.speaker_name")
                 .toInt(),
             0);
    QVERIFY(raw.value("SELECT COUNT(*) FROM planned_speech WHERE speech_id > 0").toInt() >= 2);
    QCOMPARE(raw.value("SELECT COUNT(*) FROM speech WHERE by_hand = 1").toInt(), int(corrected));
    QCOMPARE(raw.value(QStringLiteral("SELECT COUNT(*) FROM meeting")).toInt(), 1);
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && WriterArgument == QLatin1String(argv[1]))
        return writeSpeeches(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    TestMeetingStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_meetingstore.moc"
