#include "LiveReading.h"

#include "FileGrowth.h"
#include "ReadProgress.h"

LiveReading::LiveReading(int fullReadEvery) : fullReadEvery_(fullReadEvery) {}
LiveReading::~LiveReading() = default;

ReadResult LiveReading::Read(const std::string& path, const std::atomic<bool>& stop) {
    ReadResult result;
    MeasurementFile file = OpenForReading(path, result);
    if (!file) {
        watch_.Changed(path, std::nullopt);
        progress_.reset();
        return result;
    }
    ReadOptions options;
    options.watching = true;
    options.sizeChanged = watch_.Changed(path, file.size);
    const bool goOn = progress_ != nullptr && path == path_ &&
                      readsSinceWhole_ + 1 < fullReadEvery_ && OnlyGrew(file, *progress_);
    if (goOn) {
        ++readsSinceWhole_;
    } else {
        progress_ = std::make_unique<ReadProgress>();
        path_ = path;
        readsSinceWhole_ = 0;
    }
    ReadInto(file, *progress_, options, &stop, result);
    // What a failed or stopped read took in may be half of a line: start afresh.
    if (result.failed() || result.stopped)
        progress_.reset();
    return result;
}
