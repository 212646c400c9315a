#include "chart/CurveChart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

std::unique_ptr<CCurveChart> newChart() {
    return std::make_unique<CCurveChart>();
}

bool tailIsZero(const CCurveChart& c, int from) {
    for (int i = from; i < CHART_CAPACITY; ++i)
        if (c.tData[i] != 0.0 || c.xData[i] != 0.0 || c.yData[i] != 0.0 || c.zData[i] != 0.0)
            return false;
    return true;
}

TEST(ChartStorage, StartsEmptyAndZeroed) {
    auto c = newChart();
    EXPECT_EQ(c->clientRect, (RECT{0, 0, 0, 0}));
    EXPECT_EQ(c->count, 0);
    EXPECT_EQ(c->xMax, 0.0);
    EXPECT_EQ(c->lastError, 0);
    EXPECT_FALSE(c->showZAxis);
    EXPECT_TRUE(c->xTitle.empty());
    EXPECT_TRUE(tailIsZero(*c, 0));
}

TEST(ChartStorage, InitStoresTitlesClampsModesAndResetsData) {
    auto c = newChart();
    c->ShowZeroLine(true);
    c->AddPoint(3, 4, 5);
    c->xExp = 2;
    c->lastError = -1001;
    ASSERT_TRUE(c->Init("Z'", "-Z\"", "Fitting", -1, 5, 2));
    EXPECT_EQ(c->xTitle, "Z'");
    EXPECT_EQ(c->yTitle, "-Z\"");
    EXPECT_EQ(c->zTitle, "Fitting");
    EXPECT_EQ(c->xMode, 3);
    EXPECT_EQ(c->yMode, 3);
    EXPECT_EQ(c->zMode, 2);
    EXPECT_EQ(c->count, 0);
    EXPECT_TRUE(tailIsZero(*c, 0));
    EXPECT_EQ(c->xExp, 0);
    EXPECT_EQ(c->xMin, 0.0);
    EXPECT_EQ(c->zMax, 1.0);
    EXPECT_TRUE(c->showZeroLine);
    EXPECT_EQ(c->lastError, -1001);
}

TEST(ChartStorage, RangeSettersRefuseEmptyReversedAndNaNRanges) {
    struct Case {
        double min, max;
        bool taken;
    };
    const Case cases[] = {{0.0, 1.1, true},   {1.0, 1.0, false},  {2.0, 1.0, false},
                          {kNaN, 1.0, false}, {0.0, kNaN, false}, {-1e300, 1e300, true}};
    using Setter = bool (CCurveChart::*)(double, double);
    struct Axis {
        Setter set;
        double CCurveChart::*min;
        double CCurveChart::*max;
        int code;
    };
    const Axis axes[] = {{&CCurveChart::SetXRange, &CCurveChart::xMin, &CCurveChart::xMax, -1001},
                         {&CCurveChart::SetYRange, &CCurveChart::yMin, &CCurveChart::yMax, -1002},
                         {&CCurveChart::SetZRange, &CCurveChart::zMin, &CCurveChart::zMax, -1003}};
    for (const auto& axis : axes) {
        for (const auto& tc : cases) {
            SCOPED_TRACE(::testing::Message() << axis.code << " " << tc.min << ".." << tc.max);
            auto c = newChart();
            c->Clear();
            EXPECT_EQ(((*c).*axis.set)(tc.min, tc.max), tc.taken);
            EXPECT_EQ(c->lastError, tc.taken ? 0 : axis.code);
            EXPECT_EQ((*c).*axis.min, tc.taken ? tc.min : 0.0);
            EXPECT_EQ((*c).*axis.max, tc.taken ? tc.max : 1.0);
        }
    }
}

TEST(ChartStorage, AddPointRescalesOnlyForPointsOutsideTheLimits) {
    struct Case {
        const char* name;
        double x, y;
        bool rescales;
    };
    const Case cases[] = {
        {"on the upper limit", 1.0, 0.5, false},
        {"on the lower limit", 0.0, 0.0, false},
        {"right of X", 1.5, 0.5, true},
        {"left of X", -0.5, 0.5, true},
        {"above Y", 0.5, 1.5, true},
        {"NaN x", kNaN, 0.5, true},
        {"NaN y", 0.5, kNaN, true},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        auto c = newChart();
        c->Clear();
        // Mode 0 everywhere: a rescale shows only as the Z axis' [0, 1] turning into
        // display units of exponent 0, so mark Z with a limit AutoScale would divide.
        c->SetZRange(0.0, 2500.0);
        c->AddPoint(7.0, tc.x, tc.y);
        EXPECT_EQ(c->zMax == 2.5, tc.rescales);
        EXPECT_EQ(c->count, 1);
        EXPECT_EQ(c->tData[0], 7.0);
        EXPECT_EQ(c->zData[0], 0.0);
    }
}

TEST(ChartStorage, FullStoreThinsBeforeStoring) {
    auto c = newChart();
    c->Clear();
    for (int i = 0; i < CHART_CAPACITY; ++i)
        c->AddPoint(0.0, 0.5, 0.25);
    c->xData[0] = 0.75;
    c->AddPoint(0.0, 0.125, 0.5);
    // Equal t never exceeds the threshold: only slot 0 stays, the new point follows it.
    EXPECT_EQ(c->count, 2);
    EXPECT_EQ(c->xData[0], 0.75);
    EXPECT_EQ(c->xData[1], 0.125);
    EXPECT_EQ(c->yData[1], 0.5);
    EXPECT_TRUE(tailIsZero(*c, 2));
}

TEST(ChartStorage, ThinningARampKeeps7501PointsWithTheirValues) {
    auto c = newChart();
    c->Clear();
    for (int i = 0; i < CHART_CAPACITY; ++i) {
        c->tData[i] = i;
        c->xData[i] = 10.0 * i;
        c->yData[i] = -i;
        c->zData[i] = 0.5 * i;
    }
    c->count = CHART_CAPACITY;
    c->Thin();
    ASSERT_EQ(c->count, 7501);
    const double firstKept[] = {0, 2, 3, 4, 6, 7, 8, 10};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(c->tData[i], firstKept[i]) << i;
    EXPECT_EQ(c->tData[7498], 9997);
    EXPECT_EQ(c->tData[7499], 9998);
    EXPECT_EQ(c->tData[7500], 9999);
    for (int i = 0; i < 7501; ++i) {
        ASSERT_EQ(c->xData[i], 10.0 * c->tData[i]);
        ASSERT_EQ(c->yData[i], -c->tData[i]);
        ASSERT_EQ(c->zData[i], 0.5 * c->tData[i]);
    }
    EXPECT_TRUE(tailIsZero(*c, 7501));
}

TEST(ChartStorage, ThinningOddTimesNeverOverflowsAndAlwaysFreesASlot) {
    struct Case {
        const char* name;
        double (*t)(int);
    };
    const Case cases[] = {
        {"all equal and negative", [](int) { return -5.0; }},
        {"falling below zero", [](int i) { return -1.0 * i; }},
        {"rising from below zero", [](int i) { return i - 20000.0; }},
        {"alternating sign", [](int i) { return i % 2 ? -1.0 * i : 1.0 * i; }},
        {"NaN everywhere", [](int) { return kNaN; }},
        {"NaN in the last slot", [](int i) { return i == CHART_CAPACITY - 1 ? kNaN : i; }},
        {"infinite", [](int i) { return i == 5 ? std::numeric_limits<double>::infinity() : i; }},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        auto c = newChart();
        c->Clear();
        for (int i = 0; i < CHART_CAPACITY; ++i)
            c->AddPoint(tc.t(i), i, i);
        const double first = c->xData[0];
        c->AddPoint(tc.t(0), -1.0, -1.0);
        EXPECT_GE(c->count, 2);
        EXPECT_LE(c->count, CHART_CAPACITY);
        EXPECT_EQ(c->xData[0], first);
        EXPECT_EQ(c->xData[c->count - 1], -1.0);
        // Kept points are distinct slots of the original, in order.
        for (int i = 1; i < c->count - 1; ++i)
            ASSERT_LT(c->xData[i - 1], c->xData[i]);
        EXPECT_TRUE(tailIsZero(*c, c->count));
    }
}

TEST(ChartStorage, ClearEmptiesDataAndKeepsSettings) {
    auto c = newChart();
    c->Clear();
    c->xTitle = "x";
    c->yMode = 3;
    c->ShowZAxis(true);
    c->lastError = -20;
    c->AddPoint(1, 2000, 3);
    c->SetXRange(5, 6);
    c->Clear();
    EXPECT_EQ(c->count, 0);
    EXPECT_TRUE(tailIsZero(*c, 0));
    EXPECT_EQ(c->xMin, 0.0);
    EXPECT_EQ(c->xMax, 1.0);
    EXPECT_EQ(c->yExp, 0);
    EXPECT_EQ(c->xTitle, "x");
    EXPECT_EQ(c->yMode, 3);
    EXPECT_TRUE(c->showZAxis);
    EXPECT_EQ(c->lastError, -20);
}

} // namespace
