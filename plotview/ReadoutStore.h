#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CCurveChart;

// Where a point came from: its frequency and its line in the file, with the chart's t, and
// its Z' and -Z'' as taken, so they read out whichever diagram shows the point.
struct PointOrigin {
    double t = 0.0;
    double frequency = 0.0;
    std::int64_t line = 0;
    double zReal = 0.0;
    double minusZImag = 0.0;
};

// What the readout tells beyond the chart's own channels, one entry per slot of the chart.
// The chart stores, thins and draws as ever; this store follows its thinning by t.
class ReadoutStore {
  public:
    void Clear();
    // Records the point the chart has just added (x = Z', y = -Z''). When the chart thinned before
    // taking it, the store first keeps only the entries whose t the chart kept.
    void Add(const CCurveChart& chart, double frequency, std::int64_t line);
    // The file's format and how many points it holds (beyond what the chart keeps).
    void SetFile(std::string format, std::int64_t points);

    // The origin of chart slot i, or nullptr when none was recorded.
    const PointOrigin* At(int slot) const;
    int size() const { return static_cast<int>(origins_.size()); }
    const std::string& format() const { return format_; }
    std::int64_t points() const { return points_; }

  private:
    void followThinning(const CCurveChart& chart, int kept);

    std::vector<PointOrigin> origins_;
    std::string format_;
    std::int64_t points_ = 0;
};
