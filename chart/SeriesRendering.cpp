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
void CCurveChart::drawSeriesInTurn(Painter& p) {
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
    std::vector<PointF> centres;
    for (const auto& s : series) {
        const AxisMap map(*this, s.axis, B - T);
        centres.clear();
        PixelPoint last{kNoPlace, kNoPlace};
        for (int i = 0; i < count; ++i) {
            const int px = across[static_cast<size_t>(i)];
            const auto dy = px == kNoPlace ? std::nullopt : map(s.data[i]);
            if (!dy)
                continue;
            const PixelPoint at{px, B - *dy};
            if (at == last || (clipToFrame && (at.x < L || at.x > R || at.y < T || at.y > B)))
                continue;
            centres.push_back(At(at.x, at.y));
            last = at;
        }
        p.Markers(centres, 2, s.pen.color);
    }
}

void CCurveChart::drawLegend(Painter& p, int fontPx) {
    const TextSize ySize = ExtentOf(p, yName, fontPx);
    const TextSize zSize = ExtentOf(p, zName, fontPx);
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
        // A short run of the series' own dots.
        PointF dots[kLegendDots];
        for (int k = 1; k <= kLegendDots; ++k)
            dots[k - 1] = At(textLeft - kLegendMarginPx / 2 - k * kLegendDotGapPx, middle);
        p.Markers(dots, 2, row.pen.color);
        p.Text(PlainText(row.name), At(textLeft, row.top), fontPx, row.color);
    }
}
