#pragma once

#include "LiveReading.h"
#include "ReadResult.h"
#include "SweepChecks.h"
#include "SweepFits.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
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
    ~ReadingThread();
    ReadingThread(const ReadingThread&) = delete;
    ReadingThread& operator=(const ReadingThread&) = delete;

    // Starts a read of `paths`, one after the other; false, starting nothing, while a read
    // runs or its result waits to be taken. A file left out is forgotten.
    bool Start(std::vector<std::string> paths);
    // The finished read's results, in the order the files were given, once; nothing while
    // reading or when nothing was read.
    std::optional<std::vector<ReadResult>> Take();
    // Waits until no read is running.
    void Wait();
    // Stops the read under way, or the one about to start, at its next buffer: its result,
    // marked stopped, comes as any other.
    void Cancel();
    // How the reads from the next on check the sweeps they read.
    void SetKkOptions(const KkOptions& options);
    // The circuit the reads from the next on fit to each sweep; none without a circuit.
    void SetFitChoice(const FitChoice& choice);
    // Stops the fits of the read under way, if any: each sweep not fitted anew keeps the fit
    // it had.
    void CancelFits();

  private:
    void run();

    std::map<std::string, std::unique_ptr<LiveReading>> readings_;
    std::map<std::string, LiveChecks> checks_;
    std::map<std::string, LiveFits> fits_;
    KkOptions kkOptions_;
    FitChoice fitChoice_;
    std::function<void()> finished_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<std::vector<std::string>> job_;
    bool reading_now_ = false;
    std::optional<std::vector<ReadResult>> result_;
    bool quit_ = false;
    std::atomic<bool> stop_{false};
    std::atomic<bool> stopFits_{false};
    // Last, so it starts once everything it uses exists.
    std::thread thread_;
};
