#include "SpectrumFile.h"
#include "analysis/CircuitFit.h"
#include "export/FitSweeps.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

// Fitting R0-p(R1,CPE1)-p(R2,CPE2), 7 parameters, from no guess: one sweep of 60 points; a
// refit from the previous result once that sweep grew by one point; and every sweep of a file
// of 61, each against reading the same points from a file, so the fit's cost can be quoted as
// a multiple of a read as well as in time.
namespace {

const Circuit& twoArcs() {
    static const Circuit circuit = ParseCircuit("R0-p(R1,CPE1)-p(R2,CPE2)").circuit;
    return circuit;
}

// 10 points a decade from 100 kHz down, 0.1 % noise on each part; the second arc grows from
// sweep to sweep, as in an ageing cell.
std::vector<Point> spectrum(int points, int sweep, std::mt19937& noise) {
    std::normal_distribution<double> error(0, 1e-3);
    const std::vector<double> values = {5, 20, 1e-6, 0.9, 100 + 2.0 * sweep, 1e-3, 0.8};
    std::vector<Point> sweepPoints;
    for (int i = 0; i < points; ++i) {
        const double f = 1e5 * std::pow(10.0, -i / 10.0);
        std::complex<double> z = twoArcs().impedance(2 * std::numbers::pi * f, values);
        z += std::abs(z) * std::complex<double>(error(noise), error(noise));
        sweepPoints.push_back({double(i), f, z.real(), -z.imag(), i + 1, sweep});
    }
    return sweepPoints;
}

std::vector<std::vector<Point>> sweeps(int count, int points) {
    std::mt19937 noise(7);
    std::vector<std::vector<Point>> all;
    for (int s = 1; s <= count; ++s)
        all.push_back(spectrum(points, s, noise));
    return all;
}

const std::vector<std::vector<Point>> oneSweep = sweeps(1, 61);
const SpectrumFile oneSweepFile(std::vector<std::vector<Point>>{
    std::vector<Point>(oneSweep[0].begin(), oneSweep[0].begin() + 60)});
const SpectrumFile sweeps61(sweeps(61, 61));

void BM_ReadSweepOf60(benchmark::State& state) {
    for (auto _ : state) {
        CountingSink sink;
        ReadSpectrumFile(oneSweepFile.path(), sink);
        benchmark::DoNotOptimize(sink.rows);
    }
}

void BM_FitSweepOf60(benchmark::State& state) {
    const std::vector<Point> points(oneSweep[0].begin(), oneSweep[0].begin() + 60);
    FitResult result;
    for (auto _ : state) {
        result = FitCircuit(twoArcs(), points, {});
        benchmark::DoNotOptimize(result.chi2);
    }
    state.counters["iterations"] = result.iterations;
}

// The sweep of 60 grew to 61: the fit starts from the 60's result.
void BM_RefitGrownByOnePoint(benchmark::State& state) {
    const std::vector<Point> before(oneSweep[0].begin(), oneSweep[0].begin() + 60);
    FitOptions options;
    options.guess = FitCircuit(twoArcs(), before, {}).values;
    FitResult result;
    for (auto _ : state) {
        result = FitCircuit(twoArcs(), oneSweep[0], options);
        benchmark::DoNotOptimize(result.chi2);
    }
    state.counters["iterations"] = result.iterations;
}

void BM_Read61Sweeps(benchmark::State& state) {
    for (auto _ : state) {
        CountingSink sink;
        ReadSpectrumFile(sweeps61.path(), sink);
        benchmark::DoNotOptimize(sink.rows);
    }
}

void BM_ReadAndFit61Sweeps(benchmark::State& state) {
    for (auto _ : state) {
        int converged = 0;
        FitSweeps sink(twoArcs(), {},
                       [&converged](std::uint32_t, std::span<const Row>, const FitResult& r) {
                           converged += r.converged;
                       });
        ReadSpectrumFile(sweeps61.path(), sink);
        sink.Finish();
        benchmark::DoNotOptimize(converged);
    }
}

} // namespace

BENCHMARK(BM_ReadSweepOf60)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FitSweepOf60)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RefitGrownByOnePoint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read61Sweeps)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadAndFit61Sweeps)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
