#include "app/MainWindow.h"
#include "classic/PlotDlg.h"
#include "res/Resource.h"
#include "source/Reload.h"

#include <QAction>
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

// A file of `sweeps` sweeps of `points` points each, from 100 kHz down to 10 mHz, the cell's
// resistance drifting from sweep to sweep.
std::string sweepsFile(int sweeps, int points) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("korvane-bench-stall-sweeps-" + std::to_string(sweeps) + ".txt"))
                                 .string();
    std::ofstream out(path);
    char line[96];
    for (int s = 0; s < sweeps; ++s)
        for (int i = 0; i < points; ++i) {
            const double f = 1e5 * std::pow(10.0, -7.0 * i / (points - 1));
            const double r = 50.0 * (1 + 0.01 * s), wt = 2 * M_PI * f * 1e-4;
            std::snprintf(line, sizeof line, "%.6e\t%.6e\t%.6e\n", f, 12.5 + r / (1 + wt * wt),
                          -r * wt / (1 + wt * wt));
            out << line;
        }
    return path;
}

// The main window with the residuals panel on, opening a file whose 61 sweeps of 100 points
// are all checked on the reading thread, against the same window opening 6 sweeps of 1017
// points (about as many rows), each too long to be checked: the difference is the checks.
void stallWithSweeps(benchmark::State& state, int sweeps, int points) {
    const std::string file = sweepsFile(sweeps, points);
    std::vector<double> gaps;
    for (auto _ : state) {
        MainWindow window(nullptr);
        window.command("residuals")->setChecked(true);
        window.show();
        const std::vector<double> tick = stallsDuringTick(
            [&] { window.openFile(file); }, [&window] { return window.tickUnderWay(); });
        gaps.insert(gaps.end(), tick.begin(), tick.end());
    }
    report(state, std::move(gaps));
}

void BM_StallWith61SweepsChecked(benchmark::State& state) {
    stallWithSweeps(state, 61, 100);
}

void BM_StallWith6SweepsTooLongToCheck(benchmark::State& state) {
    stallWithSweeps(state, 6, 1017);
}

} // namespace

BENCHMARK(BM_StallWith61SweepsChecked)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StallWith6SweepsTooLongToCheck)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StallWithTenFilesInTheMainWindow)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StallWithTheReadOnTheWindowThread)->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StallWithTheReadOnTheReadingThread)->Iterations(3)->Unit(benchmark::kMillisecond);
