#include "chart/AxisTicks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
const std::string kMinus = "\xE2\x88\x92";

// 7 pixels a character across, superscripts at 0.7.
double Across(const TextRun& run) {
    double px = 0.0;
    for (const TextPiece& piece : run)
        for (unsigned char c : piece.text)
            if ((c & 0xC0) != 0x80)
                px += piece.superscript ? 4.9 : 7.0;
    return px;
}

// The labels written out, "^" before a superscript.
std::vector<std::string> Labels(const AxisTicks& axis) {
    std::vector<std::string> labels;
    for (const Tick& t : axis.ticks)
        if (!t.label.empty())
            labels.push_back(t.label[0].text + (t.label.size() > 1 ? "^" + t.label[1].text : ""));
    return labels;
}

TEST(AxisTicks, LinearTicksLabelsAndPrefix) {
    const struct {
        double min, max, lengthPx;
        std::vector<std::string> labels;
        int prefix;
    } cases[] = {
        {147.8, 613.7, 450, {"200", "300", "400", "500", "600"}, 0},
        {0, 1, 450, {"0.0", "0.2", "0.4", "0.6", "0.8", "1.0"}, 0},
        {0, 10, 360, {"0.0", "2.5", "5.0", "7.5", "10.0"}, 0},
        {-0.3, 0.3, 600, {"−0.3", "−0.2", "−0.1", "0.0", "0.1", "0.2", "0.3"}, 0},
        {-2000, -10, 450, {"−2.0", "−1.5", "−1.0", "−0.5"}, 3},
        {0, 0.05, 450, {"0", "10", "20", "30", "40", "50"}, -3},
        {1e6, 1e6 + 1e-3, 300, {"1.0000000000", "1.0000000005", "1.0000000010"}, 6},
        {0.15, 0.95, 200, {"0.25", "0.50", "0.75"}, 0}, // 0.5 apart, only one would fit
        {0, 1, 12, {"0"}, 0},                           // "0" and "1" 12 px apart overlap
        {1, 1, 450, {}, 0},
        {kNaN, 1, 450, {}, 0},
        {-1e308, 1e308, 450, {}, 0},
        {0, 1, 0, {}, 0},
    };
    for (const auto& c : cases) {
        const AxisTicks axis = LinearTicks(c.min, c.max, c.lengthPx, Across, 8);
        EXPECT_EQ(Labels(axis), c.labels) << c.min << " " << c.max << " " << c.lengthPx;
        EXPECT_EQ(axis.prefixExponent, c.prefix) << c.min << " " << c.max;
    }
    const AxisTicks tenths = LinearTicks(-0.3, 0.3, 600, Across, 8);
    EXPECT_EQ(tenths.ticks.front().value, -0.3) << "no drift from adding up steps";
    EXPECT_EQ(tenths.ticks.back().value, 0.3);
}

TEST(AxisTicks, PrefixesAndLabels) {
    const std::pair<double, int> exponents[] = {{0.1, 0},     {999.9, 0}, {1000, 3},  {-2500, 3},
                                                {0.05, -3},   {1e-3, -3}, {1e-9, -9}, {1.5e30, 24},
                                                {1e-40, -24}, {0, 0},     {kNaN, 0},  {kInf, 0}};
    for (const auto& [largest, exponent] : exponents)
        EXPECT_EQ(PrefixExponentFor(largest), exponent) << largest;
    const std::pair<int, std::optional<std::string>> prefixes[] = {
        {-24, "y"}, {-6, "\xC2\xB5"},   {-3, "m"},           {0, ""},           {3, "k"},
        {24, "Y"},  {27, std::nullopt}, {-27, std::nullopt}, {1, std::nullopt}, {-4, std::nullopt}};
    for (const auto& [exponent, prefix] : prefixes)
        EXPECT_EQ(SiPrefix(exponent), prefix) << exponent;
    EXPECT_EQ(TickLabel(-0.0001, 0, 2), "0.00");
    EXPECT_EQ(TickLabel(-0.0, 0, 0), "0");
    EXPECT_EQ(TickLabel(-1500, 3, 1), "−1.5");
    EXPECT_EQ(TickLabel(-0.0001, 0, 2, {",", "-"}), "0,00");
    EXPECT_EQ(TickLabel(-1500, 3, 1, {",", "-"}), "-1,5");
    EXPECT_EQ(TickLabel(2.5e-6, -6, 1), "2.5");
    EXPECT_EQ(TickLabel(kNaN, 0, 1), "");
}

TEST(AxisTicks, LogTicks) {
    const struct {
        double min, max, lengthPx;
        std::vector<std::string> labels;
        std::size_t ticks;
    } cases[] = {
        {1e-2, 1e3, 300, {"10^−2", "10^−1", "10^0", "10^1", "10^2", "10^3"}, 6},
        {1e-3, 1e7, 130, {"10^−3", "10^0", "10^3", "10^6"}, 11}, // every second would crowd
        {1, 50, 400, {"10^0", "2×10^0", "5×10^0", "10^1", "2×10^1", "5×10^1"}, 14},
        {1, 50, 120, {"10^0", "10^1"}, 14}, // the 2s, then the 5s give way
        {1.5, 9, 60, {"5×10^0"}, 8},
        {2.1e-9, 4.9e-9, 400, {"3×10^−9", "4×10^−9"}, 2}, // 3.5 and 4.5 would crowd
        {3, 9, 400, {"3", "4", "5", "6", "7", "8", "9"}, 7},
        {0, 10, 400, {}, 0},
        {10, 10, 400, {}, 0},
        {1, kInf, 400, {}, 0},
    };
    for (const auto& c : cases) {
        const AxisTicks axis = LogTicks(c.min, c.max, c.lengthPx, Across, 8);
        EXPECT_EQ(Labels(axis), c.labels) << c.min << " " << c.max << " " << c.lengthPx;
        EXPECT_EQ(axis.ticks.size(), c.ticks) << c.min << " " << c.max << " " << c.lengthPx;
        EXPECT_EQ(axis.prefixExponent, 0);
    }
}

TEST(AxisTicks, LinearTicksKeepTheirPromisesOverRandomRanges) {
    std::mt19937_64 random(1947);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int i = 0; i < 4000; ++i) {
        const double span = std::pow(10.0, -9 + 21 * unit(random));
        const double min =
            span * std::pow(10.0, -2 + 5 * unit(random)) * (unit(random) < 0.5 ? -1 : 1);
        const double max = min + span, lengthPx = 40 + 3960 * unit(random), gapPx = 6;
        const bool upright = i % 2 == 1;
        const LabelLength length =
            upright ? LabelLength([](const TextRun&) { return 14.0; }) : LabelLength(Across);
        const AxisTicks axis = LinearTicks(min, max, lengthPx, length, gapPx);
        SCOPED_TRACE(testing::Message() << min << " " << max << " " << lengthPx << " " << upright);
        // An axis three labels long (ten characters across) shows at least one.
        if (lengthPx >= 3 * (upright ? 14 : 70)) {
            ASSERT_FALSE(axis.ticks.empty());
        }
        const auto& ticks = axis.ticks;
        const double step = ticks.size() > 1 ? ticks[1].value - ticks[0].value : span;
        const double mantissa = step / std::pow(10.0, std::floor(std::log10(step)));
        const auto is = [&](double m) { return std::abs(mantissa - m) < 1e-6; };
        ASSERT_TRUE(ticks.size() < 2 || is(1) || is(2) || is(2.5) || is(5) || is(10)) << step;
        for (std::size_t t = 0; t < ticks.size(); ++t) {
            const double value = ticks[t].value;
            ASSERT_TRUE(value >= min - 1e-9 * span && value <= max + 1e-9 * span);
            std::string text = ticks[t].label.at(0).text;
            if (text.starts_with(kMinus))
                text.replace(0, kMinus.size(), "-");
            const double read =
                std::strtod(text.c_str(), nullptr) * std::pow(10.0, axis.prefixExponent);
            ASSERT_NEAR(read, value, 1e-6 * step + 1e-12 * std::abs(value)) << text;
            if (t == 0)
                continue;
            ASSERT_NEAR(value - ticks[t - 1].value, step, 1e-6 * step);
            ASSERT_NE(ticks[t].label, ticks[t - 1].label);
            const double apart = step / span * lengthPx - length(ticks[t].label) / 2 -
                                 length(ticks[t - 1].label) / 2;
            ASSERT_GE(apart, gapPx - 1e-6);
        }
    }
}

} // namespace
