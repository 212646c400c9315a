#pragma once

#include "ReadResult.h"
#include "measurement/MeasurementFile.h"

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

// What one tick of the reload leaves for the next: the path it looked at and the size it
// saw there, so a last line without line end is held back while the file grows. The dialog
// owns one; a reload without one reads the file once as it stands.
class GrowthWatch {
  public:
    // Whether the file at `path`, now `size` bytes long (nothing: not readable), has another
    // size than the previous tick of the same path saw. False at the first tick of a path.
    // Remembers this tick's size for the next.
    bool Changed(const std::string& path, std::optional<std::uint64_t> size);

  private:
    bool seen_ = false;
    std::string path_;
    std::optional<std::uint64_t> size_;
};

// Reads the whole file at `path` into a result. With `watch`, a last line without line end
// waits while the file grows. With `stop`, the read ends early once it is set.
ReadResult ReadWholeFile(const std::string& path, GrowthWatch* watch,
                         const std::atomic<bool>* stop = nullptr);
