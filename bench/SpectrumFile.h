#pragma once

#include "measurement/MeasurementFile.h"
#include "model/Series.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

// Sweeps written one after another to a temporary plain file, removed again at the end.
class SpectrumFile {
  public:
    explicit SpectrumFile(const std::vector<std::vector<Point>>& sweeps) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "korvane-bench-XXXXXX").string();
        const int fd = ::mkstemp(pattern.data());
        if (fd < 0)
            std::abort();
        ::close(fd);
        path_ = pattern;
        std::FILE* out = std::fopen(path_.c_str(), "wb");
        if (out == nullptr)
            std::abort();
        for (const std::vector<Point>& sweep : sweeps)
            for (const Point& p : sweep)
                std::fprintf(out, "%.6e\t%.6e\t%.6e\n", p.f, p.zReal, -p.minusZImag);
        std::fclose(out);
    }
    ~SpectrumFile() { std::filesystem::remove(path_); }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

class CountingSink final : public RowSink {
  public:
    void OnRow(const Row&) override { ++rows; }
    long rows = 0;
};

template <typename Sink> void ReadSpectrumFile(const std::string& path, Sink& sink) {
    const MeasurementFile file = OpenMeasurementFile(path);
    if (!file)
        std::abort();
    LineReader reader(file.fd.get(), ReadLimit(file.size));
    ReadMeasurement(reader, file.size, sink);
}
