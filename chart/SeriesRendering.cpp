#include "AxisMap.h"
#include "ChartStyle.h"
#include "CurveChart.h"

#include <algorithm>
#include <climits>
#include <vector>

namespace {

constexpr int kLegendMarginPx = 6;
constexpr int kLegendDots = 3;
constexpr int kLegendDotGapPx = 6;
constexpr int kNoPlace = INT_MIN;

} // namespace

// Named series are drawn one after the other, the Z series over the Y series as the legend
// lists them. Within a series a dot on the very pixel of the one before it paints the same
// pixels again, so it is left out.
void CCurveChart::drawSeriesInTurn(IDrawSurface& dc) {
    const int L = plotLeft, T = plotTop, R = plotRight, B = plotBottom;
    std::vector<int> across(static_cast<size_t>(std::max(count, 0)), kNoPlace);
    const AxisMap xMap(*this, 'x', R - L);
    for (int i = 0; i < count; ++i)
        if (const auto dx = xMap(xData[i]))
            across[static_cast<size_t>(i)] = L + *dx;
    const struct {
        char axis;
        const double* data;
        const Pen& pen;
    } series[] = {{'y', yData, kYDotPen}, {'z', zData, kZDotPen}};
    for (const auto& s : series) {
        const AxisMap map(*this, s.axis, B - T);
        dc.SelectPen(s.pen);
        PixelPoint last{kNoPlace, kNoPlace};
        for (int i = 0; i < count; ++i) {
            const int px = across[static_cast<size_t>(i)];
            const auto dy = px == kNoPlace ? std::nullopt : map(s.data[i]);
            if (!dy)
                continue;
            const PixelPoint p{px, B - *dy};
            if (p == last || (clipToFrame && (p.x < L || p.x > R || p.y < T || p.y > B)))
                continue;
            dc.Ellipse(p.x - 1, p.y - 1, p.x + 1, p.y + 1);
            last = p;
        }
    }
}

void CCurveChart::drawLegend(IDrawSurface& dc, int fontPx) {
    std::optional<Font> savedFont;
    if (fontPx != 0)
        savedFont = dc.SelectFont(Font{"", fontPx, 0});
    const TextSize ySize = dc.GetTextExtent(yName);
    const TextSize zSize = dc.GetTextExtent(zName);
    const int textLeft = plotRight - kLegendMarginPx - std::max(ySize.cx, zSize.cx);
    const struct {
        const std::string& name;
        const Pen& pen;
        Color color;
        int top;
    } rows[] = {{yName, kYDotPen, kBlue, plotTop + kLegendMarginPx / 2},
                {zName, kZDotPen, kRed, plotTop + kLegendMarginPx / 2 + ySize.cy}};
    for (const auto& row : rows) {
        const int middle = row.top + ySize.cy / 2;
        dc.SelectPen(row.pen);
        // A short run of the series' own dots.
        for (int k = 1; k <= kLegendDots; ++k) {
            const int x = textLeft - kLegendMarginPx / 2 - k * kLegendDotGapPx;
            dc.Ellipse(x - 1, middle - 1, x + 1, middle + 1);
        }
        dc.SetTextColor(row.color);
        dc.TextOut(textLeft, row.top, row.name);
    }
    if (savedFont)
        dc.SelectFont(*savedFont);
}
