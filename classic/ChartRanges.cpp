#include "ChartRanges.h"

#include "CurveChart.h"
#include "PlotLayout.h"
#include "chart/RangeAdjustment.h"

void SetChartRanges(CCurveChart& chart, AxisRange x, AxisRange y, bool plusTicked,
                    const PlotChoices& choices, const PlotLayout& layout) {
    chart.clipToFrame = choices.view.has_value();
    if (choices.view) {
        x = choices.view->x;
        y = choices.view->y;
    } else {
        x = WidenDegenerate(x);
        y = WidenDegenerate(y);
    }
    // Frequency and ohms share no unit: the Bode diagram keeps equal scales waiting.
    if (choices.equalScales && choices.diagram == Diagram::Nyquist)
        EqualiseScales(x, y, layout.right - layout.left, layout.bottom - layout.top,
                       plusTicked && !choices.view);
    chart.SetXRange(x.min, x.max);
    chart.SetYRange(y.min, y.max);
}
