#include "AxisMap.h"
#include "ClassicStyleParts.h"
#include "CurveChart.h"
#include "PlotLayout.h"

std::vector<SlotDots> ClassicDotPlaces(const CCurveChart& c, const PlotLayout& layout) {
    const int L = layout.left, T = layout.top, R = layout.right, B = layout.bottom;
    const AxisMap xMap(c, 'x', R - L);
    const AxisMap yMap(c, 'y', B - T);
    const AxisMap zMap(c, 'z', B - T);
    // Zoomed in, dots beyond the frame would cover the labels.
    const auto place = [&](int x, std::optional<int> up) -> std::optional<PixelPoint> {
        if (!up)
            return std::nullopt;
        const PixelPoint at{x, B - *up};
        if (c.clipToFrame && (at.x < L || at.x > R || at.y < T || at.y > B))
            return std::nullopt;
        return at;
    };
    std::vector<SlotDots> dots(static_cast<size_t>(std::max(c.count, 0)));
    for (int i = 0; i < c.count; ++i) {
        const auto dx = xMap(c.xData[i]);
        if (!dx)
            continue;
        SlotDots& slot = dots[static_cast<size_t>(i)];
        slot.y = place(L + *dx, yMap(c.yData[i]));
        if (c.showZAxis)
            slot.z = place(L + *dx, zMap(c.zData[i]));
    }
    return dots;
}
