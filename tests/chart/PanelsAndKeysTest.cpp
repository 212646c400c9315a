#include "ReadableChart.h"
#include "chart/AxisTicks.h"
#include "chart/ClippedPath.h"
#include "chart/PanelBelow.h"
#include "chart/SweepColours.h"
#include "chart/SweepKeyEntries.h"
#include "model/SeriesBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

size_t count(const BoxPainter& p, const std::string& text) {
    return std::count_if(p.texts.begin(), p.texts.end(),
                         [&](const BoxPainter::Box& b) { return b.text == text; });
}

// |Z| above −φ, the residuals under both when asked: the frames stack without overlap, share
// their sides, and the frequencies are labelled under the lowest frame that shows them only.
TEST(Panels, StackWithSharedSidesAndTheFrequencyLabelledOnce) {
    for (const auto& [height, residuals] : {std::pair(392.0, false), {900, false}, {392, true}}) {
        SCOPED_TRACE(testing::Message() << height << (residuals ? " with residuals" : ""));
        ChartModel m, phase, residual;
        m.x = phase.x = residual.x = {1e-2, 1e5, true, true, "f", "Hz", kBlack};
        m.x.labelled = false;
        m.y = {1, 1e4, true, true, "|Z|", "\u03a9", kBlack};
        phase.y = {-10, 80, false, true, "\u2212\u03c6", "\u00b0", kBlack};
        phase.belowShare = 0.5;
        residual.y = {-3, 3, false, true, "\u0394", "%", kBlack};
        AddPanelBelow(m, phase);
        if (residuals)
            AddPanelBelow(m, residual);
        BoxPainter p;
        const RenderResult r = Render(m, 534, height, p);
        ASSERT_TRUE(r.below);
        const RenderResult& lower = *r.below;
        EXPECT_LT(r.frame.bottom, lower.frame.top);
        EXPECT_DOUBLE_EQ(r.frame.left, lower.frame.left);
        EXPECT_DOUBLE_EQ(r.frame.right, lower.frame.right);
        EXPECT_EQ(count(p, "f / Hz"), residuals ? 2u : 1u);
        EXPECT_EQ(count(p, "|Z| / \u03a9"), 1u);
        ASSERT_EQ(bool(lower.below), residuals);
        const RectF& last = residuals ? lower.below->frame : lower.frame;
        EXPECT_LT(residuals ? lower.frame.bottom : r.frame.height(),
                  residuals ? last.top : 1.3 * lower.frame.height()); // about halves
        EXPECT_LE(last.bottom, height);
    }
}

// A log axis of under two decades labels the 2s and 5s as well, so ~1.4 decades get 4 labels
// even upright in half a window.
TEST(Panels, ShortLogAxesGetAtLeastFourLabels) {
    const LabelLength upright = [](const TextRun&) { return 14.0; };
    for (const double low : {1e-3, 0.7, 1.0, 3.0, 40.0, 2e3})
        for (const double length : {120.0, 200.0, 600.0}) {
            const AxisTicks axis = LogTicks(low, low * std::pow(10.0, 1.4), length, upright, 4);
            const auto labels = std::count_if(axis.ticks.begin(), axis.ticks.end(),
                                              [](const Tick& t) { return !t.label.empty(); });
            EXPECT_GE(labels, 4) << low << " over " << length << " px";
        }
}

// |Z| takes the SI prefix of a Nyquist axis, the frequency keeps its hertz, and every grid line
// has its label beside it.
TEST(Panels, LogAxisWithPrefixNamesItAndLabelsEveryGridLine) {
    const struct {
        double min, max, height;
        std::string title;
    } cases[] = {{2e-3, 5e-2, 392, "|Z| / m\u03a9"},
                 {17, 340, 200, "|Z| / \u03a9"},
                 {17, 340, 260, "|Z| / \u03a9"},
                 {2e3, 5e5, 700, "|Z| / k\u03a9"},
                 {3e6, 9e7, 392, "|Z| / M\u03a9"}};
    for (const auto& c : cases) {
        ChartModel m;
        m.x = {1, 1e5, true, true, "f", "Hz", kBlack};
        m.y = {c.min, c.max, true, true, "|Z|", "\u03a9", kBlack, true};
        BoxPainter p;
        const RenderResult r = Render(m, 534, c.height, p);
        EXPECT_EQ(count(p, c.title) + count(p, "f / Hz"), 2u) << c.min;
        ExpectReadable(p, r, 534, c.height, 12);
        const auto across = std::count_if(p.lines.begin(), p.lines.end(), [&](const auto& line) {
            return line.first.x == r.frame.left && line.second.x == r.frame.right;
        });
        const auto labels = std::count_if(p.texts.begin(), p.texts.end(), [&](const auto& text) {
            return text.at.right < r.frame.left && text.text.find('/') == std::string::npos;
        });
        EXPECT_EQ(across, labels) << c.min << " at " << c.height;
    }
}

TEST(SweepKeyEntries, OneEachUpToTenSweeps) {
    const struct {
        SweepKey key;
        std::vector<std::string> names;
    } cases[] = {
        {{1, 1, 1}, {}},
        {{3, 3, 7}, {}}, // one sweep of several: "sweep 3 of 7"
        {{1, 4, 4}, {"sweep 1", "sweep 2", "sweep 3", "sweep 4"}},
        {{3, 7, 7, " \u2717 5, 7", {}, {5, 7}},
         {"sweep 3", "sweep 4", "sweep 5 \u2717", "sweep 6", "sweep 7 \u2717"}},
        {{1, 10, 10},
         {"sweep 1", "sweep 2", "sweep 3", "sweep 4", "sweep 5", "sweep 6", "sweep 7", "sweep 8",
          "sweep 9", "sweep 10"}},
        {{1, 11, 11}, {}}, // the bar
        {{1, 30, 30, "", {1, 30}}, {"sweep 1", "sweep 30"}},
    };
    for (const auto& c : cases) {
        const std::vector<LegendEntry> entries = SweepKeyEntries(c.key, false);
        std::vector<std::string> names;
        for (const LegendEntry& e : entries)
            names.push_back(e.name + e.mark);
        EXPECT_EQ(names, c.names) << c.key.first << "-" << c.key.last;
        if (entries.size() > 1) {
            EXPECT_EQ(entries.front().color, SweepColour(0, false));
            EXPECT_EQ(entries.back().color, SweepColour(1, false));
        }
    }
}

TEST(Render, MarkersAreSizedInPoints) {
    const struct {
        double pt, dpi, px;
    } cases[] = {{3, 96, 4},     {3, 300, 12.5},         {2, 96, 2.6666666666666665},
                 {4.5, 192, 12}, {0, 96, 0.5 * 96 / 72}, {1000, 72, 72}};
    SeriesBuilder builder;
    builder.Add({0, 1, 1, 1, 1, 1});
    builder.Add({1, 2, 2, 2, 2, 1});
    for (const auto& c : cases) {
        ChartModel m;
        m.series.push_back({builder.Make(), Quantity::ZReal, Quantity::MinusZImag, false, kBlack});
        m.x = {1, 2, false, true, "Z\u2032", "\u03a9", kBlack};
        m.y = m.x;
        m.markerPt = c.pt;
        m.dpi = c.dpi;
        BoxPainter p;
        Render(m, 534, 392, p);
        ASSERT_EQ(p.diameters.size(), 1u);
        EXPECT_DOUBLE_EQ(p.diameters.front(), c.px) << c.pt << " pt at " << c.dpi;
    }
}

TEST(ClippedPath, KeepsThePiecesWithinTheFrame) {
    const double nan = std::nan("");
    const RectF frame{0, 0, 10, 10};
    const struct {
        std::vector<PointF> path;
        std::vector<std::vector<PointF>> pieces;
    } cases[] = {
        {{{1, 1}, {2, 2}, {3, 1}}, {{{1, 1}, {2, 2}, {3, 1}}}},
        {{{-10, 5}, {20, 5}}, {{{0, 5}, {10, 5}}}},
        {{{5, 5}, {5, 1e6}, {6, 5}},
         {{{5, 5}, {5, 10}}, {{5 + (1e6 - 10) / (1e6 - 5), 10}, {6, 5}}}},
        {{{1, 1}, {nan, 2}, {3, 3}, {4, 4}}, {{{3, 3}, {4, 4}}}},
        {{{-1, -1}, {-2, 20}}, {}},
        {{{1, 1}}, {}},
    };
    for (const auto& c : cases) {
        const auto pieces = ClippedPath(c.path, frame);
        ASSERT_EQ(pieces.size(), c.pieces.size());
        for (size_t i = 0; i < pieces.size(); ++i) {
            ASSERT_EQ(pieces[i].size(), c.pieces[i].size());
            for (size_t k = 0; k < pieces[i].size(); ++k) {
                EXPECT_TRUE(frame.contains(pieces[i][k]));
                EXPECT_NEAR(pieces[i][k].x, c.pieces[i][k].x, 1e-9);
                EXPECT_NEAR(pieces[i][k].y, c.pieces[i][k].y, 1e-9);
            }
        }
    }
}

} // namespace
