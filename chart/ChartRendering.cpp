#include "AxisMap.h"
#include "CurveChart.h"
#include "GdiPainter.h"
#include "Render.h"

#include <optional>

namespace {

// Where the last Draw put the dot of slot i on the `axis` channel against X.
std::optional<PixelPoint> dotCentre(CCurveChart& c, int i, char axis, const double* data) {
    if (i < 0 || i >= c.count)
        return std::nullopt;
    const int L = c.plotLeft, T = c.plotTop, R = c.plotRight, B = c.plotBottom;
    const auto dx = AxisMap(c, 'x', R - L)(c.xData[i]);
    const auto dy = AxisMap(c, axis, B - T)(data[i]);
    if (!dx || !dy)
        return std::nullopt;
    const PixelPoint p{L + *dx, B - *dy};
    if (c.clipToFrame && (p.x < L || p.x > R || p.y < T || p.y > B))
        return std::nullopt;
    return p;
}

} // namespace

std::optional<PixelPoint> CCurveChart::DotCentre(int i) {
    return dotCentre(*this, i, 'y', yData);
}

std::optional<PixelPoint> CCurveChart::ZDotCentre(int i) {
    if (!showZAxis)
        return std::nullopt;
    return dotCentre(*this, i, 'z', zData);
}

bool CCurveChart::Draw(IDrawSurface* pDC) {
    if (pDC == nullptr) {
        lastError = kErrNoSurface;
        return false;
    }
    GdiPainter painter(*pDC);
    ChartModel model;
    model.classic = this;
    Render(model, clientRect.right - clientRect.left, clientRect.bottom - clientRect.top, painter);
    return true;
}
