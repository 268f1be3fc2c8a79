// SPDX-License-Identifier: MIT
// What the meeting's record adds to STOP, measured in one process: STOP with a run to record
// against STOP with none, on an empty record and on one of 1,000 meetings of 20 speeches; one
// speech recorded into each; and one commit with synchronous=NORMAL against FULL. Prints
// Markdown rows. Run with QT_QPA_PLATFORM=offscreen.
#include "app/lecternworkstimer.h"
#include "app/ticktimer.h"
#include "record/meetingstore.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Runs = 101;
constexpr int FilledMeetings = 1000;
constexpr int SpeechesPerMeeting = 20;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double timedMs(const std::function<void()> &work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return clock.nsecsElapsed() / 1e6;
}

// START and five ticks; the loop runs once, as it would before the first tick.
void speak(LecternWorksTimer &window)
{
    window.commandStartTimer_Click();
    QCoreApplication::processEvents();
    for (int tick = 0; tick < 5 && window.tickTimer()->isEnabled(); ++tick)
        window.TickTock_TIMER_Timer();
}

struct StopTimes
{
    double recording = 0;
    double notRecording = 0;
};

// Interleaved, so both see the same machine. The run a close event has recorded already leaves
// STOP the same work with nothing to record.
StopTimes stopTimes(LecternWorksTimer &window)
{
    std::vector<double> recording, notRecording;
    for (int run = 0; run < Runs; ++run) {
        speak(window);
        recording.push_back(timedMs([&] { window.commandStopTimer_Click(); }));
        speak(window);
        QCloseEvent close;
        QApplication::sendEvent(&window, &close);
        notRecording.push_back(timedMs([&] { window.commandStopTimer_Click(); }));
    }
    return {median(recording), median(notRecording)};
}

SpeechRecord speech(const QDateTime &at)
{
    return SpeechRecord::finished(
        SpeechRecord::started(at, 2, QStringLiteral("Standard Speech (5 to 7 Minutes)"),
                              {"05:00", "06:00", "07:00"}, {300, 360, 420}, false),
        395, SpeechRecord::Lamp::Red, true, 30);
}

double recordTime(MeetingStore &store)
{
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run)
        times.push_back(timedMs([&] { store.record(speech(QDateTime::currentDateTime())); }));
    return median(times);
}

double commitTime(const QString &path, const char *synchronous)
{
    const QString name = QString::fromLatin1(synchronous);
    double ms = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
        q.exec(QStringLiteral("PRAGMA synchronous=%1").arg(name));
        q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS t (x)"));
        std::vector<double> times;
        for (int run = 0; run < Runs; ++run) {
            times.push_back(timedMs([&] {
                q.exec(QStringLiteral("BEGIN IMMEDIATE"));
                q.prepare(QStringLiteral("INSERT INTO t VALUES (?)"));
                q.addBindValue(run);
                q.exec();
                q.exec(QStringLiteral("COMMIT"));
            }));
        }
        ms = median(times);
    }
    QSqlDatabase::removeDatabase(name);
    return ms;
}

void row(const char *measure, double value, const char *unit = "ms")
{
    std::printf("| %s | %.3f %s |\n", measure, value, unit);
}

} // namespace

int main(int argc, char *argv[])
{
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.filePath(QStringLiteral("data")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toLocal8Bit());
    // The window loads the record's module from where this build made it.
    qputenv("LW_MODULE_DIR", LW_RECORD_MODULE_BUILD_DIR);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lecternworks-timer"));

    std::printf("| measure (median of %d runs unless once) | time |\n|---|---|\n", Runs);
    double opening = 0;
    double firstStop = 0;
    StopTimes empty;
    {
        LecternWorksTimer window;
        window.show();
        window.commandStartTimer_Click();
        opening = timedMs([] { QCoreApplication::processEvents(); });
        firstStop = timedMs([&] { window.commandStopTimer_Click(); });
        empty = stopTimes(window);
    }
    row("opening and creating the record, once, just after the first START", opening);
    row("the first STOP after start-up, once", firstStop);
    row("STOP with a run to record, small record", empty.recording);
    row("STOP with nothing to record", empty.notRecording);
    row("**difference: recording one speech at STOP**", empty.recording - empty.notRecording);

    double fillSeconds = 0;
    double intoSmall = 0;
    {
        MeetingStore store;
        intoSmall = recordTime(store);
        const QDateTime begun = QDateTime::currentDateTime().addYears(-5);
        fillSeconds = timedMs([&] {
                          for (int m = 0; m < FilledMeetings; ++m) {
                              store.startNewMeeting();
                              for (int s = 0; s < SpeechesPerMeeting; ++s)
                                  store.record(speech(begun.addDays(m).addSecs(600 * s)));
                          }
                      }) /
                      1000;
    }
    StopTimes filled;
    double intoFilled = 0;
    {
        LecternWorksTimer window;
        window.show();
        speak(window);
        window.commandStopTimer_Click();
        filled = stopTimes(window);
        MeetingStore store;
        intoFilled = recordTime(store);
    }
    row("STOP with a run to record, 1,000 meetings of 20 speeches", filled.recording);
    row("STOP with nothing to record, same record", filled.notRecording);
    row("**difference: recording one speech at STOP, 1,000 meetings**",
        filled.recording - filled.notRecording);
    row("one speech recorded (the store alone), small record", intoSmall);
    row("one speech recorded (the store alone), 1,000 meetings", intoFilled);
    row("filling 1,000 meetings of 20 speeches, one transaction each", fillSeconds, "s");

    const QString scratch = home.filePath(QStringLiteral("commit.sqlite"));
    const double normal = commitTime(scratch, "NORMAL");
    const double full = commitTime(scratch, "FULL");
    row("one commit in WAL, synchronous=NORMAL", normal);
    row("one commit in WAL, synchronous=FULL", full);
    return 0;
}
