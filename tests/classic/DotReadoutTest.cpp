#include "classic/ClassicLook.h"
#include "model/SeriesBuilder.h"
#include "platform/PlotArea.h"
#include "platform/PlotViewControl.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

// Points spread apart on both diagrams, lines numbered from `firstLine`, `sweeps` sweeps.
SeriesSnapshot spread(double shift, int firstLine, int sweeps = 1) {
    SeriesBuilder builder;
    int row = 0;
    for (int sweep = 1; sweep <= sweeps; ++sweep)
        for (int i = 0; i < 12; ++i, ++row)
            builder.Add({double(row), std::pow(10.0, 5 - 0.6 * i + 0.2 * sweep),
                         shift + 7.0 * i + 2.5 * sweep,
                         3.0 + 4.0 * ((i * 5) % 12) + 15.0 * sweep + shift, firstLine + row,
                         sweep});
    return builder.Make();
}

// Every dot a picture draws stands where its (series, index) puts its point on the picture's
// axes, and the readout there names that point: its line, in an overlay its file, in a file of
// sweeps its sweep.
TEST(DotReadout, EveryDrawnDotReadsOutThePointItWasDrawnFor) {
    struct Case {
        const char* name;
        bool classic;
        Diagram diagram;
        std::vector<ShownFile> files;
    };
    const SeriesSnapshot one = spread(10, 1), other = spread(200, 101), sweeps = spread(10, 1, 3);
    const std::vector<ShownFile> overlay = {{one, "a.txt"}, {other, "b.txt"}};
    const Case cases[] = {
        {"classic Nyquist", true, Diagram::Nyquist, {{one, ""}}},
        {"classic Bode", true, Diagram::Bode, {{one, ""}}},
        {"Nyquist", false, Diagram::Nyquist, {{one, ""}}},
        {"overlay", false, Diagram::Nyquist, overlay},
        {"Bode overlay", false, Diagram::Bode, overlay},
        {"sweeps", false, Diagram::Nyquist, {{sweeps, ""}}},
        {"Bode sweeps", false, Diagram::Bode, {{sweeps, ""}}},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.name);
        PlotArea area;
        area.resize(534, 392);
        std::unique_ptr<PlotLook> look =
            tc.classic ? std::make_unique<ClassicLook>() : ModernLook();
        PlotViewControl view(std::move(look), area, [] {});
        view.setDiagram(tc.diagram);
        view.takeSeries(tc.files.front().series, "plain");
        if (tc.files.size() > 1)
            view.setOverlay(tc.files);
        view.draw();
        ASSERT_TRUE(view.drawn());
        const RenderResult& r = *view.drawn();
        PlotChoices choices;
        choices.diagram = tc.diagram;
        const ChartModel model = tc.files.size() > 1
                                     ? OverlayModel(tc.files, false, choices)
                                     : DiagramModel(tc.files.front().series, false, choices);
        int checked = 0;
        for (const DrawnDot& dot : r.dots) {
            const SeriesModel& s = model.series.at(static_cast<size_t>(dot.series));
            const Point& p = s.series->points().at(static_cast<size_t>(dot.index));
            const AxisMapping& up = s.rightAxis ? *r.rightY : r.y;
            EXPECT_NEAR(dot.at.x, r.x.ToPixel(ValueOf(p, s.x)), 1.0) << p.line;
            EXPECT_NEAR(dot.at.y, up.ToPixel(ValueOf(p, s.y)), 1.0) << p.line;
            // A dot with a neighbour within reach may read out the neighbour.
            bool alone = true;
            for (const DrawnDot& o : r.dots)
                alone &= &o == &dot || std::hypot(o.at.x - dot.at.x, o.at.y - dot.at.y) > 6;
            if (!alone)
                continue;
            ++checked;
            const QString text = view.readoutAt(QPoint(static_cast<int>(std::lround(dot.at.x)),
                                                       static_cast<int>(std::lround(dot.at.y))));
            EXPECT_TRUE(text.contains(QStringLiteral("line %1").arg(p.line))) << text.toStdString();
            if (tc.files.size() > 1) {
                EXPECT_TRUE(text.startsWith(QString::fromStdString(s.name) + '\n'))
                    << text.toStdString();
            }
            if (model.sweeps) {
                EXPECT_TRUE(text.endsWith(QStringLiteral("sweep %1 of 3").arg(p.sweep)))
                    << text.toStdString();
            }
        }
        EXPECT_GE(checked, static_cast<int>(r.dots.size()) / 2);
    }
}

} // namespace
