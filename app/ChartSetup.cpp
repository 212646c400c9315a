#include "ChartSetup.h"

#include "CurveChart.h"

void SetUpChart(CCurveChart& chart) {
    chart.Init("Z'", "-Z\"", "Fitting", 0, 0, 0);
    chart.ShowZAxis(false);
    chart.ShowZeroLine(true);
    chart.SetXRange(0.0, 0.01);
    chart.SetYRange(0.0, 1.1);
    chart.SetZRange(0.0, 0.01);
    // Pictures larger or smaller than the plot area keep their texts inside.
    chart.scaleLayoutWithSize = true;
}
