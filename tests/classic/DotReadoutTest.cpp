#include "classic/ClassicLook.h"
#include "model/SeriesBuilder.h"
#include "platform/PlotArea.h"
#include "platform/PlotViewControl.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Twelve points a sweep, apart in both diagrams, lines numbered from `firstLine`.
SeriesSnapshot spread(double shift, int firstLine, int sweeps = 1) {
    SeriesBuilder builder;
    for (int row = 0; row < 12 * sweeps; ++row) {
        const int i = row % 12, sweep = row / 12 + 1;
        builder.Add({double(row), std::pow(10.0, 5 - 0.6 * i + 0.2 * sweep),
                     shift + 7.0 * i + 2.5 * sweep, shift + 3.0 + 4.0 * (i * 5 % 12) + 15.0 * sweep,
                     firstLine + row, sweep});
    }
    return builder.Make();
}

// Every dot stands where its (series, index) puts that point on the picture's axes, and the
// readout there names the point: its line, in an overlay its file, in a file of sweeps its sweep.
TEST(DotReadout, EveryDrawnDotReadsOutThePointItWasDrawnFor) {
    const SeriesSnapshot one = spread(10, 1), other = spread(200, 101), sweeps = spread(10, 1, 3);
    const std::vector<ShownFile> overlay = {{one, "a.txt"}, {other, "b.txt"}};
    const struct {
        bool classic;
        Diagram diagram;
        std::vector<ShownFile> files;
    } cases[] = {{true, Diagram::Nyquist, {{one, ""}}},  {true, Diagram::Bode, {{one, ""}}},
                 {false, Diagram::Nyquist, {{one, ""}}}, {false, Diagram::Nyquist, overlay},
                 {false, Diagram::Bode, overlay},        {false, Diagram::Nyquist, {{sweeps, ""}}},
                 {false, Diagram::Bode, {{sweeps, ""}}}};
    for (const auto& tc : cases) {
        SCOPED_TRACE(testing::Message()
                     << tc.classic << " " << int(tc.diagram) << " " << tc.files.size());
        PlotArea area;
        area.resize(534, 392);
        PlotViewControl view(tc.classic ? std::make_unique<ClassicLook>() : ModernLook(), area,
                             [] {});
        view.setDiagram(tc.diagram);
        view.takeSeries(tc.files.front().series, "plain");
        view.setOverlay(tc.files.size() > 1 ? tc.files : std::vector<ShownFile>{});
        view.draw();
        ASSERT_TRUE(view.drawn());
        const RenderResult& r = *view.drawn();
        const ChartModel model = OverlayModel(tc.files, false, PlotChoices{false, {}, tc.diagram});
        int checked = 0, dots = 0;
        // A Bode diagram's −φ panel reads out as its |Z| panel does.
        std::vector<std::pair<const RenderResult*, const ChartModel*>> panels{{&r, &model}};
        if (!tc.classic && tc.diagram == Diagram::Bode)
            panels.emplace_back(r.below.get(), model.below.get());
        for (const auto& [panel, panelModel] : panels)
            for (const DrawnDot& dot : panel->dots) {
                ++dots;
                // The classic Bode draws −φ as a second series against its right axis.
                const bool right = tc.classic && dot.series > 0;
                const SeriesModel& s = right
                                           ? model.below->series.at(0)
                                           : panelModel->series.at(static_cast<size_t>(dot.series));
                const Point& p = s.series->points().at(static_cast<size_t>(dot.index));
                EXPECT_NEAR(dot.at.x, panel->x.ToPixel(ValueOf(p, s.x)), 1.0) << p.line;
                EXPECT_NEAR(dot.at.y, (right ? *panel->rightY : panel->y).ToPixel(ValueOf(p, s.y)),
                            1.0);
                // A dot with a neighbour within reach may read out the neighbour.
                bool alone = true;
                for (const DrawnDot& o : panel->dots)
                    alone &= &o == &dot || std::hypot(o.at.x - dot.at.x, o.at.y - dot.at.y) > 6;
                if (!alone)
                    continue;
                ++checked;
                const QString text =
                    view.readoutAt(QPoint(std::lround(dot.at.x), std::lround(dot.at.y)));
                EXPECT_TRUE(text.contains(QStringLiteral("line %1").arg(p.line)))
                    << text.toStdString();
                EXPECT_TRUE(model.legend.empty() ||
                            text.startsWith(QString::fromStdString(s.name) + '\n'));
                EXPECT_TRUE(!model.sweeps ||
                            text.endsWith(QStringLiteral("sweep %1 of 3").arg(p.sweep)));
            }
        EXPECT_GE(checked, dots / 2);
    }
}

} // namespace
