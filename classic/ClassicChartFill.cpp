#include "ClassicChartFill.h"

#include "BodePoints.h"
#include "ChartRanges.h"
#include "CurveChart.h"
#include "PlotLayout.h"
#include "view/PlotChoices.h"

#include <algorithm>

void FillClassicChart(CCurveChart& chart, const SeriesSnapshot& series, bool plus,
                      const PlotChoices& choices, const PlotLayout& layout) {
    chart.Clear();
    if (!series)
        return;
    const bool bode = choices.diagram == Diagram::Bode;
    const std::vector<Point>& points = series->points();
    const auto n = std::min(points.size(), static_cast<size_t>(CHART_CAPACITY));
    for (size_t i = 0; i < n; ++i) {
        chart.tData[i] = points[i].t;
        chart.xData[i] = points[i].zReal;
        chart.yData[i] = points[i].minusZImag;
    }
    chart.count = static_cast<int>(n);
    if (bode) {
        FillBodePoints(points, chart);
        SetBodeRanges(chart, choices);
    } else {
        SetChartRanges(chart, {series->zReal().low, series->zReal().high},
                       {plus ? 0.0 : series->minusZImag().low, series->minusZImag().high}, plus,
                       choices, layout);
    }
    chart.AutoScale();
}
