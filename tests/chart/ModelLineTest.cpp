#include "chart/ModelLine.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ModelLine, SpansTheRangeAtTwentyPointsADecade) {
    const struct {
        double fMin, fMax;
        std::size_t points;
    } cases[] = {
        {0.01, 1e5, 141}, {1, 10, 21}, {2, 3, 5},        {5, 5, 2},
        {0, 10, 0},       {10, 1, 0},  {1, INFINITY, 0},
    };
    for (const auto& c : cases) {
        const auto points =
            ModelLinePoints(c.fMin, c.fMax, [](double f) { return std::complex(f, -2 * f); });
        ASSERT_EQ(points.size(), c.points) << c.fMin << " " << c.fMax;
        if (points.empty())
            continue;
        EXPECT_EQ(points.front().f, c.fMin);
        EXPECT_EQ(points.back().f, c.fMax);
        for (std::size_t k = 1; k < points.size(); ++k)
            EXPECT_LE(std::log10(points[k].f / points[k - 1].f), 1.0 / 20 + 1e-12);
        EXPECT_EQ(points.back().zReal, c.fMax);
        EXPECT_EQ(points.back().minusZImag, 2 * c.fMax);
    }
}

} // namespace
