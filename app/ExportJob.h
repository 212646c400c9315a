#pragma once

#include "analysis/KkOptions.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <thread>

// One Export Data on a thread of its own, so a file of gigabytes never holds up the window.
// It can be cancelled at any piece: the temporary file goes, and whatever was at the output
// stays as it was.
class ExportJob {
  public:
    // How the export ended: why it failed, in one line, or nothing once written.
    struct End {
        std::optional<QString> problem;
        bool cancelled = false;
    };
    // Starts writing `measurement` to `output` (the file system's bytes); `ended` runs on the
    // export's thread once it is over, and should only pass the news on.
    ExportJob(std::string measurement, std::string output, std::function<void()> ended);
    // Cancels the export and waits for it to end.
    ~ExportJob();
    ExportJob(const ExportJob&) = delete;
    ExportJob& operator=(const ExportJob&) = delete;

    void Cancel() { cancel_ = true; }
    std::uint64_t BytesWritten() const { return written_; }
    // Waits for the export and tells how it ended.
    End Finish();

  private:
    std::atomic<bool> cancel_{false};
    std::atomic<std::uint64_t> written_{0};
    End end_;
    std::function<void()> ended_;
    // Last, so it starts once everything it uses exists.
    std::thread thread_;
};
