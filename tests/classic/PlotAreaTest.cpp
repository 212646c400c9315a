#include "platform/PlotArea.h"
#include "DrawnChart.h"
#include "Pixels.h"
#include "classic/ClassicChartImage.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

bool isBlueText(QRgb p) {
    return qBlue(p) > 150 && qRed(p) < 120 && qGreen(p) < 120;
}

// A chart shown on a 534 x 392 plot area, X over [0, 10], Y over [-1, 1.2], so the zero
// line runs inside the frame, at y = 360 - trunc(350 * 1 / 2.2) = 201.
struct PlottedChart {
    PlottedChart() {
        area.resize(534, 392);
        EXPECT_TRUE(chart->Init("Z'", "-Z\"", "Fitting", 0, 0, 0));
        chart->ShowZeroLine(true);
    }
    void plot(const std::vector<std::pair<double, double>>& points) {
        chart->Clear();
        PutPoints(*chart, points);
        chart->SetXRange(0.0, 10.0);
        chart->SetYRange(-1.0, 1.2);
        chart->AutoScale();
        QImage image = ClassicChartImage(*chart, ClassicLayout(*chart, area.size()));
        ASSERT_FALSE(image.isNull());
        area.showPicture(std::move(image), {});
    }
    QRgb at(int x, int y) const { return area.picture().pixel(x, y); }

    PlotArea area;
    std::unique_ptr<CCurveChart> chart = std::make_unique<CCurveChart>();
};

TEST(PlotArea, ShowsStaticUntilTheFirstPicture) {
    PlottedChart p;
    const QImage before = p.area.grab().toImage();
    const QRgb background = before.pixel(300, 300);
    int textPixels = 0;
    for (int y = 0; y < 392; ++y)
        for (int x = 0; x < 534; ++x)
            if (before.pixel(x, y) != background) {
                ++textPixels;
                EXPECT_TRUE(x < 60 && y < 20) << "only the caption, top left: " << x << "," << y;
            }
    EXPECT_GT(textPixels, 10);
    EXPECT_FALSE(p.area.hasPicture());

    p.plot({{5.0, 0.5}});
    EXPECT_TRUE(p.area.hasPicture());
    EXPECT_EQ(p.area.grab().toImage().convertToFormat(QImage::Format_RGB32), p.area.picture());
    // Repainting shows the same picture again.
    p.area.repaint();
    EXPECT_EQ(p.area.grab().toImage().convertToFormat(QImage::Format_RGB32), p.area.picture());
}

TEST(PlotArea, FrameIsRedOnExactlyItsPixels) {
    PlottedChart p;
    p.plot({});
    const int gridRows[] = {290, 220, 150, 80};
    for (int y = 10; y <= 360; ++y) {
        const bool grid =
            std::find(std::begin(gridRows), std::end(gridRows), y) != std::end(gridRows);
        EXPECT_EQ(p.at(70, y), grid ? kGreenPx : kRedPx) << "left edge, y " << y;
        EXPECT_EQ(p.at(460, y), y == 10 || y >= 11 ? kRedPx : kWhitePx) << "right edge, y " << y;
    }
    for (int x = 70; x <= 460; ++x) {
        EXPECT_EQ(p.at(x, 10), kRedPx) << "top edge, x " << x;
        EXPECT_EQ(p.at(x, 360), kRedPx) << "bottom edge, x " << x;
    }
    EXPECT_EQ(p.at(69, 200), kWhitePx) << "one free column before the frame";
    EXPECT_EQ(p.at(461, 200), kWhitePx);
    EXPECT_EQ(p.at(300, 9), kWhitePx);
    EXPECT_EQ(p.at(74, 325), kWhitePx) << "Y ticks are four pixels long";
    EXPECT_EQ(p.at(73, 325), kRedPx);
    EXPECT_EQ(p.at(109, 355), kWhitePx) << "X ticks are four pixels high";
    EXPECT_EQ(p.at(109, 356), kRedPx);
}

TEST(PlotArea, GridRowsAreDottedGreen) {
    PlottedChart p;
    p.plot({});
    for (int y : {290, 220, 150, 80}) {
        for (int x = 76; x < 460; ++x) {
            const bool on = ((x - 70) / 3) % 2 == 0;
            ASSERT_EQ(p.at(x, y), on ? kGreenPx : kWhitePx) << x << "," << y;
        }
    }
}

TEST(PlotArea, DotsStandWhereTheMappingPutsThemUnderTheZeroLine) {
    PlottedChart p;
    // x 2.5 -> 70 + trunc(2.5 * 390 / 10) = 167; y 0.6 -> 360 - trunc(1.6 * 350 / 2.2) = 106.
    p.plot({{2.5, 0.6}, {7.5, 0.0}});
    // Each dot is a 4 x 4 blob around the corner point (px, py).
    for (int y = 104; y <= 107; ++y)
        for (int x = 165; x <= 168; ++x)
            EXPECT_EQ(p.at(x, y), kBluePx) << x << "," << y;
    EXPECT_EQ(p.at(167, 108), kWhitePx);
    EXPECT_EQ(p.at(164, 106), kWhitePx);
    // The dot at Y = 0 (x 362) lies on the zero line, which is drawn over it.
    const int zeroY = 360 - static_cast<int>(350 * 1.0 / 2.2);
    for (int x = 70; x < 460; ++x)
        ASSERT_EQ(p.at(x, zeroY), kRedPx) << x;
    EXPECT_EQ(p.at(362, zeroY - 1), kBluePx);
    EXPECT_EQ(p.at(361, zeroY + 1), kBluePx);
}

TEST(PlotArea, YLabelsAndTheUpwardTitleStandLeftOfTheFrame) {
    PlottedChart p;
    p.plot({});
    // Labels: blue text right-aligned before the free column at x = 69, one per tick.
    for (int tick : {360, 325, 185, 10}) {
        int blue = 0;
        for (int y = tick - 6; y <= tick + 6; ++y)
            for (int x = 30; x < 69; ++x)
                blue += isBlueText(p.at(x, y));
        EXPECT_GT(blue, 5) << "label at " << tick;
    }
    // Title: blue text in the band left of the labels, taller than it is wide.
    int top = 392, bottom = -1, left = 534, right = -1;
    for (int y = 0; y < 392; ++y)
        for (int x = 0; x < 28; ++x)
            if (isBlueText(p.at(x, y))) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(bottom, top);
    EXPECT_GE(left, 10);
    EXPECT_GT(bottom - top, right - left) << "the title runs upward";
    EXPECT_LT(std::abs((top + bottom) / 2 - 185), 6) << "centred on the plot's height";
}

} // namespace
