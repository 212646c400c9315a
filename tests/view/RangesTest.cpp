#include "chart/RangeAdjustment.h"
#include "view/ViewNavigation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

// Found by argument lookup, so outside the unnamed namespace.
std::ostream& operator<<(std::ostream& out, const AxisRange& r) {
    return out << "[" << r.min << ", " << r.max << "]";
}

namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kDenormal = std::numeric_limits<double>::denorm_min();

TEST(RangeAdjustment, DegenerateRangesAreWidenedAboutTheirValue) {
    const struct {
        AxisRange in, out;
    } cases[] = {
        {{2, 2}, {1, 3}},
        {{-3, -3}, {-4.5, -1.5}},
        {{0, 0}, {-1, 1}},
        {{1.7e308, 1.7e308}, {0.85e308, kMax}},
        {{-1.7e308, -1.7e308}, {-kMax, -0.85e308}},
        {{kDenormal, kDenormal}, {0, 2 * kDenormal}},
        {{1, 2}, {1, 2}},           // proper: unchanged
        {{1e9, -1e9}, {1e9, -1e9}}, // no data: still refused by the chart
        {{-kInf, kInf}, {-kMax, kMax}},
    };
    for (const auto& tc : cases)
        EXPECT_EQ(WidenDegenerate(tc.in), tc.out) << tc.in;
}

TEST(RangeAdjustment, EqualScalesWidenTheAxisThatNeedsItAboutItsCentre) {
    const struct {
        AxisRange x, y;
        int w, h;
        bool keepYStart;
        AxisRange xOut, yOut;
    } cases[] = {
        {{0, 100},
         {0, 50},
         390,
         350,
         false,
         {0, 100},
         {25 - 350 * 50.0 / 390, 25 + 350 * 50.0 / 390}},
        {{0, 100}, {0, 50}, 390, 350, true, {0, 100}, {0, 700 * 50.0 / 390}},
        {{0, 10},
         {0, 100},
         390,
         350,
         false,
         {5 - 390 * 50.0 / 350, 5 + 390 * 50.0 / 350},
         {0, 100}},
        {{0, 390}, {0, 350}, 390, 350, false, {0, 390}, {0, 350}},
        {{0, 1}, {0, 1}, 0, 350, false, {0, 1}, {0, 1}}, // no frame: unchanged
        {{-1.7e308, 1.7e308},
         {0, 1},
         390,
         350,
         false,
         {-1.7e308, 1.7e308},
         {-1.7e308 / 390 * 350, 1.7e308 / 390 * 350}},
    };
    for (const auto& tc : cases) {
        AxisRange x = tc.x, y = tc.y;
        EqualiseScales(x, y, tc.w, tc.h, tc.keepYStart);
        EXPECT_DOUBLE_EQ(x.min, tc.xOut.min) << tc.x << tc.y;
        EXPECT_DOUBLE_EQ(x.max, tc.xOut.max) << tc.x << tc.y;
        EXPECT_DOUBLE_EQ(y.min, tc.yOut.min) << tc.x << tc.y;
        EXPECT_DOUBLE_EQ(y.max, tc.yOut.max) << tc.x << tc.y;
    }
}

TEST(ViewNavigation, ZoomKeepsTheValueUnderThePointerAndPanFollowsTheDrag) {
    const PixelFrame frame{70, 10, 460, 360};
    const PlotView view{{0, 390}, {0, 350}};
    const PlotView in = ZoomedAbout(view, frame, {109, 325}, 2.0); // over (39, 35)
    EXPECT_DOUBLE_EQ(in.x.min, 19.5);
    EXPECT_DOUBLE_EQ(in.x.max, 214.5);
    EXPECT_DOUBLE_EQ(in.y.min, 17.5);
    EXPECT_DOUBLE_EQ(in.y.max, 192.5);
    EXPECT_EQ(ZoomedAbout(in, frame, {109, 325}, 0.5), view);

    const PlotView moved = Panned(view, frame, 39, -35); // right and up
    EXPECT_EQ(moved, (PlotView{{-39, 351}, {-35, 315}}));

    // Beyond the precision of the doubles, or beyond their range, the view stays.
    const PlotView tiny{{1, 1 + 4e-12}, {0, 1}};
    EXPECT_EQ(ZoomedAbout(tiny, frame, {200, 200}, 1e6), tiny);
    const PlotView huge{{-1e308, 1e308}, {0, 1}};
    EXPECT_EQ(ZoomedAbout(huge, frame, {200, 200}, 1e-3), huge);
}

} // namespace
