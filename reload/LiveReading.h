#pragma once

#include "ReadResult.h"
#include "Reload.h"

#include <atomic>
#include <memory>
#include <string>

class CCurveChart;

// The reading behind the window's ticks, one file after another: each call reads the file
// at the path as it stands now. It touches no widget and no global, so it can run on a
// thread of its own, one call at a time.
class LiveReading {
  public:
    LiveReading();
    ~LiveReading();
    LiveReading(const LiveReading&) = delete;
    LiveReading& operator=(const LiveReading&) = delete;

    // Reads the file at `path` for one tick. Once `stop` is set the read ends early and
    // the result is marked stopped.
    ReadResult Read(const std::string& path, const std::atomic<bool>& stop);

  private:
    GrowthWatch watch_;
};

// Takes a read's result into the chart on the window's side: the points and origins, then,
// when the read succeeded, the ranges (Y from 0 while `plusTicked`), AutoScale and Redraw.
// Returns the read's failure, the chart keeping the points read before it, not redrawn.
std::optional<FileFailure> TakeReadResult(const ReadResult& result, bool plusTicked,
                                          CCurveChart& chart, const PlotChoices& choices,
                                          ReadoutStore* readout);
