#include "ChartSetup.h"

#include "CurveChart.h"
#include "Diagram.h"

void SetUpChart(CCurveChart& chart, Diagram diagram) {
    // A chart without a window (a snapshot's) has no client area to ask for: emptying it is
    // all that Init would do for it.
    if (!chart.Init("", "", "", 0, 0, 0))
        chart.Clear();
    ShowAs(chart, diagram);
    chart.SetXRange(0.0, 0.01);
    chart.SetYRange(0.0, 1.1);
    chart.SetZRange(0.0, 0.01);
    // Pictures larger or smaller than the plot area keep their texts inside.
    chart.scaleLayoutWithSize = true;
}
