#include "chart/CurveChart.h"

#include <benchmark/benchmark.h>

#include <memory>

// One reload's worth of points against limits that stay [0, 1] until the last line, as the
// reload leaves them: every point outside them rescales, the baseline's never do.
namespace {

constexpr int kPoints = 1'000'000;

void addPoints(benchmark::State& state, double offset) {
    auto chart = std::make_unique<CCurveChart>();
    for (auto _ : state) {
        chart->Clear();
        for (int i = 0; i < kPoints; ++i) {
            const double f = (i % 1000) * 0.0005;
            chart->AddPoint(i, offset + f, offset + 0.5 * f);
        }
        benchmark::DoNotOptimize(chart->count);
    }
    state.SetItemsProcessed(state.iterations() * kPoints);
}

void BM_AddPointInsideLimits(benchmark::State& state) {
    addPoints(state, 0.25);
}
void BM_AddPointOutsideLimits(benchmark::State& state) {
    addPoints(state, 250.0);
}

} // namespace

BENCHMARK(BM_AddPointInsideLimits)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddPointOutsideLimits)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
