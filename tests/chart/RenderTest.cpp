#include "chart/Render.h"
#include "ReadableChart.h"
#include "model/SeriesBuilder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

TEST(Render, LabelsStayInsideApartAndOnTheirTicksAtAnySize) {
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int round = 0; round < 400; ++round) {
        const double span = std::pow(10.0, -9 + 21 * unit(random));
        const double offset = (unit(random) - 0.5) * span * std::pow(10.0, 3 * unit(random));
        const double w = 200 + 3800 * unit(random), h = 150 + 2850 * unit(random);
        ChartModel m;
        m.x = {offset, offset + span, false, true, "Z\u2032", "\u03a9", kBlack};
        m.y = {-offset, -offset + span * (0.1 + unit(random)), false, true, "x", "\u03a9", kBlack};
        if (round % 3 == 0) {
            m.x = {std::pow(10.0, -3 + 3 * unit(random)), 0, true, true, "f", "Hz", kBlack};
            m.x.max = m.x.min * std::pow(10.0, 0.3 + 8 * unit(random));
        }
        m.equalScales = round % 5 == 1;
        m.fontPt = round % 4 == 2 ? 6 + 10 * unit(random) : 9;
        m.dpi = round % 7 == 3 ? 300 : 96;
        BoxPainter p;
        const RenderResult r = Render(m, w, h, p);
        SCOPED_TRACE(round);
        ExpectReadable(p, r, w, h, m.fontPt * m.dpi / 72);
        EXPECT_GE(p.texts.size(), 4u) << "both axes labelled at " << w << "x" << h;
    }
}

TEST(Render, PadsTheDataClipsTheDotsAndMapsBothWays) {
    SeriesBuilder builder;
    for (int i = 0; i <= 10; ++i)
        builder.Add({double(i), 1.0, 100.0 + i, double(i), i + 1, 1});
    const SeriesSnapshot series = builder.Make();
    ChartModel m;
    m.x = {100, 110, false, true, "Z\u2032", "\u03a9", kBlack};
    m.y = {0, 10, false, true, "\u2212Z\u2033", "\u03a9", kBlack};
    m.series.push_back({series, Quantity::ZReal, Quantity::MinusZImag, false, kOkabeBlue});
    BoxPainter p;
    RenderResult r = Render(m, 534, 392, p);
    ASSERT_EQ(r.dots.size(), 11u);
    const double padX = 0.04 * r.frame.width(), padY = 0.04 * r.frame.height();
    EXPECT_NEAR(r.dots.front().at.x, r.frame.left + padX, 1e-6);
    EXPECT_NEAR(r.dots.front().at.y, r.frame.bottom - padY, 1e-6);
    EXPECT_NEAR(r.dots.back().at.x, r.frame.right - padX, 1e-6);
    EXPECT_NEAR(r.x.ToValue(r.x.ToPixel(104.5)), 104.5, 1e-9);
    // A chosen view spans the frame edge to edge: the dots beyond it are not drawn.
    m.x = {105, 110, false, false, "Z\u2032", "\u03a9", kBlack};
    r = Render(m, 534, 392, p);
    EXPECT_EQ(r.dots.size(), 6u);
    EXPECT_DOUBLE_EQ(r.dots.front().at.x, r.frame.left);
    // Equal scales: one ohm as many pixels across as up.
    m.x.pad = true;
    m.equalScales = true;
    r = Render(m, 534, 392, p);
    EXPECT_NEAR((r.x.toPx - r.x.fromPx) / (r.x.max - r.x.min),
                (r.y.fromPx - r.y.toPx) / (r.y.max - r.y.min), 1e-6);
}

TEST(AxisMapping, LogAxesMapPixelsAndValuesBothWays) {
    struct Case {
        double min, max, fromPx, toPx;
    };
    const Case cases[] = {
        {1e-3, 1e5, 70, 520},       // across, as the frequency
        {1, 10, 380, 20},           // upward, as |Z|
        {0.5, 0.5000001, 0, 500},   // zoomed far in
        {1e-300, 1e300, 0, 1000},   // zoomed far out
        {5e-324, 1.7e308, 3000, 0}, // every positive double
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.min);
        const AxisMapping m{c.min, c.max, true, c.fromPx, c.toPx};
        EXPECT_NEAR(m.ToPixel(c.min), c.fromPx, 1e-6);
        EXPECT_NEAR(m.ToPixel(c.max), c.toPx, 1e-6);
        for (int i = 0; i <= 100; ++i) {
            const double px = c.fromPx + (c.toPx - c.fromPx) * i / 100;
            const double value = m.ToValue(px);
            ASSERT_GT(value, 0) << px;
            EXPECT_NEAR(m.ToPixel(value), px, 1e-6) << px;
            EXPECT_NEAR(m.ToValue(m.ToPixel(value)) / value, 1, 1e-12) << px;
        }
        EXPECT_TRUE(std::isnan(m.ToPixel(0)) && std::isnan(m.ToPixel(-1))) << "no place";
    }
}

} // namespace
