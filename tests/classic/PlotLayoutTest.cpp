#include "classic/PlotLayout.h"
#include "DrawnChart.h"
#include "RecordingSurface.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(PlotLayout, ClassicUnlessScaledAndScaledKeeps534By392) {
    const struct {
        RECT client;
        bool scaled;
        int left, top, right, bottom, fontPx;
    } cases[] = {
        {{0, 0, 534, 392}, false, 70, 10, 460, 360, 0},
        {{0, 0, 534, 392}, true, 70, 10, 460, 360, 0},
        {{0, 0, 1600, 1200}, false, 70, 10, 1530, 1170, 0},
        {{0, 0, 1600, 1200}, true, 210, 30, 1390, 1096, 39},
        {{0, 0, 200, 150}, true, 43, 6, 157, 127, 8}, // text no smaller than 8 pixels
        {{0, 0, 100, 0}, true, 70, 10, 30, -30, 0},   // no area: classic
    };
    for (const auto& tc : cases) {
        const PlotLayout l = LayoutFor(tc.client, tc.scaled);
        EXPECT_EQ((RECT{l.left, l.top, l.right, l.bottom}),
                  (RECT{tc.left, tc.top, tc.right, tc.bottom}))
            << tc.client.right << "x" << tc.client.bottom << " " << tc.scaled;
        EXPECT_EQ(l.fontPx, tc.fontPx);
    }
}

TEST(ChartRendering, DotsAndZeroLineBeyondTheFrameAreLeftOutOnlyWhileAsked) {
    for (bool clip : {false, true}) {
        auto c = std::make_unique<CCurveChart>();
        c->Clear();
        PutPoints(*c, {{-1.0, 5.0}, {5.0, 5.0}, {11.0, 5.0}, {5.0, -1.0}});
        c->SetXRange(0, 10);
        c->SetYRange(1, 10); // the zero line lies below the frame
        c->ShowZeroLine(true);
        c->AutoScale();
        c->clipToFrame = clip;
        RecordingSurface s;
        const RenderResult drawn = DrawOn(*c, s);
        int dots = 0, zeroLines = 0;
        for (const auto& op : s.ops) {
            dots += op.rfind("Ellipse", 0) == 0;
            zeroLines += op == "LineTo 460 398";
        }
        EXPECT_EQ(dots, clip ? 1 : 4);
        EXPECT_EQ(drawn.dots.size(), static_cast<size_t>(dots)) << "every dot drawn, no other";
        EXPECT_EQ(zeroLines, clip ? 0 : 1);
        EXPECT_EQ(DotOf(drawn, 0).has_value(), !clip);
        EXPECT_EQ(DotOf(drawn, 1), (PixelPoint{265, 205}));
    }
}

} // namespace
