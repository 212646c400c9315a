#include "ClassicChartFill.h"
#include "Globals.h"
#include "PlotDlg.h"
#include "Resource.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <vector>

// How long the window's event loop stalls while one tick reads a file of 10^7 lines: once
// with the read on the window's own thread, once on the reading thread. A 1 ms timer runs
// through the tick; the gaps between its firings are the stalls.
namespace {

constexpr long kLines = 10'000'000;

const std::string& bigFile() {
    static const std::string path = [] {
        const std::string file =
            (std::filesystem::temp_directory_path() / "korvane-bench-stall.txt").string();
        std::ofstream out(file);
        char line[96];
        for (long i = 0; i < kLines; ++i) {
            const double f = 1e5 * std::pow(10.0, -7.0 * i / kLines);
            const double re = 12.5 + 50.0 / (1.0 + f * f * 1e-6);
            const double im = -50.0 * f * 1e-3 / (1.0 + f * f * 1e-6);
            std::snprintf(line, sizeof line, "%.6e\t%.6e\t%.6e\n", f, re, im);
            out << line;
        }
        return file;
    }();
    return path;
}

// Runs one tick of `dialog` inside its event loop and returns the gaps between the probe
// timer's firings, in milliseconds, from the tick's start to the first firing after its end.
std::vector<double> stallsDuringTick(CPlotDlg& dialog) {
    std::vector<double> gaps;
    QElapsedTimer clock;
    QEventLoop loop;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(1);
    bool started = false;
    qint64 last = 0;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (started) {
            gaps.push_back(static_cast<double>(now - last) / 1e6);
            if (!dialog.tickUnderWay()) {
                loop.quit();
                return;
            }
        }
        last = now;
        if (!started) {
            started = true;
            dialog.OnTimer(RELOAD_TIMER_ID);
        }
    });
    clock.start();
    probe.start();
    loop.exec();
    return gaps;
}

void report(benchmark::State& state, std::vector<double> gaps) {
    if (gaps.empty())
        return;
    std::sort(gaps.begin(), gaps.end());
    state.counters["stall_max_ms"] = gaps.back();
    state.counters["stall_median_ms"] = gaps[gaps.size() / 2];
    state.counters["probes"] = static_cast<double>(gaps.size());
}

// Every tick a whole read: each has a window of its own, which has read nothing yet.
void runTicks(benchmark::State& state, bool onWindowThread) {
    const std::string& path = bigFile();
    g_strPathName = path;
    std::vector<double> gaps;
    for (auto _ : state) {
        CPlotDlg dialog;
        dialog.OnInitDialog();
        dialog.show();
        if (onWindowThread) {
            dialog.setReloadFunction(
                [](const std::string& file, bool plus, CCurveChart& chart, const ShowChart& show) {
                    return ReloadChart(file, plus, chart, nullptr, show);
                });
        }
        const std::vector<double> tick = stallsDuringTick(dialog);
        gaps.insert(gaps.end(), tick.begin(), tick.end());
    }
    report(state, std::move(gaps));
    g_strPathName.clear();
}

void BM_StallWithTheReadOnTheWindowThread(benchmark::State& state) {
    runTicks(state, true);
}

void BM_StallWithTheReadOnTheReadingThread(benchmark::State& state) {
    runTicks(state, false);
}

} // namespace

BENCHMARK(BM_StallWithTheReadOnTheWindowThread)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StallWithTheReadOnTheReadingThread)->Iterations(3)->Unit(benchmark::kMillisecond);
