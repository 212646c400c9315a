#include "BodePoints.h"

#include "CurveChart.h"
#include "LogAxis.h"
#include "model/Quantity.h"
#include "view/Diagram.h"
#include "view/PlotChoices.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool positive(double v) {
    return v > 0.0 && std::isfinite(v);
}

// A log axis over the data's decades; without a positive value, one decade from 1.
AxisRange decadeRange(const Extent& e) {
    const auto span = DecadeBounds(e.low, e.high);
    return span ? AxisRange{span->min, span->max} : kDecadeFromOne;
}

// Ten steps of a round number of degrees that cover the phases, starting at a multiple of
// the step, so the labels read as round degrees.
AxisRange phaseRange(const Extent& e) {
    if (!(e.high >= e.low))
        return kEmptyMinusPhase;
    for (double step : {1.0, 2.0, 5.0, 10.0, 20.0, 50.0}) {
        const double low = std::floor(e.low / step) * step;
        if (low + 10 * step >= e.high)
            return {low, low + 10 * step};
    }
    return {-200.0, 300.0};
}

} // namespace

void FillBodePoints(const std::vector<Point>& points, CCurveChart& chart) {
    for (int i = 0; i < chart.count && static_cast<size_t>(i) < points.size(); ++i) {
        const Point& p = points[static_cast<size_t>(i)];
        chart.xData[i] = p.f;
        chart.yData[i] = ValueOf(p, Quantity::Magnitude);
        chart.zData[i] = ValueOf(p, Quantity::MinusPhase);
    }
}

void SetBodeRanges(CCurveChart& chart, const PlotChoices& choices) {
    // Only the points with a place on the frequency axis count.
    Extent frequency, magnitude, phase;
    for (int i = 0; i < chart.count; ++i) {
        if (!positive(chart.xData[i]))
            continue;
        frequency.take(chart.xData[i]);
        if (positive(chart.yData[i]))
            magnitude.take(chart.yData[i]);
        if (std::isfinite(chart.zData[i]))
            phase.take(chart.zData[i]);
    }
    chart.clipToFrame = choices.view.has_value();
    const AxisRange x = choices.view ? choices.view->x : decadeRange(frequency);
    const AxisRange y = choices.view ? choices.view->y : decadeRange(magnitude);
    const AxisRange z = phaseRange(phase);
    chart.SetXRange(x.min, x.max);
    chart.SetYRange(y.min, y.max);
    chart.SetZRange(z.min, z.max);
}
