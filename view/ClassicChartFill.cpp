#include "ClassicChartFill.h"

#include "BodePoints.h"
#include "ChartRanges.h"
#include "chart/CurveChart.h"

#include <algorithm>

bool TakeReadResult(const ReadResult& result, bool plusTicked, CCurveChart& chart,
                    const PlotChoices& choices, const ShowChart& show) {
    chart.Clear();
    const bool bode = choices.diagram == Diagram::Bode;
    if (result.series) {
        const std::vector<Point>& points = result.series->points();
        const auto n = std::min(points.size(), static_cast<size_t>(CHART_CAPACITY));
        for (size_t i = 0; i < n; ++i) {
            chart.tData[i] = points[i].t;
            chart.xData[i] = points[i].zReal;
            chart.yData[i] = points[i].minusZImag;
        }
        chart.count = static_cast<int>(n);
        if (bode)
            FillBodePoints(points, chart);
    }
    if (result.failed())
        return true;
    if (!result.found || result.stopped || !result.series)
        return false;
    if (bode) {
        SetBodeRanges(chart, choices);
    } else {
        const Series& s = *result.series;
        SetChartRanges(chart, {s.zReal().low, s.zReal().high},
                       {plusTicked ? 0.0 : s.minusZImag().low, s.minusZImag().high}, plusTicked,
                       choices);
    }
    chart.AutoScale();
    if (show)
        show();
    return false;
}

ReadResult ReloadChart(const std::string& path, bool plusTicked, CCurveChart& chart,
                       GrowthWatch* watch, const ShowChart& show) {
    return ReloadChartWith(path, plusTicked, chart, PlotChoices{}, watch, show);
}

ReadResult ReloadChartWith(const std::string& path, bool plusTicked, CCurveChart& chart,
                           const PlotChoices& choices, GrowthWatch* watch, const ShowChart& show) {
    ReadResult read = ReadWholeFile(path, watch);
    TakeReadResult(read, plusTicked, chart, choices, show);
    return read;
}
