#include "DrawnChart.h"
#include "RecordingSurface.h"
#include "classic/ChartRanges.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <memory>

namespace {

constexpr double kDenormal = std::numeric_limits<double>::denorm_min();

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
