#include "classic/QtDrawSurface.h"
#include "platform/ChartPicture.h"
#include "platform/QtPainter.h"

#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

// 10,000 antialiased markers through QtPainter on a full-HD image, against the classic
// surface's 10,000 dots of a 3-pixel pen (stamped pixels, no smoothing) in the same run.
namespace {

constexpr int kMarkers = 10000;
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

std::vector<PointF> arc() {
    std::vector<PointF> points;
    points.reserve(kMarkers);
    for (int i = 0; i < kMarkers; ++i) {
        const double t = i * 3.14159 / kMarkers;
        points.push_back({100.0 + 860.0 * (1.0 - std::cos(t)), 1000.0 - 900.0 * std::sin(t)});
    }
    return points;
}

void BM_QtDrawSurfaceDots(benchmark::State& state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QtDrawSurface surface(&image);
    surface.SelectPen({PenStyle::Dot, 3, kBlue});
    const std::vector<PointF> points = arc();
    for (auto _ : state) {
        for (const PointF& c : points) {
            const int x = static_cast<int>(c.x);
            const int y = static_cast<int>(c.y);
            surface.Ellipse(x - 1, y - 1, x + 1, y + 1);
        }
        benchmark::ClobberMemory();
    }
}

// The classic dot is a 2-pixel box under a 3-pixel pen: about 5 pixels across.
void BM_QtPainterMarkers(benchmark::State& state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    const std::vector<PointF> points = arc();
    for (auto _ : state) {
        QPainter painter(&image);
        QtPainter chart(painter);
        chart.Markers(points, 5.0, kBlue);
        benchmark::ClobberMemory();
    }
}

// The same markers as real antialiased ellipses, as a vector device gets them.
void BM_QPainterEllipses(benchmark::State& state) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    const std::vector<PointF> points = arc();
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 255));
        for (const PointF& c : points)
            painter.drawEllipse(QPointF(c.x, c.y), 2.5, 2.5);
    }
}

} // namespace

BENCHMARK(BM_QtDrawSurfaceDots)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QtPainterMarkers)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QPainterEllipses)->Unit(benchmark::kMillisecond);
