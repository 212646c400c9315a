#include "DrawnChart.h"
#include "Pixels.h"
#include "RecordingSurface.h"
#include "classic/ChartRanges.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>
#include <sstream>

namespace {

constexpr double kDenormal = std::numeric_limits<double>::denorm_min();

// A chart over the given ranges on a picture of `client`, which it keeps for drawing.
struct Chart : CCurveChart {
    RECT client;
};

std::unique_ptr<Chart> chartOf(RECT client, double xMin, double xMax, double yMin, double yMax) {
    auto c = std::make_unique<Chart>();
    c->Clear();
    c->client = client;
    c->xTitle = "Z'";
    c->yTitle = "-Z\"";
    c->zTitle = "Fitting";
    c->xMin = xMin;
    c->xMax = xMax;
    c->yMin = yMin;
    c->yMax = yMax;
    c->ShowZeroLine(true);
    return c;
}

std::unique_ptr<Chart> standardChart() {
    return chartOf({0, 0, 534, 392}, 0.0, 10.0, 0.0, 1.1);
}

std::vector<std::string> draw(const Chart& c, RenderResult* drawn = nullptr) {
    RecordingSurface s;
    const RenderResult r = DrawOn(c, s, c.client);
    if (drawn != nullptr)
        *drawn = r;
    return s.ops;
}

std::string joined(const std::vector<std::string>& ops) {
    std::string all;
    for (const auto& op : ops)
        all += op + "\n";
    return all;
}

// The operations starting with `prefix`, in order.
std::vector<std::string> only(const std::vector<std::string>& ops, const std::string& prefix) {
    std::vector<std::string> out;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(out),
                 [&](const std::string& op) { return op.rfind(prefix, 0) == 0; });
    return out;
}

// The texts written between two SetTextColor lines naming `color`.
std::vector<std::string> textsIn(const std::vector<std::string>& ops, const std::string& color) {
    std::vector<std::string> out;
    bool inColor = false;
    for (const auto& op : ops) {
        if (op.rfind("SetTextColor ", 0) == 0)
            inColor = op == "SetTextColor " + color;
        else if (inColor && op.rfind("TextOut ", 0) == 0)
            out.push_back(op.substr(op.find(' ', op.find(' ', 8) + 1) + 1));
    }
    return out;
}

TEST(ChartRendering, EmptyStandardChartDrawsFrameTicksLabelsTitlesGridAndZeroLine) {
    auto c = standardChart();
    RenderResult drawn;
    const auto ops = draw(*c, &drawn);
    EXPECT_EQ("\n" + joined(ops), R"(
Rectangle 0 0 534 392
SelectPen solid 1 255,0,0
MoveTo 70 10
LineTo 70 360
LineTo 460 360
LineTo 460 10
LineTo 70 10
MoveTo 70 356
LineTo 70 360
MoveTo 109 356
LineTo 109 360
MoveTo 148 356
LineTo 148 360
MoveTo 187 356
LineTo 187 360
MoveTo 226 356
LineTo 226 360
MoveTo 265 356
LineTo 265 360
MoveTo 304 356
LineTo 304 360
MoveTo 343 356
LineTo 343 360
MoveTo 382 356
LineTo 382 360
MoveTo 421 356
LineTo 421 360
SetTextColor 0,0,0
TextOut 100 363 1.0
TextOut 139 363 2.0
TextOut 178 363 3.0
TextOut 217 363 4.0
TextOut 256 363 5.0
TextOut 295 363 6.0
TextOut 334 363 7.0
TextOut 373 363 8.0
TextOut 412 363 9.0
TextOut 448 363 10.0
MoveTo 70 360
LineTo 74 360
MoveTo 70 325
LineTo 74 325
MoveTo 70 290
LineTo 74 290
MoveTo 70 255
LineTo 74 255
MoveTo 70 220
LineTo 74 220
MoveTo 70 185
LineTo 74 185
MoveTo 70 150
LineTo 74 150
MoveTo 70 115
LineTo 74 115
MoveTo 70 80
LineTo 74 80
MoveTo 70 45
LineTo 74 45
MoveTo 70 10
LineTo 74 10
SetTextColor 0,0,255
TextOut 45 354 0.00
TextOut 45 319 0.11
TextOut 45 284 0.22
TextOut 45 249 0.33
TextOut 45 214 0.44
TextOut 45 179 0.55
TextOut 45 144 0.66
TextOut 45 109 0.77
TextOut 45 74 0.88
TextOut 45 39 0.99
TextOut 45 4 1.10
SetTextColor 0,0,0
TextOut 259 376 Z'
SelectFont Arial 0 900
SetTextColor 0,0,255
TextOut 10 194 -Z"
SelectPen dot 1 0,255,0
MoveTo 70 290
LineTo 460 290
MoveTo 70 220
LineTo 460 220
MoveTo 70 150
LineTo 460 150
MoveTo 70 80
LineTo 460 80
SelectPen solid 1 255,0,0
MoveTo 70 360
LineTo 460 360
SelectPen solid 1 0,0,0
SelectFont System 0 0
SetTextColor 0,0,0
)");
    EXPECT_EQ(drawn.frame, (RectF{70, 10, 460, 360}));
    EXPECT_NEAR(drawn.x.ToPixel(10.0), 460, 1e-9);
    EXPECT_NEAR(drawn.y.ToPixel(1.1), 10, 1e-9);
}

TEST(ChartRendering, LabelsUseTwoDecimalsBelowAStepOfOne) {
    struct Case {
        double min, max;
        std::vector<std::string> labels;
    };
    const Case cases[] = {
        {0.0,
         1.1,
         {"0.00", "0.11", "0.22", "0.33", "0.44", "0.55", "0.66", "0.77", "0.88", "0.99", "1.10"}},
        {0.0, 10.0, {"0.0", "1.0", "2.0", "3.0", "4.0", "5.0", "6.0", "7.0", "8.0", "9.0", "10.0"}},
        {-5.0,
         5.0,
         {"-5.0", "-4.0", "-3.0", "-2.0", "-1.0", "0.0", "1.0", "2.0", "3.0", "4.0", "5.0"}},
        {-1.0,
         8.0,
         {"-1.00", "-0.10", "0.80", "1.70", "2.60", "3.50", "4.40", "5.30", "6.20", "7.10",
          "8.00"}},
        // A range of zero width never divides: every label shows the minimum.
        {2.5, 2.5, std::vector<std::string>(11, "2.50")},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(::testing::Message() << tc.min << ".." << tc.max);
        auto onX = chartOf({0, 0, 534, 392}, tc.min, tc.max, 0.0, 1.1);
        auto xLabels = textsIn(draw(*onX), "0,0,0");
        xLabels.pop_back(); // the X title
        // The first gives way to the lowest Y label, which reaches into its row at the corner.
        EXPECT_EQ(xLabels, std::vector(tc.labels.begin() + 1, tc.labels.end()));
        auto onY = chartOf({0, 0, 534, 392}, 0.0, 10.0, tc.min, tc.max);
        auto yLabels = textsIn(draw(*onY), "0,0,255");
        yLabels.pop_back(); // the Y title
        EXPECT_EQ(yLabels, tc.labels);
    }
}

TEST(ChartRendering, TitlesCarryThePowerOfTen) {
    struct Case {
        int exponent;
        std::string xTitle, yTitle;
    };
    const Case cases[] = {{-1, "TextOut 241 376 Z'x10^-3", "TextOut 10 212 -Z\"x10^-3"},
                          {2, "TextOut 244 376 Z'x10^6", "TextOut 10 209 -Z\"x10^6"},
                          {0, "TextOut 259 376 Z'", "TextOut 10 194 -Z\""}};
    for (const auto& tc : cases) {
        auto c = standardChart();
        c->xExp = tc.exponent;
        c->yExp = tc.exponent;
        const auto texts = only(draw(*c), "TextOut");
        EXPECT_NE(std::find(texts.begin(), texts.end(), tc.xTitle), texts.end()) << tc.exponent;
        EXPECT_NE(std::find(texts.begin(), texts.end(), tc.yTitle), texts.end()) << tc.exponent;
    }
}

TEST(ChartRendering, DotsLandWhereTheMappingPutsThem) {
    auto c = standardChart();
    c->xExp = -1; // raw values in thousandths
    struct Point {
        double x, y;
        const char* ellipse; // empty: left out
    };
    const Point points[] = {
        {0.0, 0.0, "Ellipse 69 359 71 361"},         // bottom-left corner
        {0.01, 1.1, "Ellipse 459 9 461 11"},         // top-right corner
        {0.005, 0.55, "Ellipse 264 184 266 186"},    // the middle
        {-0.00001, -0.001, "Ellipse 69 359 71 361"}, // under a pixel outside: on the edge
        {-0.001, -0.11, "Ellipse 30 394 32 396"},    // further out: outside the frame
        {kNaN, 0.5, ""},                             // not a number: left out
        {0.005, kNaN, ""},
        {1e300, 1e300, "Ellipse 16777285 -16776857 16777287 -16776855"}, // clamped far away
    };
    for (const auto& p : points)
        PutPoints(*c, {{p.x, p.y}});
    std::vector<std::string> expected;
    for (const auto& p : points)
        if (*p.ellipse)
            expected.push_back(p.ellipse);
    const auto ops = draw(*c);
    EXPECT_EQ(only(ops, "Ellipse"), expected);
    // Dots come after the grid and before the zero line.
    const auto firstDot = std::find(ops.begin(), ops.end(), expected.front());
    EXPECT_EQ(*(firstDot - 1), "SelectPen dot 3 0,0,255");
    EXPECT_EQ(ops.end() - firstDot, static_cast<long>(expected.size()) + 6);
}

TEST(ChartRendering, AxisOfZeroWidthOrInfiniteValuesLeavesItsDotsOut) {
    struct Case {
        const char* name;
        double xMin, xMax, yMin, yMax, x, y;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {"X of zero width", 5, 5, 0, 1.1, 5, 0.5},
        {"Y of zero width", 0, 10, 1, 1, 5, 1},
        {"both of zero width", 5, 5, 1, 1, 5, 1},
        {"infinite x", 0, 10, 0, 1.1, inf, 0.5},
        {"infinite y", 0, 10, 0, 1.1, 5, -inf},
        {"infinite range and value", 0, inf, 0, 1.1, inf, 0.5},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        auto c = chartOf({0, 0, 534, 392}, tc.xMin, tc.xMax, tc.yMin, tc.yMax);
        PutPoints(*c, {{tc.x, tc.y}});
        EXPECT_TRUE(only(draw(*c), "Ellipse").empty());
    }
}

TEST(ChartRendering, ZeroLineFollowsTheYRangeWhereverItFalls) {
    struct Case {
        double yMin, yMax;
        int y; // 0: no zero line
    };
    const Case cases[] = {
        {0.0, 1.1, 360},    // on the frame's bottom edge
        {-1.0, 1.0, 185},   // inside
        {0.5, 1.5, 535},    // below the frame
        {-2.0, -1.0, -340}, // above it
        {1.0, 1.0, 0},      // zero width: left out
        {kNaN, 1.0, 0},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(::testing::Message() << tc.yMin << ".." << tc.yMax);
        auto c = chartOf({0, 0, 534, 392}, 0.0, 10.0, tc.yMin, tc.yMax);
        const auto ops = draw(*c);
        // Pen, font and text colour are put back last.
        const std::vector<std::string> tail(ops.end() - 6, ops.end() - 3);
        if (tc.y == 0) {
            EXPECT_EQ(ops[ops.size() - 4], "LineTo 460 80") << "the grid ends the picture";
        } else {
            EXPECT_EQ(tail, (std::vector<std::string>{"SelectPen solid 1 255,0,0",
                                                      "MoveTo 70 " + std::to_string(tc.y),
                                                      "LineTo 460 " + std::to_string(tc.y)}));
        }
        c->ShowZeroLine(false);
        EXPECT_EQ(draw(*c).size(), ops.size() - (tc.y ? 3 : 0));
    }
}

TEST(ChartRendering, ZAxisAddsTicksLabelsTitleAndADotAfterEachYDot) {
    auto c = standardChart();
    c->zMin = -5;
    c->zMax = 5;
    PutPoints(*c, {{5.0, 0.55}});
    EXPECT_TRUE(only(draw(*c), "LineTo 456").empty()) << "no Z axis until shown";

    c->ShowZAxis(true);
    const auto ops = draw(*c);
    const auto reds = textsIn(ops, "255,0,0");
    EXPECT_EQ(reds.front(), "-5.0");
    EXPECT_EQ(reds.back(), "Fitting");
    EXPECT_EQ(reds.size(), 12u);
    const auto texts = only(ops, "TextOut");
    EXPECT_NE(std::find(texts.begin(), texts.end(), "TextOut 462 354 -5.0"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "TextOut 510 206 Fitting"), texts.end());
    const auto moves = only(ops, "LineTo 456");
    EXPECT_EQ(moves.size(), 11u); // Z ticks point inward from the right edge
    const auto dot = std::find(ops.begin(), ops.end(), "Ellipse 264 184 266 186");
    ASSERT_NE(dot, ops.end());
    EXPECT_EQ(std::vector<std::string>(dot + 1, dot + 4),
              (std::vector<std::string>{"SelectPen dot 3 255,0,0", "Ellipse 264 184 266 186",
                                        "SelectPen solid 1 255,0,0"}));
}

TEST(ChartRendering, NarrowAndLowControlsDrawWithoutFailing) {
    // Narrow: R <= L, so the tick spacing is raised to 1, no X tick; the labels would crowd
    // at L, a pixel apart, so all but the first give way, and that one to the lowest Y label.
    auto narrow = chartOf({0, 0, 140, 392}, 0.0, 10.0, 0.0, 1.1);
    RenderResult drawn;
    auto ops = draw(*narrow, &drawn);
    EXPECT_EQ(drawn.frame.right, 70);
    EXPECT_TRUE(only(ops, "MoveTo 70 356").empty()) << "no X tick";
    std::vector<std::string> xLabels;
    for (const std::string& op : only(ops, "TextOut"))
        if (op.find(" 363 ") != std::string::npos)
            xLabels.push_back(op);
    EXPECT_TRUE(xLabels.empty());
    // Low: a plot 100 pixels high puts one more Y tick in the margin at y = 0.
    auto low = chartOf({0, 0, 534, 140}, 0.0, 10.0, 0.0, 1.1);
    ops = draw(*low, &drawn);
    EXPECT_EQ(drawn.frame.height(), 100);
    const auto yTicks = only(ops, "LineTo 74 ");
    ASSERT_EQ(yTicks.size(), 13u);
    EXPECT_EQ(yTicks[11], "LineTo 74 0");
    EXPECT_EQ(yTicks[12], "LineTo 74 -10");
}

TEST(ChartRendering, LabelsThatWouldRunTogetherGiveWayEveryOtherOne) {
    // 48-pixel labels 39 pixels apart: every other one goes, and the rest stand clear.
    auto c = chartOf({0, 0, 534, 392}, 100000.0, 100010.0, 0.0, 1.1);
    std::vector<std::string> xLabels;
    for (const std::string& op : only(draw(*c), "TextOut"))
        if (op.find(" 363 ") != std::string::npos)
            xLabels.push_back(op);
    EXPECT_EQ(xLabels,
              (std::vector<std::string>{"TextOut 124 363 100002.0", "TextOut 202 363 100004.0",
                                        "TextOut 280 363 100006.0", "TextOut 358 363 100008.0",
                                        "TextOut 436 363 100010.0"}));
}

TEST(ChartRendering, DrawPutsBackPenFontAndTextColour) {
    auto c = standardChart();
    c->ShowZAxis(true);
    RecordingSurface s;
    s.pen = {PenStyle::Solid, 2, {1, 2, 3}};
    s.font = {"Mono", 9, 0};
    s.textColor = {4, 5, 6};
    const auto before = std::make_tuple(s.pen, s.font, s.textColor);
    DrawOn(*c, s);
    EXPECT_EQ(std::make_tuple(s.pen, s.font, s.textColor), before);
}

// Texts the chart writes, after the ranges are set as the reload sets them.
std::vector<std::string> labelsFor(AxisRange x, AxisRange y, bool equal, RecordingSurface& s) {
    auto chart = std::make_unique<CCurveChart>();
    chart->Init("Z'", "-Z\"", "Fitting", 0, 0, 0);
    PutPoints(*chart, {{x.min, y.min}, {x.max, y.max}});
    const PlotLayout layout = LayoutFor({0, 0, 534, 392}, false);
    SetChartRanges(*chart, x, y, false, PlotChoices{equal, {}}, layout);
    chart->AutoScale();
    DrawClassicChart(*chart, layout, s);
    std::vector<std::string> texts;
    for (const auto& op : s.ops)
        if (op.rfind("TextOut", 0) == 0)
            texts.push_back(op);
    return texts;
}

TEST(ChartRanges, NoLabelShowsNanOrInfAndDotsStayOnTheSurface) {
    const struct {
        const char* name;
        AxisRange x, y;
    } cases[] = {
        {"smallest denormal, one point", {kDenormal, kDenormal}, {kDenormal, kDenormal}},
        {"denormals", {kDenormal, 4 * kDenormal}, {-kDenormal, 3 * kDenormal}},
        {"largest magnitudes", {-1.7e308, 1.7e308}, {-1.7e308, 1.7e308}},
        {"largest, one point", {1.7e308, 1.7e308}, {-1.7e308, -1.7e308}},
        {"1e-15 wide at 1", {1, 1 + 1e-15}, {1, 1 + 1e-15}},
    };
    for (bool equal : {false, true}) {
        for (const auto& tc : cases) {
            SCOPED_TRACE(std::string(tc.name) + (equal ? ", equal scales" : ""));
            RecordingSurface s;
            const auto texts = labelsFor(tc.x, tc.y, equal, s);
            ASSERT_GE(texts.size(), 23u);
            for (const auto& t : texts) {
                EXPECT_EQ(t.find("nan"), std::string::npos) << t;
                EXPECT_EQ(t.find("inf"), std::string::npos) << t;
            }
            int dots = 0;
            for (const auto& op : s.ops) {
                int l, t, r, b;
                if (std::sscanf(op.c_str(), "Ellipse %d %d %d %d", &l, &t, &r, &b) == 4) {
                    ++dots;
                    EXPECT_TRUE(l >= 60 && r <= 470 && t >= 0 && b <= 370) << op;
                }
            }
            EXPECT_EQ(dots, 2);
        }
    }
}

} // namespace
