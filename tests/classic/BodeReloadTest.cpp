#include "DrawnChart.h"
#include "RecordingSurface.h"
#include "classic/ChartSetup.h"
#include "classic/ClassicChartFill.h"
#include "source/Reload.h"
#include "tests/app/TempDir.h"
#include "view/PlotChoices.h"
#include "view/ViewNavigation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

TEST(BodeReload, FrequencyMagnitudeAndPhaseWithNoDotAtOrBelowZero) {
    auto chart = std::make_unique<CCurveChart>();
    chart->Init("", "", "", 0, 0, 0);
    ShowAs(*chart, Diagram::Bode);
    TempDir dir;
    // f, Z', Z'': a zero and a negative frequency, and a point at the origin.
    const std::string path =
        dir.write("m.txt", "0 10 -10\n-5 10 -10\n10 3 -4\n1000 30 -40\n100000 0 0\n");
    PlotChoices choices;
    choices.diagram = Diagram::Bode;
    const PlotLayout layout = LayoutFor({0, 0, 534, 392}, false);
    FillClassicChart(*chart, ReadWholeFile(path, nullptr).series, true, choices, layout);
    ASSERT_EQ(chart->count, 5);
    RecordingSurface surface;
    const RenderResult drawn = DrawClassicChart(*chart, layout, surface);
    const struct {
        double f, magnitude, phase;
        bool dot, zDot;
    } expected[] = {{0, std::sqrt(200.0), 45, false, false},
                    {-5, std::sqrt(200.0), 45, false, false},
                    {10, 5, 53.130102354155978, true, true},
                    {1000, 50, 53.130102354155978, true, true},
                    {100000, 0, 0, false, true}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(chart->xData[i], expected[i].f) << i;
        EXPECT_DOUBLE_EQ(chart->yData[i], expected[i].magnitude) << i;
        EXPECT_DOUBLE_EQ(chart->zData[i], expected[i].phase) << i;
        EXPECT_EQ(DotOf(drawn, i).has_value(), expected[i].dot) << i;
        EXPECT_EQ(DotOf(drawn, i, 1).has_value(), expected[i].zDot) << i;
    }
    // Only the points with a frequency count, "+" has no say, and the phase takes ten round
    // steps.
    EXPECT_EQ((std::vector<double>{chart->xMin, chart->xMax, chart->yMin, chart->yMax, chart->zMin,
                                   chart->zMax}),
              (std::vector<double>{10, 1e5, 1, 100, 0, 100}));
    EXPECT_EQ(chart->xExp, 0);
}

TEST(BodeReload, ZoomAndPanWorkInDecades) {
    const PixelFrame frame{70, 10, 460, 360};
    const PlotView view{{1e-2, 1e4}, {1, 1e4}};
    const LogAxes log{true, true};
    const PlotView zoomed = ZoomedAbout(view, frame, {265, 185}, 2.0, log);
    EXPECT_DOUBLE_EQ(zoomed.x.min, std::pow(10.0, -0.5));
    EXPECT_DOUBLE_EQ(zoomed.x.max, std::pow(10.0, 2.5));
    EXPECT_DOUBLE_EQ(zoomed.y.min, 10);
    EXPECT_DOUBLE_EQ(zoomed.y.max, 1000);
    // A sixth of the frame is one of the six decades.
    const PlotView panned = Panned(view, frame, 65, 0, log);
    EXPECT_DOUBLE_EQ(panned.x.min, 1e-3);
    EXPECT_DOUBLE_EQ(panned.x.max, 1e3);
    EXPECT_EQ(panned.y, view.y);
    // A view reaching zero has no place on a log axis and is kept as it was.
    const PlotView fromZero{{0, 10}, {1, 10}};
    EXPECT_EQ(ZoomedAbout(fromZero, frame, {265, 185}, 2.0, log), fromZero);
    EXPECT_EQ(Panned(fromZero, frame, 10, 0, log), fromZero);
}

} // namespace
