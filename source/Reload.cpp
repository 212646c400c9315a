#include "Reload.h"

#include "ReadProgress.h"

#include <memory>

bool GrowthWatch::Changed(const std::string& path, std::optional<std::uint64_t> size) {
    if (!seen_ || path != path_) {
        seen_ = true;
        path_ = path;
        size_ = size;
        return false;
    }
    const bool changed = size != size_;
    size_ = size;
    return changed;
}

ReadResult ReadWholeFile(const std::string& path, GrowthWatch* watch,
                         const std::atomic<bool>* stop) {
    ReadResult result;
    MeasurementFile file = OpenForReading(path, result);
    if (!file) {
        if (watch != nullptr)
            watch->Changed(path, std::nullopt);
        return result;
    }
    ReadOptions options;
    options.watching = watch != nullptr;
    options.sizeChanged = watch != nullptr && watch->Changed(path, file.size);
    const auto progress = std::make_unique<ReadProgress>();
    ReadInto(file, *progress, options, stop, result);
    return result;
}
