#include "classic/ChartSetup.h"
#include "classic/ClassicChartFill.h"
#include "classic/ClassicStyle.h"
#include "classic/CurveChart.h"
#include "classic/GdiPainter.h"
#include "classic/PlotLayout.h"
#include "classic/QtDrawSurface.h"
#include "platform/QtPainter.h"
#include "source/Reload.h"
#include "tests/chart/ReadableChart.h"
#include "view/DiagramModels.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// Every real instrument file among the fixtures, both diagrams, at a small, the usual and a
// wide size, measured in the pictures' own font: every label inside, apart and on its tick.
TEST(SamplePictures, EveryDiagramOfEveryInstrumentFileIsReadable) {
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter qp(&scratch);
    QtPainter measure(qp);
    int drawn = 0;
    for (const auto& entry : std::filesystem::directory_iterator(KORVANE_MEASUREMENT_SAMPLES)) {
        if (entry.path().extension() == ".md")
            continue;
        const ReadResult read = ReadWholeFile(entry.path().string(), nullptr);
        ASSERT_TRUE(read.series) << entry.path();
        for (Diagram diagram : {Diagram::Nyquist, Diagram::Bode}) {
            PlotChoices choices;
            choices.diagram = diagram;
            const ChartModel model = DiagramModel(read.series, false, choices);
            for (const auto& [w, h] : {std::pair(534, 392), {300, 200}, {2400, 800}, {120, 90}}) {
                SCOPED_TRACE(entry.path().filename().string() +
                             (diagram == Diagram::Bode ? " Bode" : " Nyquist"));
                BoxPainter boxes;
                boxes.inner = &measure;
                const RenderResult r = Render(model, w, h, boxes);
                ExpectReadable(boxes, r, w, h, 12.0);
                EXPECT_GT(r.dots.size(), 0u);
                ++drawn;
            }
        }
    }
    EXPECT_GE(drawn, 6 * 2 * 4);
}

// The classic picture, measured in its own pixel font, at sizes down to the smallest: no two
// texts touch.
TEST(SamplePictures, NoClassicLabelsRunTogetherAtAnySize) {
    int drawn = 0;
    for (const auto& entry : std::filesystem::directory_iterator(KORVANE_MEASUREMENT_SAMPLES)) {
        if (entry.path().extension() == ".md")
            continue;
        for (Diagram diagram : {Diagram::Nyquist, Diagram::Bode}) {
            for (const auto& [w, h] : {std::pair(120, 90), {160, 120}, {200, 150}, {534, 392}}) {
                SCOPED_TRACE(entry.path().filename().string() + " " + std::to_string(w) + "x" +
                             std::to_string(h) + (diagram == Diagram::Bode ? " Bode" : ""));
                CCurveChart chart;
                SetUpChart(chart, diagram);
                PlotChoices choices;
                choices.diagram = diagram;
                const ReadResult read = ReadWholeFile(entry.path().string(), nullptr);
                ASSERT_FALSE(read.failed());
                const PlotLayout layout = LayoutFor({0, 0, w, h}, chart.scaleLayoutWithSize);
                FillClassicChart(chart, read.series, false, choices, layout);
                QImage image(w, h, QImage::Format_RGB32);
                QtDrawSurface surface(&image);
                GdiPainter measure(surface);
                BoxPainter boxes;
                boxes.inner = &measure;
                RenderClassic(chart, layout, boxes);
                for (size_t i = 0; i < boxes.texts.size(); ++i)
                    for (size_t j = i + 1; j < boxes.texts.size(); ++j)
                        EXPECT_TRUE(apart(boxes.texts[i].at, boxes.texts[j].at, 0))
                            << boxes.texts[i].text << " and " << boxes.texts[j].text;
                ++drawn;
            }
        }
    }
    EXPECT_GE(drawn, 6 * 2 * 4);
}

} // namespace
