#include "chart/Render.h"
#include "classic/ChartSetup.h"
#include "classic/ClassicChartImage.h"
#include "classic/CurveChart.h"
#include "classic/EllipseStamp.h"
#include "model/SeriesBuilder.h"
#include "platform/ChartPicture.h"

#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

// A full chart redrawn into a 534 x 392 picture, against the plain way of drawing its
// 10,000 dots: one QPainter::drawEllipse each, with the same pen; and the same points drawn
// as a Bode diagram (two series on log axes) against that Nyquist redraw.
namespace {

constexpr int kPoints = CHART_CAPACITY;

double arcX(int i) {
    return 10.0 + 50.0 * (1.0 - std::cos(i * 3.14159 / kPoints));
}
double arcY(int i) {
    return 40.0 * std::sin(i * 3.14159 / kPoints);
}

void fillArc(CCurveChart& chart) {
    for (int i = 0; i < kPoints; ++i) {
        chart.tData[i] = i;
        chart.xData[i] = arcX(i);
        chart.yData[i] = arcY(i);
    }
    chart.count = kPoints;
}

void redrawRepeatedly(benchmark::State& state, CCurveChart& chart, QSize size = {534, 392}) {
    chart.AutoScale();
    for (auto _ : state)
        benchmark::DoNotOptimize(ClassicChartImage(chart, ClassicLayout(chart, size)));
}

void BM_RedrawFullChart(benchmark::State& state) {
    auto chart = std::make_unique<CCurveChart>();
    chart->Init("Z'", "-Z\"", "Fitting", 0, 0, 0);
    chart->ShowZeroLine(true);
    fillArc(*chart);
    chart->SetXRange(10.0, 110.0);
    chart->SetYRange(0.0, 40.0);
    redrawRepeatedly(state, *chart);
}

// The arc's points as a Bode diagram sees them, frequencies falling over seven decades.
void BM_RedrawFullBodeChart(benchmark::State& state) {
    auto chart = std::make_unique<CCurveChart>();
    chart->Init("", "", "", 0, 0, 0);
    ShowAs(*chart, Diagram::Bode);
    for (int i = 0; i < kPoints; ++i) {
        chart->tData[i] = i;
        chart->xData[i] = std::pow(10.0, 5.0 - 7.0 * i / kPoints);
        chart->yData[i] = std::hypot(arcX(i), arcY(i));
        chart->zData[i] = std::atan2(arcY(i), arcX(i)) * 180.0 / 3.14159;
    }
    chart->count = kPoints;
    chart->SetXRange(1e-2, 1e5);
    chart->SetYRange(10.0, 1000.0);
    chart->SetZRange(0.0, 50.0);
    redrawRepeatedly(state, *chart);
}

void BM_QPainterEllipseLoop(benchmark::State& state) {
    QImage image(534, 392, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QPen pen = EllipseStamp::qtPen({PenStyle::Dot, 3, kBlue});
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setPen(pen);
        painter.setBrush(Qt::white);
        for (int i = 0; i < kPoints; ++i) {
            const int px = 70 + static_cast<int>((arcX(i) - 10.0) * 3.9);
            const int py = 360 - static_cast<int>(arcY(i) * 8.75);
            painter.drawEllipse(QRectF(px - 1, py - 1, 2, 2));
        }
    }
}

// The same arc as the modern look draws it, in a picture of state.range(0) x range(1), drawn
// as `series` copies of it; with `overCanvas` over the picture before, as the window redraws.
void modernRedraw(benchmark::State& state, int series, bool overCanvas = false) {
    SeriesBuilder builder;
    for (int i = 0; i < kPoints; ++i)
        builder.Add(
            {double(i), std::pow(10.0, 5.0 - 7.0 * i / kPoints), arcX(i), arcY(i), i + 1, 1});
    const SeriesSnapshot arc = builder.Make();
    ChartModel model;
    model.x = {10.0, 110.0, false, true, "Z\u2032", "\u03a9", kBlack};
    model.y = {0.0, 40.0, false, true, "\u2212Z\u2033", "\u03a9", kBlack};
    model.zeroLine = true;
    for (int s = 0; s < series; ++s)
        model.series.push_back({arc, Quantity::ZReal, Quantity::MinusZImag, false, kOkabeBlue});
    const QSize size(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    QImage canvas;
    for (auto _ : state) {
        QImage image = ChartImage([&](Painter& p, double w, double h) { Render(model, w, h, p); },
                                  size, kScreenDpi, 1, std::move(canvas));
        benchmark::DoNotOptimize(image.constBits());
        if (overCanvas)
            canvas = std::move(image);
    }
}

void BM_RedrawModern(benchmark::State& state) {
    modernRedraw(state, 1);
}

// The window's redraw at one size, over the picture it drew before.
void BM_RedrawModernOverCanvas(benchmark::State& state) {
    modernRedraw(state, 1, true);
}

// Several copies, as an overlay of files draws them.
void BM_RedrawModernSeries(benchmark::State& state) {
    modernRedraw(state, static_cast<int>(state.range(2)));
}

// The classic redraw at the same sizes, the baseline of the modern one.
void BM_RedrawClassicAtSize(benchmark::State& state) {
    auto chart = std::make_unique<CCurveChart>();
    chart->Init("Z'", "-Z\"", "Fitting", 0, 0, 0);
    chart->ShowZeroLine(true);
    chart->scaleLayoutWithSize = true;
    fillArc(*chart);
    chart->SetXRange(10.0, 110.0);
    chart->SetYRange(0.0, 40.0);
    redrawRepeatedly(state, *chart,
                     {static_cast<int>(state.range(0)), static_cast<int>(state.range(1))});
}

} // namespace

BENCHMARK(BM_RedrawClassicAtSize)
    ->Args({534, 392})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawModern)->Args({534, 392})->Args({1920, 1080})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawModernOverCanvas)
    ->Args({534, 392})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawModernSeries)
    ->Args({534, 392, 10})
    ->Args({1920, 1080, 10})
    ->Args({1920, 1080, 20})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QPainterEllipseLoop)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawFullChart)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RedrawFullBodeChart)->Unit(benchmark::kMillisecond);
