// SPDX-License-Identifier: MIT
// What Ctrl+T costs, measured in one process: the report made, filled and painted for a record of
// 1,000 meetings of 20 speeches against a small one, in the program's own CPU time and on the
// clock. Prints Markdown rows. Run with QT_QPA_PLATFORM=offscreen.
#include "record/meetingstore.h"
#include "report/reportwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

constexpr int Runs = 21;
constexpr int SmallMeetings = 5;
constexpr int FilledMeetings = 1000;
constexpr int SpeechesPerMeeting = 20;
constexpr qint64 DayMs = 24 * 60 * 60 * 1000;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double cpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

SpeechRecord speech(const QDateTime &at, int elapsedSeconds)
{
    return SpeechRecord::finished(
        SpeechRecord::started(at, 2, QStringLiteral("Standard Speech (5 to 7 Minutes)"),
                              {"05:00", "06:00", "07:00"}, {300, 360, 420}, false),
        elapsedSeconds, SpeechRecord::Lamp::Red, true, 30);
}

// One meeting recorded as the timer records it, then copied into as many as asked, one
// transaction for all: the record's own writes would take minutes.
void fill(const QString &path, int meetings)
{
    {
        MeetingStore store(path);
        const QDateTime begun = QDateTime::currentDateTime().addYears(-5);
        for (int s = 0; s < SpeechesPerMeeting; ++s)
            store.record(speech(begun.addSecs(600 * s), 280 + 10 * s));
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), path);
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("BEGIN"));
        q.exec(QStringLiteral("CREATE TEMP TABLE one AS SELECT * FROM speech"));
        for (int m = 1; m < meetings; ++m) {
            q.prepare(QStringLiteral("INSERT INTO meeting (begun_utc_ms, begun_utc_offset)"
                                     " SELECT begun_utc_ms + ?, begun_utc_offset FROM meeting"
                                     " WHERE id = 1"));
            q.addBindValue(m * DayMs);
            q.exec();
            const qint64 id = q.lastInsertId().toLongLong();
            q.prepare(QStringLiteral("UPDATE one SET id = NULL, meeting_id = ?,"
                                     " started_utc_ms = started_utc_ms + ?"));
            q.addBindValue(id);
            q.addBindValue(DayMs);
            q.exec();
            q.exec(QStringLiteral("INSERT INTO speech SELECT * FROM one"));
        }
        q.exec(QStringLiteral("COMMIT"));
    }
    QSqlDatabase::removeDatabase(path);
}

struct Times
{
    double cpu = 0;
    double clock = 0;
};

// The report as Ctrl+T opens it the first time: made, its meetings listed, the newest shown and
// painted.
Times opening(const QString &path)
{
    MeetingStore store(path);
    store.prepare();
    std::vector<double> cpu, clock;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer wall;
        wall.start();
        const double before = cpuMs();
        {
            ReportWindow window(&store);
            window.showAndRaise();
            QCoreApplication::processEvents();
            window.repaint();
            cpu.push_back(cpuMs() - before);
            clock.push_back(wall.nsecsElapsed() / 1e6);
        }
        QCoreApplication::processEvents();
    }
    return {median(cpu), median(clock)};
}

void row(const char *measure, const Times &t)
{
    std::printf("| %s | %.1f ms | %.1f ms |\n", measure, t.cpu, t.clock);
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    QApplication app(argc, argv);
    const QString small = home.filePath(QStringLiteral("small.sqlite"));
    const QString filled = home.filePath(QStringLiteral("filled.sqlite"));
    fill(small, SmallMeetings);
    fill(filled, FilledMeetings);

    std::printf("| Ctrl+T: the report opened (median of %d runs) | program's CPU time | on the "
                "clock |\n|---|---|---|\n",
                Runs);
    row("5 meetings of 20 speeches", opening(small));
    row("1,000 meetings of 20 speeches", opening(filled));
    return 0;
}
