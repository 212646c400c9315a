#pragma once

#include "FileFailure.h"
#include "ReadoutStore.h"

#include <limits>
#include <optional>
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
