#include "ChartSetup.h"

#include "chart/CurveChart.h"
#include "view/Diagram.h"

void SetUpChart(CCurveChart& chart, Diagram diagram) {
    chart.Init("", "", "", 0, 0, 0);
    ShowAs(chart, diagram);
    chart.SetXRange(0.0, 0.01);
    chart.SetYRange(0.0, 1.1);
    chart.SetZRange(0.0, 0.01);
    // Pictures larger or smaller than the plot area keep their texts inside.
    chart.scaleLayoutWithSize = true;
}
