#include "app/MainWindow.h"
#include "classic/PlotDlg.h"
#include "res/Resource.h"
#include "source/Reload.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QSettings>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
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

// Ten files of 10^6 lines, for an overlay.
const std::vector<std::string>& tenFiles() {
    static const std::vector<std::string> paths = [] {
        std::vector<std::string> made;
        for (int n = 0; n < 10; ++n) {
            made.push_back((std::filesystem::temp_directory_path() /
                            ("korvane-bench-stall-" + std::to_string(n) + ".txt"))
                               .string());
            std::ofstream out(made.back());
            char line[96];
            for (long i = 0; i < kLines / 10; ++i) {
                const double f = 1e5 * std::pow(10.0, -7.0 * i / (kLines / 10));
                const double re = 12.5 + n + 50.0 / (1.0 + f * f * 1e-6);
                const double im = -50.0 * f * 1e-3 / (1.0 + f * f * 1e-6);
                std::snprintf(line, sizeof line, "%.6e\t%.6e\t%.6e\n", f, re, im);
                out << line;
            }
        }
        return made;
    }();
    return paths;
}

// Runs one tick, begun by `start`, inside the event loop and returns the gaps between the
// probe timer's firings, in milliseconds, from the tick's start to the first firing after
// its end.
template <typename Start, typename UnderWay>
std::vector<double> stallsDuringTick(Start start, UnderWay underWay) {
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
            if (!underWay()) {
                loop.quit();
                return;
            }
        }
        last = now;
        if (!started) {
            started = true;
            start();
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
    std::vector<double> gaps;
    for (auto _ : state) {
        CPlotDlg dialog;
        dialog.OnInitDialog();
        dialog.show();
        dialog.AcceptChosenFile(path);
        if (onWindowThread)
            dialog.setReloadFunction(
                [](const std::string& file) { return ReadWholeFile(file, nullptr); });
        const std::vector<double> tick =
            stallsDuringTick([&dialog] { dialog.OnTimer(RELOAD_TIMER_ID); },
                             [&dialog] { return dialog.tickUnderWay(); });
        gaps.insert(gaps.end(), tick.begin(), tick.end());
    }
    report(state, std::move(gaps));
}

void BM_StallWithTheReadOnTheWindowThread(benchmark::State& state) {
    runTicks(state, true);
}

void BM_StallWithTheReadOnTheReadingThread(benchmark::State& state) {
    runTicks(state, false);
}

// The main window following ten files at once: their first reads, all in one tick, and the
// drawing of ten series.
void BM_StallWithTenFilesInTheMainWindow(benchmark::State& state) {
    const std::vector<std::string>& files = tenFiles();
    std::vector<double> gaps;
    for (auto _ : state) {
        MainWindow window(nullptr);
        window.show();
        const std::vector<double> tick = stallsDuringTick(
            [&] { window.openFiles(files); }, [&window] { return window.tickUnderWay(); });
        gaps.insert(gaps.end(), tick.begin(), tick.end());
    }
    report(state, std::move(gaps));
}

} // namespace

BENCHMARK(BM_StallWithTenFilesInTheMainWindow)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StallWithTheReadOnTheWindowThread)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StallWithTheReadOnTheReadingThread)->Iterations(3)->Unit(benchmark::kMillisecond);
