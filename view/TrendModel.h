#pragma once

#include "DiagramModels.h"
#include "chart/ChartModel.h"

#include <string>
#include <vector>

// One fitted value of a trend: where it stands across, its value and its standard error.
struct TrendPoint {
    double at = 0;
    double value = 0;
    double error = 0; // NaN when the fit could not tell
};

// The values of `parameter` to follow: against the sweep number for one file, against the
// file (its newest fitted sweep, numbered from 1) for several. Sweeps not fitted leave gaps.
std::vector<TrendPoint> TrendOf(const std::vector<ShownFile>& files, const std::string& parameter);

// The trend's diagram: a dot at each value joined by a line, the standard error as a bar up
// and down. The axis across spans `leastSpan` sweeps or files at least, so its labels count
// whole ones and the trend grows into it.
ChartModel TrendModel(const std::vector<ShownFile>& files, const std::string& parameter,
                      int leastSpan = 10);
