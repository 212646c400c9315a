#pragma once

#include "ReadResult.h"
#include "Reload.h"

#include <atomic>
#include <memory>
#include <string>

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
