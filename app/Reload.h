#pragma once

#include <optional>
#include <string>

class CCurveChart;
class ReadoutStore;
struct PlotChoices;

// Cause codes of a failed file operation, as the file layer's exceptions number them.
enum FileFailureCause : int {
    kCauseGeneric = 1,   // reading a line failed
    kCauseBadSeek = 9,   // measuring the length failed
    kCauseDiskFull = 13, // closing failed
};

// A failure of the file layer that ended a reload early.
struct FileFailure {
    int cause = 0;
    int osError = 0; // the system's error number
    std::string fileName;
};

// Opens a measurement file for reading only, with no lock, without waiting for a writer.
// Returns the descriptor, or -1 with the system's error number in `error` (0 when the path
// names something other than a regular file).
int OpenMeasurementFile(const std::string& path, int& error);

// One reload: empties the chart, reads the file at `path` (if it is a readable regular
// file) into one point per line, sets the X and Y ranges to the data's extremes (Y from 0
// while `plusTicked`), rescales and redraws. A missing or unreadable file ends it silently
// after the chart was emptied; a failure while reading ends it with the failure, the chart
// keeping the points read so far, not redrawn.
std::optional<FileFailure> ReloadChart(const std::string& path, bool plusTicked,
                                       CCurveChart& chart);

// The same, with the user's choices about the plot applied to the ranges, and each point's
// origin recorded in `readout` when one is given.
std::optional<FileFailure> ReloadChartWith(const std::string& path, bool plusTicked,
                                           CCurveChart& chart, const PlotChoices& choices,
                                           ReadoutStore* readout);
