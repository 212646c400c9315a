#include "DiagramModels.h"
#include "QtPainter.h"
#include "ReadableChart.h"
#include "Reload.h"

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
            for (const auto& [w, h] : {std::pair(534, 392), {300, 200}, {2400, 800}}) {
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
    EXPECT_GE(drawn, 6 * 2 * 3);
}

} // namespace
