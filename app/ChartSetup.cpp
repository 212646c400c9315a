#include "ChartSetup.h"

#include "chart/CurveChart.h"
#include "view/Diagram.h"

void SetUpChart(CCurveChart& chart, Diagram diagram) {
    chart.Init("", "", "", 0, 0, 0);
    ShowAs(chart, diagram);
    chart.SetXRange(kEmptyZReal.min, kEmptyZReal.max);
    chart.SetYRange(kEmptyMinusZImag.min, kEmptyMinusZImag.max);
    // The right-hand axis starts as the one across.
    chart.SetZRange(kEmptyZReal.min, kEmptyZReal.max);
    // Pictures larger or smaller than the plot area keep their texts inside.
    chart.scaleLayoutWithSize = true;
}
