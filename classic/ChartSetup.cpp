#include "ChartSetup.h"

#include "CurveChart.h"
#include "LogAxis.h"

void ShowAs(CCurveChart& chart, Diagram diagram) {
    const bool bode = diagram == Diagram::Bode;
    chart.xTitle = bode ? "f / Hz" : "Z'";
    chart.yTitle = bode ? "|Z| / Ohm" : "-Z\"";
    chart.zTitle = bode ? "-phase / deg" : "Fitting";
    chart.yName = bode ? "|Z|" : "";
    chart.zName = bode ? "-phase" : "";
    chart.xMode = bode ? kLogAxis : 0;
    chart.yMode = bode ? kLogAxis : 0;
    chart.zMode = 0;
    chart.ShowZAxis(bode);
    chart.ShowZeroLine(!bode);
}

void SetUpChart(CCurveChart& chart, Diagram diagram) {
    chart.Init("", "", "", 0, 0, 0);
    ShowAs(chart, diagram);
    // Pictures larger or smaller than the plot area keep their texts inside.
    chart.scaleLayoutWithSize = true;
}
