#include "chart/CurveChart.h"
#include "model/SeriesBuilder.h"
#include "tests/chart/RecordingSurface.h"
#include "view/DotIndex.h"
#include "view/PlotReadout.h"
#include "view/ReadoutText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <memory>
#include <random>

namespace {

TEST(ReadoutText, FrequenciesTakeThreeDigitsAndAnEngineeringPrefix) {
    const struct {
        double v;
        const char* text;
    } cases[] = {
        {12589.25, "12.6 kHz"}, {0.398107, "398 mHz"}, {1.0, "1.00 Hz"},
        {999.7, "1.00 kHz"},    {100000, "100 kHz"},   {1e-6, "1.00 \u00b5Hz"},
        {-2500, "-2.50 kHz"},   {0, "0 Hz"},           {1e30, "1.00e+30 Hz"},
    };
    for (const auto& tc : cases)
        EXPECT_EQ(WithPrefix(tc.v, "Hz"), tc.text) << tc.v;
}

TEST(ReadoutText, ADotReadsOutItsValuesAsReadAndOffADotTheFile) {
    // The program takes the user's locale, whose decimal comma, where one is installed, the
    // readout leaves aside.
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE"})
        if (std::setlocale(LC_ALL, name) != nullptr)
            break;
    EXPECT_EQ(DotReadout(12589.25, 3.0, 4.0, 17), "f = 12.6 kHz\n"
                                                  "Z' = 3 \u03a9\n"
                                                  "\u2212Z'' = 4 \u03a9\n"
                                                  "|Z| = 5 \u03a9\n"
                                                  "phase = -53.13\u00b0\n"
                                                  "line 17");
    EXPECT_NE(DotReadout(1, 20.00006, 0.0795774, 1).find("Z' = 20.00006 \u03a9"),
              std::string::npos);
    EXPECT_EQ(FileReadout("plain", 61), "format: plain\n61 points");
    EXPECT_EQ(FileReadout("plain", 1), "format: plain\n1 point");
    std::setlocale(LC_ALL, "C");
}

// The classic chart is filled from a series slot for slot, so both must keep the same points.
// A row of every 1000 has an infinite Z': it keeps its slot but moves no extent.
TEST(Series, ThinsAsTheChartDoes) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    for (int points : {1, 10000, 10001, 25000, 300000}) {
        SCOPED_TRACE(points);
        auto chart = std::make_unique<CCurveChart>();
        chart->Clear();
        SeriesBuilder builder;
        for (int i = 0; i < points; ++i) {
            chart->AddPoint(i, i, -i);
            builder.Add({static_cast<double>(i), 1000.0 + i, i % 1000 == 999 ? kInf : i,
                         static_cast<double>(-i), i + 1, 1});
        }
        const SeriesSnapshot series = builder.Make();
        ASSERT_EQ(series->points().size(), static_cast<size_t>(chart->count));
        for (int slot = 0; slot < chart->count; ++slot) {
            const Point& p = series->points()[static_cast<size_t>(slot)];
            ASSERT_EQ(p.t, chart->tData[slot]);
            ASSERT_EQ(p.line, p.t + 1);
            ASSERT_EQ(p.minusZImag, -p.t);
            if (std::isnan(p.zReal))
                ASSERT_EQ(static_cast<int>(p.t) % 1000, 999);
            else
                ASSERT_EQ(p.zReal, chart->xData[slot]);
        }
        EXPECT_EQ(series->measured(), points - points / 1000);
        const int highest = points - 1 - (points % 1000 == 0);
        EXPECT_EQ(series->zReal().high, highest) << "the extents span every row";
        EXPECT_EQ(series->minusZImag().low, -highest);
    }
}

// A chart with dots drawn at known places: 534 x 392, both axes over [0, 10].
std::unique_ptr<CCurveChart> drawnChart(const std::vector<std::pair<double, double>>& points) {
    auto chart = std::make_unique<CCurveChart>();
    chart->Clear();
    chart->clientRect = {0, 0, 534, 392};
    for (size_t i = 0; i < points.size(); ++i)
        chart->AddPoint(static_cast<double>(i), points[i].first, points[i].second);
    chart->SetXRange(0, 10);
    chart->SetYRange(0, 10);
    chart->AutoScale();
    RecordingSurface s;
    EXPECT_TRUE(chart->Draw(&s));
    return chart;
}

TEST(DotIndex, FindsTheNearestDotAsAScanWould) {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-1.0, 11.0);
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < 3000; ++i)
        points.emplace_back(value(random), value(random));
    auto chart = drawnChart(points);
    DotIndex index;
    index.Build(*chart);
    std::uniform_int_distribution<int> x(0, 533), y(0, 391); // where a pointer can be
    for (int probe = 0; probe < 2000; ++probe) {
        const PixelPoint p{x(random), y(random)};
        int best = -1;
        long long bestDistance = 17;
        for (int slot = 0; slot < chart->count; ++slot) {
            const auto at = chart->DotCentre(slot);
            if (!at)
                continue;
            const long long dx = at->x - p.x, dy = at->y - p.y;
            if (dx * dx + dy * dy <= bestDistance) {
                best = slot;
                bestDistance = dx * dx + dy * dy;
            }
        }
        ASSERT_EQ(index.Nearest(p, 4), best) << p.x << "," << p.y;
    }
}

TEST(PlotReadout, KeepsItsPictureWhenTheChartIsEmptiedAndTheLaterOfTwoEqualDotsWins) {
    auto chart = drawnChart({{5, 5}, {5, 5}, {2, 2}});
    SeriesBuilder builder;
    for (int i = 0; i < 3; ++i)
        builder.Add({static_cast<double>(i), 1.0, 1.0, 1.0, i + 1, 1});
    const SeriesSnapshot series = builder.Make();
    PlotReadout readout;
    EXPECT_EQ(readout.TextAt({0, 0}), "") << "nothing before a picture";
    readout.Build(*chart, series, "plain");
    chart->Clear();
    const auto centre = PixelPoint{70 + 195, 360 - 175};
    EXPECT_EQ(readout.index().Nearest(centre, PlotReadout::kReach), 1);
    EXPECT_EQ(readout.TextAt({10, 10}), "format: plain\n3 points");
}

} // namespace
