#pragma once

#include "chart/PixelPoint.h"
#include "classic/ClassicStyle.h"
#include "classic/CurveChart.h"
#include "classic/PlotLayout.h"

#include <optional>
#include <utility>
#include <vector>

// Puts (x, y) points into the chart's slots as the filling does, t counting them.
inline void PutPoints(CCurveChart& c, const std::vector<std::pair<double, double>>& points) {
    for (const auto& [x, y] : points) {
        c.tData[c.count] = c.count;
        c.xData[c.count] = x;
        c.yData[c.count++] = y;
    }
}

// The chart drawn on `surface` over `client` in its layout, as every picture draws it.
inline RenderResult DrawOn(const CCurveChart& c, IDrawSurface& surface,
                           RECT client = {0, 0, 534, 392}) {
    return DrawClassicChart(c, LayoutFor(client, c.scaleLayoutWithSize), surface);
}

// Where the dot of `series` (0: Y, 1: Z) of slot `index` was drawn, if it was.
inline std::optional<PixelPoint> DotOf(const RenderResult& r, int index, int series = 0) {
    for (const DrawnDot& d : r.dots)
        if (d.series == series && d.index == index)
            return PixelPoint{static_cast<int>(d.at.x), static_cast<int>(d.at.y)};
    return std::nullopt;
}
