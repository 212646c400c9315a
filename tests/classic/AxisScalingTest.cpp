#include "Pixels.h"
#include "classic/CurveChart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace {

const double kInf = std::numeric_limits<double>::infinity();

TEST(AxisScaling, NiceLimitsMatchTheWorkedExamplesExactly) {
    struct Row {
        double v, ceil, floor;
    };
    const Row rows[] = {
        {123, 130, 110},
        {120, 130, 110},
        {-123, -110, -130},
        {1234.5, 1300, 1100},
        {47, 48, 46},
        {100, 110, 90},
        {99, 100, 98},
        {9.99, 10.0, 9.8},
        {1.0, 1.1, 0.9},
        {0.9, 1.0, 0.8},
        {-0.9, -0.8, -1.0},
        {0.5, 0.6000000000000001, 0.4},
        {-0.5, -0.4, -0.6000000000000001},
        {0.1, 0.2, 0.0},
        {0.0123, 0.02, 0.0},
        {0, 0.0, 0.0},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(CCurveChart::NiceCeil(r.v), r.ceil) << "NiceCeil(" << r.v << ")";
        EXPECT_EQ(CCurveChart::NiceFloor(r.v), r.floor) << "NiceFloor(" << r.v << ")";
    }
}

TEST(AxisScaling, EngineeringExponentsMatchTheWorkedExamplesExactly) {
    struct Row {
        double v;
        int exponent;
    };
    const Row rows[] = {
        {999, 0},  {1000, 1},  {2500, 1},   {-2500, 1},      {1000000, 2},   {1e15, 5},  {1.0, 0},
        {0.5, -1}, {0.01, -1}, {0.001, -1}, {0.0009999, -2}, {1e-6, -3},     {1e-9, -4}, {0, 0},
        {kNaN, 0}, {kInf, 0},  {-kInf, 0},  {5e-324, -108},  {1.7e308, 102},
    };
    auto c = std::make_unique<CCurveChart>();
    for (const auto& r : rows)
        EXPECT_EQ(c->EngExponent(r.v), r.exponent) << r.v;
}

TEST(AxisScaling, NiceLimitsAtTheEndsOfTheDoubleRangeStayFinite) {
    const double values[] = {5e-324, 1e-310, 1e-300, 1.7e308, -1.7e308, 1.7976931348623157e308};
    for (double v : values) {
        const double ceil = CCurveChart::NiceCeil(v);
        const double floor = CCurveChart::NiceFloor(v);
        EXPECT_TRUE(std::isfinite(ceil)) << v;
        EXPECT_TRUE(std::isfinite(floor)) << v;
        EXPECT_GE(ceil, v) << v;
        EXPECT_LE(floor, v) << v;
    }
    EXPECT_TRUE(std::isnan(CCurveChart::NiceCeil(kNaN)));
    EXPECT_EQ(CCurveChart::NiceFloor(-kInf), -kInf);
}

struct Limits {
    double min, max;
};

struct AutoScaleCase {
    const char* name;
    int mode;
    Limits set;
    std::vector<double> data;
    Limits expected;
    int exponent;
};

TEST(AxisScaling, AutoScaleChoosesLimitsAndExponentsByMode) {
    const AutoScaleCase cases[] = {
        {"fixed [0, 0.01]", 0, {0, 0.01}, {}, {0, 10.0}, -1},
        {"fixed [0, 1.1]", 0, {0, 1.1}, {}, {0, 1.1}, 0},
        {"fixed [0, 2500]", 0, {0, 2500}, {}, {0, 2.5}, 1},
        {"fixed [-5, 5]", 0, {-5, 5}, {}, {-5, 5}, 0},
        {"fixed [-5000, 5]", 0, {-5000, 5}, {}, {-5, 0.005}, 1},
        {"limits both 0", 0, {0, 0}, {}, {0, 0}, 0},
        {"mode 3 over 2..47", 3, {0, 1}, {2, 47, 30}, {0.0, 48}, 0},
        {"mode 3 over -123..5", 3, {0, 1}, {-123, 5}, {-130, 5.1000000000000005}, 0},
        {"mode 3 over zeros", 3, {0, 1}, {}, {-1.0, 1.0}, 0},
        {"mode 1 keeps the upper limit", 1, {7, 9}, {-123}, {-130, 9}, 0},
        {"mode 2 keeps the lower limit", 2, {-7, 9}, {2500}, {-0.007, 2.6}, 1},
        {"mode 3 in thousands", 3, {0, 1}, {1234.5}, {0.0, 1.3}, 1},
        {"mode 3 ignores NaN data", 3, {0, 1}, {kNaN, 47}, {0.0, 48}, 0},
        {"infinite data", 3, {0, 1}, {kInf}, {0.0, kInf}, 0},
    };
    // The same case on each axis: the axes must not leak into one another.
    for (char axis : {'x', 'y', 'z'}) {
        for (const auto& tc : cases) {
            SCOPED_TRACE(::testing::Message() << axis << ": " << tc.name);
            auto c = std::make_unique<CCurveChart>();
            c->Clear();
            double* data = axis == 'x' ? c->xData : axis == 'y' ? c->yData : c->zData;
            for (size_t i = 0; i < tc.data.size(); ++i)
                data[i] = tc.data[i];
            int& mode = axis == 'x' ? c->xMode : axis == 'y' ? c->yMode : c->zMode;
            double& min = axis == 'x' ? c->xMin : axis == 'y' ? c->yMin : c->zMin;
            double& max = axis == 'x' ? c->xMax : axis == 'y' ? c->yMax : c->zMax;
            int& exponent = axis == 'x' ? c->xExp : axis == 'y' ? c->yExp : c->zExp;
            mode = tc.mode;
            min = tc.set.min;
            max = tc.set.max;
            c->AutoScale();
            EXPECT_EQ(min, tc.expected.min);
            EXPECT_EQ(max, tc.expected.max);
            EXPECT_EQ(exponent, tc.exponent);
        }
    }
}

TEST(AxisScaling, SecondAutoScaleReadsDisplayUnitsAsRawValues) {
    auto c = std::make_unique<CCurveChart>();
    c->Clear();
    c->SetXRange(0.0, 0.01);
    c->AutoScale();
    EXPECT_EQ(c->xExp, -1);
    EXPECT_EQ(c->xMax, 10.0);
    c->AutoScale();
    EXPECT_EQ(c->xExp, 0);
    EXPECT_EQ(c->xMin, 0.0);
    EXPECT_EQ(c->xMax, 10.0);
}

TEST(AxisScaling, ScaleDividesByTheAxisPowerOfAThousand) {
    auto c = std::make_unique<CCurveChart>();
    c->xExp = 1;
    c->yExp = -1;
    c->zExp = 2;
    struct Case {
        char axis;
        double expected;
    };
    const Case cases[] = {{'x', 0.005},  {'X', 0.005}, {'y', 5000.0},
                          {'Y', 5000.0}, {'z', 5e-6},  {'Z', 5e-6}};
    for (const auto& tc : cases) {
        EXPECT_EQ(c->Scale(5.0, tc.axis), tc.expected) << tc.axis;
    }
    for (char bad : {'q', '\0', static_cast<char>(0xF8), 'w'})
        EXPECT_EQ(c->Scale(5.0, bad), 5.0);
}

TEST(AxisScaling, NaNAndInfiniteLimitsGiveExponentZeroWithoutUndefinedBehaviour) {
    struct Case {
        double min, max;
    };
    const Case cases[] = {{kNaN, kNaN}, {0, kInf}, {-kInf, 0}, {kNaN, 5}, {5, kNaN}};
    for (const auto& tc : cases) {
        auto c = std::make_unique<CCurveChart>();
        c->Clear();
        c->xMin = tc.min;
        c->xMax = tc.max;
        c->AutoScale();
        EXPECT_EQ(c->xExp, 0) << tc.min << " " << tc.max;
    }
}

} // namespace

namespace {

// Rescaling repeatedly against unchanged fixed limits is short-cut; it must still answer
// exactly as a first rescale would.
TEST(AxisScaling, RepeatedAutoScaleAnswersAsTheFirst) {
    auto c = std::make_unique<CCurveChart>();
    c->Clear();
    for (int i = 0; i < 3; ++i)
        c->AutoScale();
    EXPECT_EQ(c->xMax, 1.0);

    // A limit, exponent or mode written between rescales is taken into account.
    c->Clear();
    c->AutoScale();
    c->xMax = 2500.0;
    c->AutoScale();
    EXPECT_EQ(c->xExp, 1);
    EXPECT_EQ(c->xMax, 2.5);
    c->AutoScale();
    c->xExp = 2;
    c->AutoScale();
    EXPECT_EQ(c->xExp, 0);
    c->xMode = 3;
    c->xData[0] = 47.0;
    c->AutoScale();
    EXPECT_EQ(c->xMax, 48.0);
    c->xData[0] = 470.0;
    c->AutoScale();
    EXPECT_EQ(c->xMax, 480.0);
}

} // namespace
