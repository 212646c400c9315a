#include "chart/Render.h"
#include "chart/SweepColours.h"
#include "model/SeriesBuilder.h"
#include "tests/chart/ReadableChart.h"
#include "view/DiagramModels.h"
#include "view/DistinctNames.h"
#include "view/FileLook.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

SeriesSnapshot sweeps(int count) {
    SeriesBuilder series;
    int row = 0;
    for (int sweep = 1; sweep <= count; ++sweep)
        for (int i = 0; i < 10; ++i, ++row)
            series.Add({double(row), 1e5 / (1 + i), 10.0 * sweep + i, double(i), row + 1, sweep});
    return series.Make();
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
        std::vector<int> chosen{};
    };
    const Case cases[] = {
        {3, SweepsShown::All, 3, threeColours, 10, "sweep 1"},
        {3, SweepsShown::LastFive, 3, threeColours, 10, "sweep 1"},
        {12, SweepsShown::All, 12, {}, 10, "sweeps 1"}, // beyond ten, the bar
        {30,
         SweepsShown::Chosen,
         2,
         {threeColours.front(), threeColours.back()},
         20,
         "sweep 30",
         {2, 30, 40}},
        {7, SweepsShown::Chosen, 1, {kOkabeBlue}, 10, "sweep 1 of 7", {1}},
        {3, SweepsShown::Last, 1, {kOkabeBlue}, 30, "sweep 3 of 3"},
        {7, SweepsShown::LastFive, 5, {}, 30, "sweep 3"},
        {1, SweepsShown::Last, 1, {kOkabeBlue}, 10, ""}, // one sweep looks as it always did
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.key);
        PlotChoices choices;
        choices.sweeps = tc.shown;
        choices.chosenSweeps = tc.chosen;
        for (Diagram diagram : {Diagram::Nyquist, Diagram::Bode}) {
            choices.diagram = diagram;
            const ChartModel m = DiagramModel(sweeps(tc.sweeps), false, choices);
            BoxPainter p;
            const size_t dots = Render(m, 534, 392, p).dots.size();
            EXPECT_EQ(m.sweeps.has_value(), !tc.key.empty());
            EXPECT_TRUE(tc.key.empty() || shows(p, tc.key));
            if (diagram == Diagram::Bode)
                continue;
            EXPECT_EQ(m.x.min, tc.zRealFrom);
            EXPECT_EQ(dots, 10 * tc.runs) << "the sweeps shown, all within the axes";
            // Each sweep's dots, then a dot for each in the key up to ten.
            const bool named = tc.runs > 1 && tc.runs <= kSweepsNamed;
            EXPECT_EQ(p.markerColours.size(), tc.runs * (named ? 2 : 1));
            p.markerColours.resize(tc.runs);
            EXPECT_TRUE(tc.colours.empty() || p.markerColours == tc.colours);
        }
    }
}

TEST(Overlay, FilesAreNamedByWhatTellsThemApartAndTheAxesSpanThemAll) {
    using Names = std::vector<std::string>;
    const std::pair<Names, Names> cases[] = {
        {{"EIS_001.DTA", "EIS_002.DTA"}, {"001", "002"}},
        {{"A.DTA", "B.DTA", "C.mpt"}, {"A.DTA", "B.DTA", "C.mpt"}},
        {{"cell 3 day 1.mpt", "cell 3 day 12.mpt"}, {"1", "12"}},
        {{"run.txt", "run.txt"}, {"run.txt", "run.txt"}}, // alike: left whole
        {{"run.txt"}, {"run.txt"}},
    };
    for (const auto& [names, shortened] : cases)
        EXPECT_EQ(DistinctNames(names), shortened) << names.front();

    const ChartModel m = OverlayModel({{sweeps(1), "a.txt"}, {sweeps(3), "b.txt"}}, false, {});
    ASSERT_EQ(m.series.size(), 2u);
    EXPECT_EQ(m.series[1].color, kOkabeVermillion);
    EXPECT_EQ(m.series[1].firstSweep, 3) << "a file of several sweeps shows its last";
    EXPECT_EQ(m.x.min, 10);
    EXPECT_EQ(m.x.max, 39);
    EXPECT_EQ(m.legend.size(), 2u);
    EXPECT_FALSE(m.sweeps);
    EXPECT_TRUE(m.series[0].joined && m.series[1].joined) << "joined in an overlay";

    // A file not there yet is named with its state and greyed, and leaves the axes alone; in
    // Bode each file's −φ goes to the panel below, in the same order.
    PlotChoices bode;
    bode.diagram = Diagram::Bode;
    for (const PlotChoices& choices : {PlotChoices{}, bode}) {
        const ChartModel o = OverlayModel(
            {{nullptr, "day9", {}, -1, {}, "waiting"}, {sweeps(1), "day1"}, {sweeps(2), "day15"}},
            false, choices);
        ASSERT_EQ(o.legend.size(), 3u);
        EXPECT_EQ(o.legend[0].name, "day9 — waiting");
        EXPECT_TRUE(o.legend[0].greyed);
        EXPECT_FALSE(o.legend[1].greyed || o.legend[2].greyed);
        ASSERT_EQ(o.series.size(), 2u);
        EXPECT_EQ(o.series[1].color, kOkabeGreen);
        ASSERT_EQ(bool(o.below), choices.diagram == Diagram::Bode);
        if (o.below) {
            ASSERT_EQ(o.below->series.size(), 2u);
            EXPECT_EQ(o.below->series[1].color, kOkabeGreen);
            EXPECT_EQ(o.below->series[1].y, Quantity::MinusPhase);
            EXPECT_EQ(o.x.min, o.below->x.min);
        } else {
            EXPECT_EQ(o.x.min, 10);
        }
    }

    // A file not read yet, or without points yet, spans nothing wherever it stands.
    for (const SeriesSnapshot& empty : {SeriesSnapshot(), SeriesBuilder().Make()})
        for (const bool first : {true, false}) {
            std::vector<ShownFile> files = {{sweeps(3), "b.txt"}, {empty, "a.txt"}};
            if (first)
                std::swap(files[0], files[1]);
            const ChartModel spanned = OverlayModel(files, false, {});
            EXPECT_EQ(spanned.x.min, 30) << first;
            EXPECT_EQ(spanned.x.max, 39) << first;
        }
}

// Start at zero or below: an inductive loop under the axis stays in view.
TEST(Nyquist, PlusStartsAtZeroOrAtTheLowestPoint) {
    const std::pair<double, double> cases[] = {{5, 0}, {0, 0}, {-3, -3}, {-0.25, -0.25}};
    for (const auto& [lowest, min] : cases) {
        SeriesBuilder series;
        series.Add({0, 100, 1, lowest, 1, 1});
        series.Add({1, 10, 2, 8, 2, 1});
        const ChartModel m = NyquistModel(series.Make(), true, {});
        EXPECT_EQ(m.y.min, min) << lowest;
        EXPECT_EQ(m.y.max, 8);
    }
}

TEST(Overlay, EachFileKeepsItsLookAndBeyondThePaletteTakesAnotherShape) {
    std::vector<std::pair<Color, MarkShape>> seen;
    for (int look = 0; look < 7 * kMarkShapes; ++look) {
        const FileLook l = FileLookAt(look, 0);
        EXPECT_EQ(std::count(seen.begin(), seen.end(), std::pair(l.color, l.shape)), 0) << look;
        seen.emplace_back(l.color, l.shape);
    }
    const struct {
        int look;
        Color colour;
        MarkShape shape;
    } files[] = {{8, kOkabeVermillion, MarkShape::Square},
                 {0, kOkabeBlue, MarkShape::Circle},
                 {7, kOkabeBlue, MarkShape::Square}};
    std::vector<ShownFile> shown;
    for (const auto& f : files)
        shown.push_back({sweeps(1), "f" + std::to_string(f.look) + ".txt", {}, f.look});
    const ChartModel m = OverlayModel(shown, false, {});
    ASSERT_EQ(m.legend.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(m.legend[i].color, files[i].colour) << i;
        EXPECT_EQ(m.legend[i].shape, files[i].shape) << i;
        EXPECT_EQ(m.series[i].shape, files[i].shape) << i;
    }
    BoxPainter p;
    Render(m, 600, 400, p);
    EXPECT_EQ(p.markers, 10u + 1u) << "only the round file's dots and its legend dot are round";
}

} // namespace
