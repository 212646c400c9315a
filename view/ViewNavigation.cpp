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

// A log axis moves as a linear one in the exponents; an end at or below zero gives NaN,
// which the usable test refuses.
template <typename Move> AxisRange moved(const AxisRange& r, bool log, Move move) {
    if (!log)
        return move(r);
    const AxisRange exponents = move(AxisRange{std::log10(r.min), std::log10(r.max)});
    return {std::pow(10.0, exponents.min), std::pow(10.0, exponents.max)};
}

bool usable(const AxisRange& r, bool log) {
    return usable(r) && (!log || r.min > 0.0);
}

PlotView takeIfUsable(const PlotView& wanted, const PlotView& old, LogAxes log) {
    return usable(wanted.x, log.x) && usable(wanted.y, log.y) ? wanted : old;
}

} // namespace

PlotView ZoomedAbout(const PlotView& view, const PixelFrame& frame, PixelPoint at, double factor,
                     LogAxes log) {
    if (!(factor > 0.0) || !std::isfinite(factor))
        return view;
    const double fx = share(at.x - frame.left, frame.right - frame.left);
    const double fy = share(frame.bottom - at.y, frame.bottom - frame.top);
    const PlotView wanted{
        moved(view.x, log.x, [&](const AxisRange& r) { return zoomAxis(r, fx, factor); }),
        moved(view.y, log.y, [&](const AxisRange& r) { return zoomAxis(r, fy, factor); })};
    return takeIfUsable(wanted, view, log);
}

PlotView Panned(const PlotView& view, const PixelFrame& frame, int dx, int dy, LogAxes log) {
    const double fx = -share(dx, frame.right - frame.left);
    const double fy = share(dy, frame.bottom - frame.top);
    const PlotView wanted{
        moved(view.x, log.x, [&](const AxisRange& r) { return shiftAxis(r, fx); }),
        moved(view.y, log.y, [&](const AxisRange& r) { return shiftAxis(r, fy); })};
    return takeIfUsable(wanted, view, log);
}
