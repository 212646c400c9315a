#pragma once

#include "FileFailure.h"
#include "ReadoutStore.h"

#include <limits>
#include <optional>

class CCurveChart;
struct PlotChoices;
#include <vector>

// What one read of the measurement file leaves for the window: the chart's points in slot
// order, the data's extremes, each point's origin, or why the read ended early. Its size
// is bounded by the chart's capacity, never by the file's.
struct ReadResult {
    // A readable regular file was found; false leaves an empty chart, not redrawn.
    bool found = false;
    // The read was stopped from outside before it ended; the result shows nothing.
    bool stopped = false;
    std::optional<FileFailure> failure;
    std::vector<double> t, x, y;
    double lowestX = std::numeric_limits<double>::infinity();
    double lowestY = std::numeric_limits<double>::infinity();
    double highestX = -std::numeric_limits<double>::infinity();
    double highestY = -std::numeric_limits<double>::infinity();
    ReadoutStore readout;
};

// Takes a read's result into the chart on the window's side: the points (as the chosen
// diagram shows them) and origins, then, when the read succeeded, the ranges (Nyquist: Y
// from 0 while `plusTicked`), AutoScale and Redraw.
// Returns the read's failure, the chart keeping the points read before it, not redrawn.
std::optional<FileFailure> TakeReadResult(const ReadResult& result, bool plusTicked,
                                          CCurveChart& chart, const PlotChoices& choices,
                                          ReadoutStore* readout);
