#include "classic/ClassicChartImage.h"
#include "classic/CurveChart.h"
#include "view/DotIndex.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <random>

// Finding the dot under the pointer among 10,000, against the baseline of one redraw of the
// same full chart: the lookup runs at every pointer rest, the redraw every 2 seconds.
namespace {

constexpr int kPoints = CHART_CAPACITY;
const QSize kSize(534, 392);

struct FullChart {
    FullChart() {
        chart->Init("Z'", "-Z\"", "Fitting", 0, 0, 0);
        chart->ShowZeroLine(true);
        for (int i = 0; i < kPoints; ++i) {
            const double a = i * 3.14159 / kPoints;
            chart->tData[i] = i;
            chart->xData[i] = 10.0 + 50.0 * (1.0 - std::cos(a));
            chart->yData[i] = 40.0 * std::sin(a);
        }
        chart->count = kPoints;
        chart->SetXRange(10.0, 110.0);
        chart->SetYRange(0.0, 40.0);
        chart->AutoScale();
        ClassicChartImage(*chart, layout, &drawn);
        for (size_t i = 0; i < drawn.dots.size(); ++i)
            dots.push_back(
                {{static_cast<int>(drawn.dots[i].at.x), static_cast<int>(drawn.dots[i].at.y)},
                 static_cast<int>(i)});
    }
    std::unique_ptr<CCurveChart> chart = std::make_unique<CCurveChart>();
    const PlotLayout layout = ClassicLayout(*chart, kSize);
    RenderResult drawn;
    std::vector<DotIndex::Dot> dots;
};

void BM_RedrawFullChart(benchmark::State& state) {
    FullChart full;
    for (auto _ : state)
        benchmark::DoNotOptimize(ClassicChartImage(*full.chart, full.layout));
}

void BM_FindDotAmong10000(benchmark::State& state) {
    FullChart full;
    DotIndex index;
    index.Build(full.dots, kSize.width(), kSize.height());
    std::mt19937 random(1);
    std::uniform_int_distribution<int> x(60, 470), y(0, 370);
    for (auto _ : state)
        benchmark::DoNotOptimize(index.Nearest({x(random), y(random)}, 4));
}

void BM_IndexBuild(benchmark::State& state) {
    FullChart full;
    DotIndex index;
    for (auto _ : state) {
        index.Build(full.dots, kSize.width(), kSize.height());
        benchmark::ClobberMemory();
    }
}

} // namespace

BENCHMARK(BM_RedrawFullChart)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FindDotAmong10000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_IndexBuild)->Unit(benchmark::kMicrosecond);
