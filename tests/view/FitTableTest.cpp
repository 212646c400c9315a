#include "view/FitTable.h"
#include "view/TrendModel.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

std::shared_ptr<const SweepFit> fitOf(int sweep, std::vector<double> values,
                                      std::vector<double> errors,
                                      FitResult::Status status = FitResult::Status::Fitted) {
    static const auto circuit =
        std::make_shared<const Circuit>(ParseCircuit("R0-p(R1,CPE1)").circuit);
    auto fit = std::make_shared<SweepFit>();
    fit->sweep = sweep;
    fit->circuit = circuit;
    fit->result.status = status;
    fit->result.points = 40;
    fit->result.values = std::move(values);
    fit->result.errors = std::move(errors);
    fit->result.chi2 = 0.00123;
    fit->result.converged = true;
    return fit;
}

const std::vector<ShownFile> kAgeing = {
    {nullptr,
     "run\t1.txt",
     {},
     -1,
     {fitOf(1, {10, 100, 1e-5, 0.9}, {0.1, 5, 1e-7, 0}),
      fitOf(2, {}, {}, FitResult::Status::TooFew),
      fitOf(3, {10, 150, 1e-5, 0.9}, {0.1, NAN, 1e-7, 0.009})}},
    {nullptr, "b.txt", {}, -1, {fitOf(1, {11, 200, 2e-5, 0.8}, {0.1, 20, 1e-7, 0.008})}}};

TEST(FitTable, CopiesARowASweepAsTabSeparatedText) {
    const struct {
        std::vector<ShownFile> files;
        std::string text;
    } cases[] = {
        {{kAgeing.front()},
         "sweep\tpoints\t\u03c7\u00b2\tR0 / \u03a9\tR0 \u00b1 %\tR1 / \u03a9\tR1 \u00b1 %\t"
         "CPE1_Q / F s^(\u03b1-1)\tCPE1_Q \u00b1 %\tCPE1_alpha\tCPE1_alpha \u00b1 %\n"
         "1\t40\t0.00123\t10\t1\t100\t5\t1e-05\t1\t0.9\t0\n"
         "2\t40\ttoo few points\t\t\t\t\t\t\t\t\n"
         "3\t40\t0.00123\t10\t1\t150\t?\t1e-05\t1\t0.9\t1\n"},
        {kAgeing, ""},
        {{{nullptr, "none"}}, "\n"},
    };
    for (const auto& c : cases) {
        const std::string text = TabSeparated(MakeFitTable(c.files));
        if (c.files.size() == 2) { // the file first, its tab made a space
            EXPECT_EQ(text.substr(0, 11), "file\tsweep\t");
            EXPECT_NE(text.find("\nrun 1.txt\t3\t40\t"), std::string::npos) << text;
            EXPECT_NE(text.find("\nb.txt\t1\t40\t0.00123\t11\t"), std::string::npos) << text;
        } else {
            EXPECT_EQ(text, c.text);
        }
    }
}

TEST(Trend, FollowsTheSweepsOfAFileOrTheNewestSweepOfEachFile) {
    const struct {
        std::vector<ShownFile> files;
        std::string parameter;
        std::vector<TrendPoint> trend;
    } cases[] = {
        {{kAgeing.front()}, "R1", {{1, 100, 5}, {3, 150, NAN}}},
        {kAgeing, "R1", {{1, 150, NAN}, {2, 200, 20}}},
        {kAgeing, "CPE1_alpha", {{1, 0.9, 0.009}, {2, 0.8, 0.008}}},
        {kAgeing, "R9", {}},
    };
    for (const auto& c : cases) {
        const auto trend = TrendOf(c.files, c.parameter);
        ASSERT_EQ(trend.size(), c.trend.size()) << c.parameter;
        for (std::size_t i = 0; i < trend.size(); ++i) {
            EXPECT_EQ(trend[i].at, c.trend[i].at);
            EXPECT_EQ(trend[i].value, c.trend[i].value);
            EXPECT_EQ(std::isnan(trend[i].error), std::isnan(c.trend[i].error));
        }
    }
    // A bar for each known error, and the line through the values.
    const ChartModel model = TrendModel({kAgeing.front()}, "R1");
    ASSERT_EQ(model.series.size(), 1u);
    ASSERT_EQ(model.series.front().lines.size(), 2u);
    EXPECT_EQ(model.series.front().lines.front().points.back().minusZImag, 105);
    EXPECT_EQ(model.y.unit, "\u03a9");
    // Sweep 3's R1 has no error: it stays within the axis only while none has one.
    EXPECT_EQ(model.y.max, 105);
    EXPECT_EQ(TrendModel(kAgeing, "CPE1_Q").y.max, 2e-5 + 1e-7);
}

} // namespace
