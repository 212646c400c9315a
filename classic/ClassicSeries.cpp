#include "ChartStyle.h"
#include "ClassicStyleParts.h"
#include "CurveChart.h"
#include "PlotLayout.h"

#include <algorithm>

using namespace classic_style;

bool NamedSeries(const CCurveChart& c) {
    return c.showZAxis && !c.yName.empty() && !c.zName.empty();
}

// Within a series a dot on the very pixel of the one before it paints the same pixels
// again, so it is left out.
void DrawClassicSeriesInTurn(const std::vector<SlotDots>& dots, Painter& p) {
    const struct {
        std::optional<PixelPoint> SlotDots::*place;
        const Pen& pen;
    } series[] = {{&SlotDots::y, kYDotPen}, {&SlotDots::z, kZDotPen}};
    std::vector<PointF> centres;
    for (const auto& s : series) {
        centres.clear();
        std::optional<PixelPoint> last;
        for (const SlotDots& slot : dots) {
            const std::optional<PixelPoint>& at = slot.*s.place;
            if (!at || at == last)
                continue;
            centres.push_back(At(at->x, at->y));
            last = at;
        }
        p.Markers(centres, kDotDiameterPx, s.pen.color);
    }
}

void DrawClassicLegend(const CCurveChart& c, Painter& p, const PlotLayout& layout) {
    const int fontPx = layout.fontPx;
    const TextSize ySize = ExtentOf(p, c.yName, fontPx);
    const TextSize zSize = ExtentOf(p, c.zName, fontPx);
    const int textLeft = layout.right - kLegendMarginPx - std::max(ySize.cx, zSize.cx);
    const struct {
        const std::string& name;
        const Pen& pen;
        Color color;
        int top;
    } rows[] = {{c.yName, kYDotPen, kBlue, layout.top + kLegendMarginPx / 2},
                {c.zName, kZDotPen, kRed, layout.top + kLegendMarginPx / 2 + ySize.cy}};
    for (const auto& row : rows) {
        const int middle = row.top + ySize.cy / 2;
        // A short run of the series' own dots.
        PointF dots[kLegendDots];
        for (int k = 1; k <= kLegendDots; ++k)
            dots[k - 1] = At(textLeft - kLegendMarginPx / 2 - k * kLegendDotGapPx, middle);
        p.Markers(dots, kDotDiameterPx, row.pen.color);
        p.Text(PlainText(row.name), At(textLeft, row.top), fontPx, row.color);
    }
}
