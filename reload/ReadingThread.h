#pragma once

#include "LiveReading.h"
#include "ReadResult.h"

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

// Reads the measurement file on a thread of its own, one read at a time, so the window never
// waits for a file, whatever its size. A read and the taking of its result make one tick:
// no other read starts until the result was taken.
class ReadingThread {
  public:
    // `finished` runs on the reading thread after each read; it should only pass the news
    // on to the thread that takes the result.
    explicit ReadingThread(std::function<void()> finished);
    // Stops a running read at its next buffer and waits for the thread, never for the file.
    ~ReadingThread();
    ReadingThread(const ReadingThread&) = delete;
    ReadingThread& operator=(const ReadingThread&) = delete;

    // Starts a read of `path`; false, starting nothing, while a read runs or its result
    // waits to be taken.
    bool Start(const std::string& path);
    // The finished read's result, once; nothing while reading or when nothing was read.
    std::optional<ReadResult> Take();
    // Waits until no read is running.
    void Wait();
    // Stops the read under way, or the one about to start, at its next buffer: its result,
    // marked stopped, comes as any other.
    void Cancel();

  private:
    void run();

    LiveReading reading_;
    std::function<void()> finished_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::optional<std::string> job_;
    bool reading_now_ = false;
    std::optional<ReadResult> result_;
    bool quit_ = false;
    std::atomic<bool> stop_{false};
    // Last, so it starts once everything it uses exists.
    std::thread thread_;
};
