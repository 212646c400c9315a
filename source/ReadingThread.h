#pragma once

#include "JobThread.h"
#include "LiveReading.h"
#include "ReadResult.h"
#include "SweepChecks.h"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Reads the measurement files on a thread of its own, one read at a time, so the window never
// waits for a file, whatever its size. A read of every file shown and the taking of their
// results make one tick: no other read starts until the results were taken. Each file is
// read on from where its last read ended, and its sweeps checked as they grow.
class ReadingThread {
  public:
    // `finished` runs on the reading thread after each read; it should only pass the news
    // on to the thread that takes the result.
    explicit ReadingThread(std::function<void()> finished);
    // Stops a running read at its next buffer and waits for the thread, never for the file.
    ~ReadingThread() = default;
    ReadingThread(const ReadingThread&) = delete;
    ReadingThread& operator=(const ReadingThread&) = delete;

    // Starts a read of `paths`, one after the other; false, starting nothing, while a read
    // runs or its result waits to be taken. A file left out is forgotten.
    bool Start(std::vector<std::string> paths) { return thread_.Start({std::move(paths), kk_}); }
    // The finished read's results, in the order the files were given, once; nothing while
    // reading or when nothing was read.
    std::optional<std::vector<ReadResult>> Take() { return thread_.Take(); }
    // Waits until no read is running.
    void Wait() { thread_.Wait(); }
    // Stops the read under way, or the one about to start, at its next buffer: its result,
    // marked stopped, comes as any other.
    void Cancel() { thread_.Cancel(); }
    // How the reads from the next on check the sweeps they read.
    void SetKkOptions(const KkOptions& options) { kk_ = options; }

  private:
    struct Job {
        std::vector<std::string> paths;
        KkOptions kk;
    };
    std::vector<ReadResult> read(const Job& job, const std::atomic<bool>& stop);

    // The reading thread's alone.
    std::map<std::string, std::unique_ptr<LiveReading>> readings_;
    std::map<std::string, LiveChecks> checks_;
    KkOptions kk_;
    // Last, so it stops first, while everything it uses exists.
    JobThread<Job, std::vector<ReadResult>> thread_;
};
