#include "ClassicChartFill.h"

#include "BodePoints.h"
#include "ChartRanges.h"
#include "chart/CurveChart.h"

#include <algorithm>

std::optional<FileFailure> TakeReadResult(const ReadResult& result, bool plusTicked,
                                          CCurveChart& chart, const PlotChoices& choices,
                                          const ShowChart& show) {
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
    if (result.failure)
        return result.failure;
    if (!result.found || result.stopped || !result.series)
        return std::nullopt;
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
    return std::nullopt;
}

std::optional<FileFailure> ReloadChart(const std::string& path, bool plusTicked, CCurveChart& chart,
                                       GrowthWatch* watch, const ShowChart& show) {
    return ReloadChartWith(path, plusTicked, chart, PlotChoices{}, watch, show);
}

std::optional<FileFailure> ReloadChartWith(const std::string& path, bool plusTicked,
                                           CCurveChart& chart, const PlotChoices& choices,
                                           GrowthWatch* watch, const ShowChart& show) {
    return TakeReadResult(ReadWholeFile(path, watch), plusTicked, chart, choices, show);
}
