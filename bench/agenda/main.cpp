// SPDX-License-Identifier: MIT
// The meeting window's longest commands while a speech is timed: the largest plan it accepts
// imported from a file, that import undone, and a file of 100,000 short lines refused. Each is
// judged by the longest the window's thread went without serving a 5 ms tick, from the command
// until a second after it (the write-ahead log folded in meanwhile), with the thread's own CPU
// time in that stall. Prints Markdown rows. Run with QT_QPA_PLATFORM=offscreen.
#include "agenda/agendawriter.h"
#include "record/meetingstore.h"
#include "report/meetingeditor.h"
#include "report/reportwindow.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

constexpr int Runs = 11;
constexpr int TickMs = 5;
constexpr int WatchedMs = 1000;
constexpr double TargetMs = 50;
constexpr int RefusedLines = 100000;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

// The longest stall on the clock, and the thread's own CPU time in it: the difference is waiting,
// for a core other programs had or for the disk.
struct Stall
{
    double wallMs = 0;
    double cpuMs = 0;
};

Stall longestStall(const std::function<void()> &command)
{
    QTimer tick;
    tick.start(TickMs);
    QTimer::singleShot(0, command);
    QElapsedTimer watched, since;
    watched.start();
    Stall longest;
    while (!watched.hasExpired(WatchedMs)) {
        since.start();
        const double cpu = threadCpuMs();
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (since.nsecsElapsed() / 1e6 > longest.wallMs)
            longest = {since.nsecsElapsed() / 1e6, threadCpuMs() - cpu};
    }
    return longest;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void printRow(const char *command, const std::vector<Stall> &stalls)
{
    std::vector<double> wall, cpu;
    for (const Stall &s : stalls) {
        wall.push_back(s.wallMs);
        cpu.push_back(s.cpuMs);
    }
    const double worst = *std::max_element(wall.begin(), wall.end());
    std::printf("| %s | %.1f ms | %.1f ms | %.1f ms | %.0f ms | %s |\n", command, median(wall),
                worst, median(cpu), TargetMs, worst <= TargetMs ? "yes" : "**no**");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString largest = dir.filePath(QStringLiteral("plan.csv"));
    const QString refused = dir.filePath(QStringLiteral("refused.csv"));
    QList<PlannedSpeech> plan;
    for (int i = 0; i < SpeechCategories::MaxPlannedSpeeches; ++i)
        plan << PlannedSpeech::custom(QStringLiteral("Speaker %1").arg(i + 1), {60, 90, 120});
    QByteArray lines = "name,category\n";
    for (int i = 0; i < RefusedLines; ++i)
        lines += "S" + QByteArray::number(i % 10000) + ",1\n";
    if (!writeFile(largest, AgendaWriter::csv(plan)) || !writeFile(refused, lines))
        return 1;

    MeetingStore store(dir.filePath(QStringLiteral("meetings.sqlite")));
    const QDateTime now = QDateTime::currentDateTime();
    const SpeechRecord run = SpeechRecord::started(
        now, 2, QStringLiteral("Standard Speech (5 to 7 Minutes)"), {"05:00", "06:00", "07:00"},
        {300, 360, 420}, false);
    store.record(SpeechRecord::finished(run, 395, SpeechRecord::Lamp::Red, true, 30));
    ReportWindow window(&store);
    window.showAndRaise();
    window.showRunning(run, 0, 42);
    MeetingEditor *editor = window.editor();
    std::vector<Stall> imports, undos, refusals;
    for (int i = 0; i < Runs; ++i) {
        imports.push_back(longestStall([&] { editor->importFile(largest); }));
        if (store.plan().size() != SpeechCategories::MaxPlannedSpeeches)
            return 2;
        undos.push_back(longestStall([&] { editor->undo(); }));
        refusals.push_back(longestStall([&] { editor->importFile(refused); }));
        for (QDialog *dialog : window.findChildren<QDialog *>())
            dialog->reject();
        if (!store.plan().isEmpty())
            return 3;
    }
    printRow("Import Plan..., the largest accepted (500 speeches)", imports);
    printRow("its undo (Ctrl+Z)", undos);
    printRow("Import Plan..., 100,000 lines refused", refusals);
    return 0;
}
