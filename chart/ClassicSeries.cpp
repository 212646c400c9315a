#include "AxisMap.h"
#include "ChartStyle.h"
#include "ClassicStyleParts.h"
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

bool NamedSeries(const CCurveChart& c) {
    return c.showZAxis && !c.yName.empty() && !c.zName.empty();
}

// Named series are drawn one after the other, the Z series over the Y series as the legend
// lists them. Within a series a dot on the very pixel of the one before it paints the same
// pixels again, so it is left out.
void DrawClassicSeriesInTurn(CCurveChart& c, Painter& p) {
    const int L = c.plotLeft, T = c.plotTop, R = c.plotRight, B = c.plotBottom;
    std::vector<int> across(static_cast<size_t>(std::max(c.count, 0)), kNoPlace);
    const AxisMap xMap(c, 'x', R - L);
    for (int i = 0; i < c.count; ++i)
        if (const auto dx = xMap(c.xData[i]))
            across[static_cast<size_t>(i)] = L + *dx;
    const struct {
        char axis;
        const double* data;
        const Pen& pen;
    } series[] = {{'y', c.yData, kYDotPen}, {'z', c.zData, kZDotPen}};
    std::vector<PointF> centres;
    for (const auto& s : series) {
        const AxisMap map(c, s.axis, B - T);
        centres.clear();
        PixelPoint last{kNoPlace, kNoPlace};
        for (int i = 0; i < c.count; ++i) {
            const int px = across[static_cast<size_t>(i)];
            const auto dy = px == kNoPlace ? std::nullopt : map(s.data[i]);
            if (!dy)
                continue;
            const PixelPoint at{px, B - *dy};
            if (at == last || (c.clipToFrame && (at.x < L || at.x > R || at.y < T || at.y > B)))
                continue;
            centres.push_back(At(at.x, at.y));
            last = at;
        }
        p.Markers(centres, 2, s.pen.color);
    }
}

void DrawClassicLegend(CCurveChart& c, Painter& p, int fontPx) {
    const TextSize ySize = ExtentOf(p, c.yName, fontPx);
    const TextSize zSize = ExtentOf(p, c.zName, fontPx);
    const int textLeft = c.plotRight - kLegendMarginPx - std::max(ySize.cx, zSize.cx);
    const struct {
        const std::string& name;
        const Pen& pen;
        Color color;
        int top;
    } rows[] = {{c.yName, kYDotPen, kBlue, c.plotTop + kLegendMarginPx / 2},
                {c.zName, kZDotPen, kRed, c.plotTop + kLegendMarginPx / 2 + ySize.cy}};
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
