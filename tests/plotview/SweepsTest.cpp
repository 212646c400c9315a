#include "DiagramModels.h"
#include "ReadableChart.h"
#include "Render.h"
#include "SweepColours.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

SeriesSnapshot sweeps(int count) {
    auto series = std::make_shared<Series>();
    int row = 0;
    for (int sweep = 1; sweep <= count; ++sweep)
        for (int i = 0; i < 10; ++i, ++row)
            series->Add({double(row), 1e5 / (1 + i), 10.0 * sweep + i, double(i), row + 1, sweep});
    return series;
}

bool shows(const BoxPainter& p, const std::string& text) {
    return std::any_of(p.texts.begin(), p.texts.end(),
                       [&text](const BoxPainter::Box& b) { return b.text == text; });
}

TEST(Sweeps, EachTakesItsColourAndTheChoiceLimitsWhatIsDrawn) {
    const std::vector<Color> threeColours = {SweepColour(0, false), SweepColour(0.5, false),
                                             SweepColour(1, false)};
    struct Case {
        int sweeps;
        SweepsShown shown;
        size_t runs;                // one Markers call per sweep drawn
        std::vector<Color> colours; // when given
        double zRealFrom;
        std::string key;
    };
    const Case cases[] = {
        {3, SweepsShown::All, 3, threeColours, 10, "sweeps 1"},
        {3, SweepsShown::LastFive, 3, threeColours, 10, "sweeps 1"},
        {3, SweepsShown::Last, 1, {kOkabeBlue}, 30, "sweep 3 of 3"},
        {7, SweepsShown::LastFive, 5, {}, 30, "sweeps 3"},
        {1, SweepsShown::Last, 1, {kOkabeBlue}, 10, ""}, // one sweep looks as it always did
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.key);
        PlotChoices choices;
        choices.sweeps = tc.shown;
        for (Diagram diagram : {Diagram::Nyquist, Diagram::Bode}) {
            choices.diagram = diagram;
            const ChartModel m = DiagramModel(sweeps(tc.sweeps), false, choices);
            BoxPainter p;
            Render(m, 534, 392, p);
            EXPECT_EQ(m.sweeps.has_value(), !tc.key.empty());
            EXPECT_TRUE(tc.key.empty() || shows(p, tc.key));
            if (diagram == Diagram::Bode)
                continue;
            EXPECT_EQ(m.x.min, tc.zRealFrom);
            EXPECT_EQ(p.markerColours.size(), tc.runs);
            EXPECT_TRUE(tc.colours.empty() || p.markerColours == tc.colours);
        }
    }
}

} // namespace
