#include "ViewNavigation.h"

#include <algorithm>
#include <cmath>

namespace {

// At least this many distinct values per axis, so labels and dots keep meaning.
constexpr double kFinestRelativeSpan = 1e-12;

bool usable(const AxisRange& r) {
    if (!std::isfinite(r.min) || !std::isfinite(r.max) || !(r.max > r.min))
        return false;
    const double span = r.max - r.min;
    const double magnitude = std::max(std::fabs(r.min), std::fabs(r.max));
    return std::isfinite(span) && span > kFinestRelativeSpan * magnitude;
}

AxisRange zoomAxis(const AxisRange& r, double fraction, double factor) {
    const double anchor = r.min + fraction * (r.max - r.min);
    return {anchor - (anchor - r.min) / factor, anchor + (r.max - anchor) / factor};
}

AxisRange shiftAxis(const AxisRange& r, double fraction) {
    const double by = fraction * (r.max - r.min);
    return {r.min + by, r.max + by};
}

double share(int pixels, int extent) {
    return extent > 0 ? static_cast<double>(pixels) / extent : 0.0;
}

PlotView takeIfUsable(const PlotView& wanted, const PlotView& old) {
    return usable(wanted.x) && usable(wanted.y) ? wanted : old;
}

} // namespace

PixelFrame FrameOf(const CCurveChart& chart) {
    return {chart.plotLeft, chart.plotTop, chart.plotRight, chart.plotBottom};
}

PlotView ZoomedAbout(const PlotView& view, const PixelFrame& frame, PixelPoint at, double factor) {
    if (!(factor > 0.0) || !std::isfinite(factor))
        return view;
    const PlotView wanted{
        zoomAxis(view.x, share(at.x - frame.left, frame.right - frame.left), factor),
        zoomAxis(view.y, share(frame.bottom - at.y, frame.bottom - frame.top), factor)};
    return takeIfUsable(wanted, view);
}

PlotView Panned(const PlotView& view, const PixelFrame& frame, int dx, int dy) {
    const PlotView wanted{shiftAxis(view.x, -share(dx, frame.right - frame.left)),
                          shiftAxis(view.y, share(dy, frame.bottom - frame.top))};
    return takeIfUsable(wanted, view);
}
