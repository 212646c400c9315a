#pragma once

#include "FolderWatch.h"
#include "JobThread.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// A followed folder's looks for its newest files, taken on a thread of their own: listing a
// folder of thousands of files and reading the head of each new one never holds up the
// window, nor waits for a read of the files shown.
class FolderLook {
  public:
    // `finished` runs on the look's thread once a look has ended; it should only pass the
    // news on to the thread that calls Take.
    FolderLook(std::string folder, std::function<void()> finished);

    // Starts a look for the newest `count` files; false, starting nothing, while one runs or
    // its result waits to be taken.
    bool Start(std::size_t count) { return thread_.Start(count); }
    // The finished look's newest files, once; nothing while looking or before any look.
    std::optional<std::vector<std::string>> Take();
    // Waits until no look is running.
    void Wait() { thread_.Wait(); }
    // Whether a look has started and its result not yet been taken.
    bool UnderWay() const { return thread_.Busy(); }

    const std::string& Folder() const { return folder_; }
    // Why the last look taken could not list the folder, or nothing when it could.
    const std::optional<IoError>& Error() const { return error_; }

  private:
    struct Look {
        std::vector<std::string> newest;
        std::optional<IoError> error;
    };

    const std::string folder_;
    std::optional<IoError> error_;
    FolderWatch watch_; // the look's thread's alone
    // Last, so it stops first, while everything it uses exists.
    JobThread<std::size_t, Look> thread_;
};
