#include "ReadableChart.h"
#include "chart/Render.h"
#include "model/SeriesBuilder.h"

#include <gtest/gtest.h>

namespace {

// Residuals at 1 Hz, 10 Hz and 100 Hz, Δ′ filled and Δ″ open, under a Nyquist or a Bode
// diagram: the panel lies below the frame, lined up with it, its dots on the log-f axis and
// its band over ±1 %.
TEST(PanelBelow, DotsStandOnTheLogFrequencyAxisOverTheBandLinedUpWithTheDiagram) {
    SeriesBuilder builder;
    const double f[] = {1, 10, 100}, re[] = {0.5, -0.5, 2}, im[] = {-2, 0, 0.25};
    for (int i = 0; i < 3; ++i)
        builder.Add({double(i), f[i], re[i], im[i], i + 1, 1});
    const SeriesSnapshot residuals = builder.Make();
    auto panel = std::make_shared<ChartModel>();
    panel->x = {1, 100, true, true, "f", "Hz", kBlack};
    panel->y = {-3, 3, false, true, "\u0394", "%", kBlack};
    panel->band = AxisRange{-1, 1};
    panel->series.push_back({residuals, Quantity::Frequency, Quantity::ZReal, false, kOkabeBlue});
    panel->series.push_back(
        {residuals, Quantity::Frequency, Quantity::MinusZImag, false, kOkabeBlue});
    panel->series.back().open = true;
    for (const bool bode : {false, true}) {
        SCOPED_TRACE(bode ? "Bode" : "Nyquist");
        ChartModel m;
        m.x = {0, 1000, false, true, "Z\u2032", "\u03a9", kBlack};
        m.y = {0, 123456, false, true, "\u2212Z\u2033", "\u03a9", kBlack};
        if (bode)
            m.rightY = AxisModel{0, 90, false, true, "\u2212\u03c6", "\u00b0", kBlack};
        m.below = panel;
        BoxPainter p;
        const RenderResult r = Render(m, 534, 392, p);
        ASSERT_TRUE(r.below);
        const RenderResult& b = *r.below;
        EXPECT_GT(b.frame.top, r.frame.bottom + 20);
        EXPECT_LT(b.frame.bottom, 392);
        EXPECT_DOUBLE_EQ(b.frame.left, r.frame.left);
        EXPECT_DOUBLE_EQ(b.frame.right, r.frame.right);
        ASSERT_EQ(p.centres.size(), 3u);
        ASSERT_EQ(p.ringCentres.size(), 3u);
        const double decade = b.frame.width() / (2 / (1 - 2 * 0.04));
        for (int i = 0; i < 3; ++i) {
            EXPECT_NEAR(p.centres[i].x,
                        b.frame.left + 0.04 / (1 - 2 * 0.04) * 2 * decade + i * decade, 1e-6);
            EXPECT_NEAR(p.ringCentres[i].x, p.centres[i].x, 1e-9);
            EXPECT_NEAR(p.centres[i].y, b.y.ToPixel(re[i]), 1e-9);
            EXPECT_NEAR(p.ringCentres[i].y, b.y.ToPixel(im[i]), 1e-9);
        }
        const auto band = std::find_if(p.fills.begin(), p.fills.end(), [](const auto& fill) {
            return fill.second == Paper{}.band;
        });
        ASSERT_NE(band, p.fills.end());
        EXPECT_NEAR(band->first.top, b.y.ToPixel(1), 1e-9);
        EXPECT_NEAR(band->first.bottom, b.y.ToPixel(-1), 1e-9);
        EXPECT_NEAR(band->first.width(), b.frame.width(), 1e-9);
    }
}

} // namespace
