#include "SpectrumFile.h"
#include "analysis/KramersKronig.h"
#include "export/KkSweeps.h"

#include <benchmark/benchmark.h>

#include <complex>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <numbers>
#include <random>
#include <string>
#include <vector>

// The Kramers-Kronig check of one sweep of 100 points with M chosen by mu, and of every sweep
// of a file of 61 sweeps, each against reading the same file without the check, so the check's
// cost can be quoted as a multiple of a read as well as in time.
namespace {

// A Randles-type cell with a constant-phase double layer, from 100 kHz down, `perDecade`
// points a decade, with 0.1 % noise on each part; the charge transfer grows from sweep to
// sweep.
std::vector<Point> spectrum(int points, int perDecade, int sweep, std::mt19937& noise) {
    std::normal_distribution<double> error(0, 1e-3);
    std::vector<Point> sweepPoints;
    for (int i = 0; i < points; ++i) {
        const double f = 1e5 * std::pow(10.0, -double(i) / perDecade);
        const std::complex<double> jw(0, 2 * std::numbers::pi * f);
        const double r = 100 + 2.0 * sweep;
        std::complex<double> z = 10.0 + r / (1.0 + r * 1e-4 * std::pow(jw, 0.85));
        z += std::abs(z) * std::complex<double>(error(noise), error(noise));
        sweepPoints.push_back({double(i), f, z.real(), -z.imag(), i + 1, sweep});
    }
    return sweepPoints;
}

std::vector<std::vector<Point>> sweeps(int count, int points, int perDecade) {
    std::mt19937 noise(7);
    std::vector<std::vector<Point>> all;
    for (int s = 1; s <= count; ++s)
        all.push_back(spectrum(points, perDecade, s, noise));
    return all;
}

// 100 points from 100 kHz to 10 mHz; 61 sweeps of 61 points from 100 kHz to 0.1 Hz.
const SpectrumFile oneSweep(sweeps(1, 100, 14));
const SpectrumFile sweeps61(sweeps(61, 61, 10));

void BM_ReadSweepOf100(benchmark::State& state) {
    for (auto _ : state) {
        CountingSink sink;
        ReadSpectrumFile(oneSweep.path(), sink);
        benchmark::DoNotOptimize(sink.rows);
    }
}

void BM_CheckSweepOf100(benchmark::State& state) {
    std::mt19937 noise(7);
    const std::vector<Point> points = spectrum(100, 14, 1, noise);
    KkResult result;
    for (auto _ : state) {
        result = CheckKramersKronig(points, {});
        benchmark::DoNotOptimize(result.chi2);
    }
    state.counters["M"] = result.m;
}

// The most a sweep of 100 points can cost: mu never falls to c, and every M up to the most
// is fitted.
void BM_CheckSweepOf100EveryM(benchmark::State& state) {
    std::mt19937 noise(7);
    const std::vector<Point> points = spectrum(100, 14, 1, noise);
    KkOptions options;
    options.muLimit = -1e300;
    KkResult result;
    for (auto _ : state) {
        result = CheckKramersKronig(points, options);
        benchmark::DoNotOptimize(result.chi2);
    }
    state.counters["M"] = result.m;
}

void BM_Read61Sweeps(benchmark::State& state) {
    for (auto _ : state) {
        CountingSink sink;
        ReadSpectrumFile(sweeps61.path(), sink);
        benchmark::DoNotOptimize(sink.rows);
    }
}

void BM_ReadAndCheck61Sweeps(benchmark::State& state) {
    for (auto _ : state) {
        int valid = 0;
        KkSweeps sink({}, nullptr,
                      [&valid](std::uint32_t, const KkResult& r) { valid += r.valid; });
        ReadSpectrumFile(sweeps61.path(), sink);
        sink.Finish();
        benchmark::DoNotOptimize(valid);
    }
}

} // namespace

BENCHMARK(BM_ReadSweepOf100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CheckSweepOf100)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CheckSweepOf100EveryM)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Read61Sweeps)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadAndCheck61Sweeps)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
