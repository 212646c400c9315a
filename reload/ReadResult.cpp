#include "ReadResult.h"

#include "BodePoints.h"
#include "ChartRanges.h"
#include "CurveChart.h"

#include <algorithm>

std::optional<FileFailure> TakeReadResult(const ReadResult& result, bool plusTicked,
                                          CCurveChart& chart, const PlotChoices& choices,
                                          ReadoutStore* readout) {
    chart.Clear();
    const auto n = std::min(result.t.size(), static_cast<size_t>(CHART_CAPACITY));
    std::copy_n(result.t.begin(), n, chart.tData);
    std::copy_n(result.x.begin(), n, chart.xData);
    std::copy_n(result.y.begin(), n, chart.yData);
    chart.count = static_cast<int>(n);
    const bool bode = choices.diagram == Diagram::Bode;
    if (bode)
        FillBodePoints(result, chart);
    if (readout != nullptr)
        *readout = result.readout;
    if (result.failure)
        return result.failure;
    if (!result.found || result.stopped)
        return std::nullopt;
    if (bode)
        SetBodeRanges(chart, choices);
    else
        SetChartRanges(chart, {result.lowestX, result.highestX},
                       {plusTicked ? 0.0 : result.lowestY, result.highestY}, plusTicked, choices);
    chart.AutoScale();
    chart.Redraw();
    return std::nullopt;
}
