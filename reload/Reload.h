#pragma once

#include "FileFailure.h"
#include "MeasurementFile.h"
#include "ReadResult.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

class CCurveChart;
class ReadoutStore;
struct PlotChoices;

// What one tick of the reload leaves for the next: the path it looked at and the size it
// saw there, so a last line without line end is held back while the file grows. The dialog
// owns one; a reload without one reads the file once as it stands.
class GrowthWatch {
  public:
    // Whether the file at `path`, now `size` bytes long (nothing: not readable), has another
    // size than the previous tick of the same path saw. False at the first tick of a path.
    // Remembers this tick's size for the next.
    bool Changed(const std::string& path, std::optional<std::uint64_t> size);

  private:
    bool seen_ = false;
    std::string path_;
    std::optional<std::uint64_t> size_;
};

// One reload: empties the chart, reads the file at `path` (if it is a readable regular
// file) in whatever format it is, one point per measurement row, sets the X and Y ranges to
// the data's extremes (Y from 0 while `plusTicked`), rescales and redraws. A missing or
// unreadable file ends it silently after the chart was emptied; a failure while reading ends
// it with the failure, the chart keeping the points read so far, not redrawn. With `watch`,
// a last line without line end waits while the file grows.
std::optional<FileFailure> ReloadChart(const std::string& path, bool plusTicked, CCurveChart& chart,
                                       GrowthWatch* watch = nullptr);

// The same, with the user's choices about the plot applied to the ranges, and each point's
// origin recorded in `readout` when one is given.
std::optional<FileFailure> ReloadChartWith(const std::string& path, bool plusTicked,
                                           CCurveChart& chart, const PlotChoices& choices,
                                           ReadoutStore* readout, GrowthWatch* watch = nullptr);

// The reading half of a reload: reads the whole file at `path` into a result, without
// touching any chart. With `watch`, as ReloadChart. With `stop`, the read ends early once it
// is set.
ReadResult ReadWholeFile(const std::string& path, GrowthWatch* watch,
                         const std::atomic<bool>* stop = nullptr);
