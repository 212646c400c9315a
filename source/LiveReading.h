#pragma once

#include "ReadResult.h"
#include "Reload.h"

#include <atomic>
#include <memory>
#include <string>

struct ReadProgress;

// The reading behind the window's ticks, one file after another: each call reads the file
// at the path as it stands now. It touches no widget and no global, so it can run on a
// thread of its own, one call at a time.
//
// While the file only grows, a call reads only what was appended since the previous one and
// goes on from where that one ended; its result is the one a read of the whole file gives.
// The whole file is read again when it was replaced, truncated, rewritten at its start or
// before the previous end, or tells another format, and at least every `fullReadEvery`th
// call, so a rewrite in the middle is never missed for long.
class LiveReading {
  public:
    explicit LiveReading(int fullReadEvery = 30);
    ~LiveReading();
    LiveReading(const LiveReading&) = delete;
    LiveReading& operator=(const LiveReading&) = delete;

    // Reads the file at `path` for one tick. Once `stop` is set the read ends early and
    // the result is marked stopped.
    ReadResult Read(const std::string& path, const std::atomic<bool>& stop);

  private:
    GrowthWatch watch_;
    int fullReadEvery_;
    int readsSinceWhole_ = 0;
    std::string path_;
    std::unique_ptr<ReadProgress> progress_;
};
