#include "model/SeriesBuilder.h"
#include "tests/source/TestSeed.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <vector>

namespace {

// A plain model, every slot a point in a vector: a full store keeps its first slot, and each
// slot whose ordinal runs a step ahead of a reference that moves on by that step.
TEST(SeriesBuilder, RandomRowsAndMakesAgreeWithAPlainModel) {
    const unsigned seed = TestSeed();
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double odd[] = {HUGE_VAL, -HUGE_VAL, NAN}; // rows with such a part, `share` of them
    const auto same = [](double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); };
    for (const auto& [rows, falling, share] : {std::tuple{50, false, 0.3},
                                               {9 * kKeptPoints + 123, false, 0.01},
                                               {4 * kKeptPoints, true, 0.05}}) {
        SeriesBuilder builder;
        std::vector<Point> slots;
        Extent zReal, minusZImag;
        std::int64_t measured = 0;
        for (int i = 0; i < rows; ++i) {
            if (slots.size() == kKeptPoints) {
                double largest = 0, reference = slots.front().t;
                for (const Point& p : slots)
                    largest = std::max(largest, p.t);
                std::vector<Point> kept{slots.front()};
                for (size_t j = 1; j < slots.size() && kept.size() + 1 < slots.size(); ++j)
                    if (slots[j].t - reference > largest * (1.0 / kKeptByThinning)) {
                        kept.push_back(slots[j]);
                        reference += largest * (1.0 / kKeptByThinning);
                    }
                slots = std::move(kept);
            }
            Point p{falling ? 1e6 * unit(random) : i,
                    unit(random),
                    unit(random),
                    -unit(random),
                    i + 1,
                    1 + i / 1000};
            if (unit(random) < share)
                (i % 2 ? p.zReal : p.minusZImag) = odd[random() % 3];
            builder.Add(p);
            // An infinite part moves no extent and is drawn as none; a NaN moves only its own.
            if (!std::isinf(p.zReal) && !std::isinf(p.minusZImag)) {
                zReal.take(p.zReal);
                minusZImag.take(p.minusZImag);
                measured += !std::isnan(p.zReal) && !std::isnan(p.minusZImag);
            }
            for (double* part : {&p.zReal, &p.minusZImag})
                *part = std::isinf(*part) ? NAN : *part;
            slots.push_back(p);
            if (i + 1 < rows && unit(random) > 20.0 / rows)
                continue; // made now and then, and at the end
            const SeriesSnapshot made = builder.Make();
            ASSERT_EQ(made->points().size(), slots.size()) << rows << " rows, after " << i;
            for (size_t k = 0; k < slots.size(); ++k) {
                const Point &a = made->points()[k], &b = slots[k];
                ASSERT_TRUE(std::tie(a.t, a.f, a.line, a.sweep) ==
                                std::tie(b.t, b.f, b.line, b.sweep) &&
                            same(a.zReal, b.zReal) && same(a.minusZImag, b.minusZImag))
                    << "slot " << k << " of " << rows << " rows, after " << i;
            }
            EXPECT_EQ(made->measured(), measured);
            EXPECT_EQ(std::tie(made->zReal().low, made->zReal().high, made->minusZImag().low,
                               made->minusZImag().high),
                      std::tie(zReal.low, zReal.high, minusZImag.low, minusZImag.high));
        }
        EXPECT_EQ(builder.rows(), rows);
    }
}

} // namespace
