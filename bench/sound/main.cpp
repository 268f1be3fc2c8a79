// SPDX-License-Identifier: MIT
// How soon a cue follows its lamp, with the real window and its sound module. For each lamp of
// a FAST run: from the moment the light is set to the return of the tick that set it, inside
// which the player's play call is made and returns; and from the same moment to the light's
// next paint, when its pixels change. The tick is driven by hand, as the timer drives it.
// Without a sound device the module plays nothing, and the first is the call's time alone.
// Prints Markdown rows. Run with QT_QPA_PLATFORM=offscreen.
#include "app/lecternworkstimer.h"
#include "controls/signal_light/horizontaltimer.h"
#include "controls/signal_light/shapecircle.h"
#include "controls/signal_light/sharedlamps.h"
#include "sound/cuesounds.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 50;
// FAST: the three lamps at 1, 2 and 3 s, and one tick past them.
constexpr int TicksPerRun = 4;
constexpr qint16 FastSpeed = 10;
constexpr double LimitMs = 50;
constexpr qint64 PaintWaitNs = 5'000'000'000;

qint64 nowNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// When a lamp is next painted.
class PaintWatch : public QObject
{
public:
    qint64 paintedNs = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && paintedNs == 0)
            paintedNs = nowNs();
        return QObject::eventFilter(watched, event);
    }
};

// A row: the median and the worst, and whether the worst is within the limit when there is one.
void printRow(const char *measure, std::vector<double> ms, double limitMs = 0)
{
    std::sort(ms.begin(), ms.end());
    const QByteArray target = limitMs > 0 ? QByteArray::number(limitMs) + " ms" : "–";
    const char *met = limitMs <= 0 ? "–" : ms.back() <= limitMs ? "yes" : "**no**";
    std::printf("| %s (%zu lamps) | %.3f ms | %.3f ms | %s | %s |\n", measure, ms.size(),
                ms[ms.size() / 2], ms.back(), target.constData(), met);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("lw-bench-sound"));
    LecternWorksTimer window;
    window.menuTimerTestSpeed_Click(FastSpeed);
    window.show();
    // Options ▸ Sounds, off in a fresh settings file: switching it on loads the module.
    if (!window.menuItems().menuSounds->isChecked())
        window.menuSounds_Click();
    if (!window.cueSounds()->isLoaded()) {
        std::fprintf(stderr, "the sound module was not loaded\n");
        return 1;
    }
    PaintWatch paints;
    for (ShapeCircle *lamp : window.horizontalTimer()->findChildren<ShapeCircle *>())
        lamp->installEventFilter(&paints);

    qint64 lampNs = 0;
    QObject::connect(&SharedLamps::instance(), &SharedLamps::changed, &window, [&lampNs] {
        // The first change of a step: everything is timed from the earliest.
        if (lampNs == 0)
            lampNs = nowNs();
    });
    std::vector<double> toCue;
    std::vector<double> toPaint;
    for (int run = 0; run < Runs; ++run) {
        window.commandStartTimer_Click();
        QCoreApplication::processEvents();
        for (int tick = 0; tick < TicksPerRun; ++tick) {
            lampNs = 0;
            paints.paintedNs = 0;
            window.TickTock_TIMER_Timer();
            const qint64 tickedNs = nowNs();
            if (lampNs == 0)
                continue;
            toCue.push_back((tickedNs - lampNs) / 1e6);
            const qint64 deadlineNs = nowNs() + PaintWaitNs;
            while (paints.paintedNs == 0 && nowNs() < deadlineNs)
                QCoreApplication::processEvents();
            if (paints.paintedNs == 0) {
                std::fprintf(stderr, "a lamp was never painted\n");
                return 1;
            }
            toPaint.push_back((paints.paintedNs - lampNs) / 1e6);
        }
        window.commandStopTimer_Click();
        QCoreApplication::processEvents();
    }
    if (toCue.empty())
        return 1;
    printRow("a lamp set to its cue's play call returned", toCue, LimitMs);
    printRow("a lamp set to the light painted", toPaint);
    return 0;
}
