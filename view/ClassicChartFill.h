#pragma once

#include "source/ReadResult.h"
#include "source/Reload.h"

#include <functional>
#include <optional>
#include <string>

class CCurveChart;
struct PlotChoices;

// Shows the chart as it now stands, drawn anew.
using ShowChart = std::function<void()>;

// Takes a read's result into the classic chart: its points (as the chosen diagram shows
// them) slot for slot, then, when the read succeeded, the ranges (Nyquist: Y from 0 while
// `plusTicked`), AutoScale and `show`. Returns whether the read failed, the chart keeping the
// points read before it, not shown again.
bool TakeReadResult(const ReadResult& result, bool plusTicked, CCurveChart& chart,
                    const PlotChoices& choices, const ShowChart& show = {});

// One reload into the classic chart: reads the file at `path` whole and takes it in as
// above, and returns the read. A missing or unreadable file leaves the chart emptied and not
// shown. With `watch`, a last line without line end waits while the file grows.
ReadResult ReloadChart(const std::string& path, bool plusTicked, CCurveChart& chart,
                       GrowthWatch* watch = nullptr, const ShowChart& show = {});
ReadResult ReloadChartWith(const std::string& path, bool plusTicked, CCurveChart& chart,
                           const PlotChoices& choices, GrowthWatch* watch = nullptr,
                           const ShowChart& show = {});
