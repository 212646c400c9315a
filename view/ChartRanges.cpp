#include "ChartRanges.h"

#include "chart/CurveChart.h"
#include "chart/PlotLayout.h"
#include "chart/RangeAdjustment.h"

#include <cmath>

namespace {

// The frame the next Draw will use.
PlotLayout nextLayout(const CCurveChart& chart) {
    return LayoutFor(chart.clientRect, chart.scaleLayoutWithSize);
}

double unscaled(double value, int exponent) {
    return value * std::pow(1000.0, exponent);
}

} // namespace

void SetChartRanges(CCurveChart& chart, AxisRange x, AxisRange y, bool plusTicked,
                    const PlotChoices& choices) {
    chart.clipToFrame = choices.view.has_value();
    if (choices.view) {
        x = choices.view->x;
        y = choices.view->y;
    } else {
        x = WidenDegenerate(x);
        y = WidenDegenerate(y);
    }
    // Frequency and ohms share no unit: the Bode diagram keeps equal scales waiting.
    if (choices.equalScales && choices.diagram == Diagram::Nyquist) {
        const PlotLayout frame = nextLayout(chart);
        EqualiseScales(x, y, frame.right - frame.left, frame.bottom - frame.top,
                       plusTicked && !choices.view);
    }
    chart.SetXRange(x.min, x.max);
    chart.SetYRange(y.min, y.max);
}

bool SetChosenView(CCurveChart& chart, const PlotChoices& choices) {
    if (!choices.view)
        return false;
    SetChartRanges(chart, choices.view->x, choices.view->y, false, choices);
    chart.AutoScale();
    return true;
}

PlotView ShownView(const CCurveChart& chart) {
    return {{unscaled(chart.xMin, chart.xExp), unscaled(chart.xMax, chart.xExp)},
            {unscaled(chart.yMin, chart.yExp), unscaled(chart.yMax, chart.yExp)}};
}
