// SPDX-FileCopyrightText: 2026 The Quarnel developers
// SPDX-License-Identifier: MIT
// Paced runs through the real window: the slow-down is set with the window's
// scroll bar and each run is the Start button's own handler, so the waits are
// those of the window's run driver, on the event loop. Prints key=value lines:
//   work_ms            a run with every wait left out (drawing and showing each
//                      point, no countdown), the median of several
//   slowdown<S>_wall_ms, _cpu_ms, _nominal_ms, _expected_ms, _deviation_pct,
//   _nominal_deviation_pct
//                      for each slow-down S given: the run's wall and CPU time,
//                      its nominal waiting (399 × 30000 × S × 100 ns), nominal plus
//                      work, how far the wall time lies from that, and from the
//                      nominal waiting alone; of --best-of runs, the one that took
//                      the least CPU time
// Usage: pacedrun [--zoom PERCENT] [--best-of RUNS] [SLOWDOWN...]   (default: 1 5)
// The screen's ratio is the platform's: QT_SCALE_FACTOR=2 gives ratio 2.
#include "benchrun.h"
#include "photonrandom.h"
#include "picture/scenepicture.h"
#include "picture/windowzoom.h"
#include "run.h"
#include "run/runsession.h"
#include "scan.h"
#include "startup/appearance.h"
#include "window/frmquarnel.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;
constexpr int workRepeats = 7;

double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto ms = [](timeval t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Shows every point as the window's pacer does, without waiting.
class ShowingPacer : public Pacer {
public:
    explicit ShowingPacer(ScenePicture &picture) : picture_(picture) {}
    void countDown(long long) override
    {
        picture_.showNow();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

private:
    ScenePicture &picture_;
};

void settle(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    setUpAppearance(app);
    std::vector<int> slowDowns;
    int zoomPercent = 100;
    int bestOf = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if ((argument == "--zoom" || argument == "--best-of") && i + 1 < argc)
            (argument == "--zoom" ? zoomPercent : bestOf) = std::atoi(argv[++i]);
        else
            slowDowns.push_back(std::atoi(argv[i]));
    }
    if (slowDowns.empty())
        slowDowns = {1, 5};

    frmQuarnel window;
    window.zoom().setPercent(zoomPercent);
    if (window.zoom().percent() != zoomPercent) {
        std::fprintf(stderr, "pacedrun: %d %% is not a zoom step\n", zoomPercent);
        return 1;
    }
    window.show();
    settle(500);

    // The run's own work: the window's settings and picture, no countdown.
    std::vector<double> work;
    for (int i = 0; i < workRepeats; ++i) {
        PhotonRandom random;
        NoLabels labels;
        ShowingPacer pacer(window.picture());
        const Clock::time_point start = Clock::now();
        PerformRun(window.picture().canvas(), window, labels, random, pacer);
        window.picture().showNow();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        work.push_back(msSince(start));
    }
    std::sort(work.begin(), work.end());
    const double workMs = work[work.size() / 2];
    std::printf("work_ms=%.3f\n", workMs);

    auto *scrollBar = window.findChild<QScrollBar *>(QStringLiteral("HScroll1"));
    for (int slowDown : slowDowns) {
        scrollBar->setValue(slowDown);
        if (window.text(Setting::nSpomaleni) != QString::number(slowDown)) {
            std::fprintf(stderr, "pacedrun: the scroll bar did not set slow-down %d\n", slowDown);
            return 1;
        }
        double wallMs = 0, cpu = 0;
        for (int run = 0; run < std::max(bestOf, 1); ++run) {
            settle(200);
            const double cpuBefore = cpuMs();
            const Clock::time_point start = Clock::now();
            QEventLoop untilEnd;
            QObject::connect(&window.session(), &RunSession::finished, &untilEnd, &QEventLoop::quit);
            window.cmdStart_Click();
            untilEnd.exec();
            const double wall = msSince(start);
            const double used = cpuMs() - cpuBefore;
            if (run == 0 || used < cpu) {
                wallMs = wall;
                cpu = used;
            }
        }
        const double nominalMs = scan::pointCount * double(run::delayFactor) * slowDown
            * std::chrono::duration<double, std::milli>(countdownStep).count();
        const double expectedMs = nominalMs + workMs;
        std::printf("slowdown%d_wall_ms=%.3f\n", slowDown, wallMs);
        std::printf("slowdown%d_cpu_ms=%.3f\n", slowDown, cpu);
        std::printf("slowdown%d_nominal_ms=%.3f\n", slowDown, nominalMs);
        std::printf("slowdown%d_expected_ms=%.3f\n", slowDown, expectedMs);
        std::printf("slowdown%d_deviation_pct=%.3f\n", slowDown, 100.0 * (wallMs - expectedMs) / expectedMs);
        std::printf("slowdown%d_nominal_deviation_pct=%.3f\n", slowDown,
                    100.0 * (wallMs - nominalMs) / nominalMs);
        std::fflush(stdout);
    }
    return 0;
}
