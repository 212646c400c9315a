#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <string>
#include <vector>

// One measured point: where it lies, and where in the file it came from.
struct Point {
    double t = 0.0;          // the row's ordinal in the file, which thinning spreads evenly
    double f = 0.0;          // frequency, Hz
    double zReal = 0.0;      // Z', ohm
    double minusZImag = 0.0; // −Z'', ohm
    std::int64_t line = 0;   // the line of the file, from 1
    int sweep = 1;           // which sweep of the file, from 1
};

// The lowest and highest of a quantity over every point measured.
struct Extent {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
    bool empty() const { return !(high >= low); }
    // A NaN fails both comparisons and moves nothing.
    void take(double v) {
        if (v < low)
            low = v;
        if (v > high)
            high = v;
    }
};

// The points of one measurement as read so far, at most kKeptPoints of them spread evenly
// over the whole file, and the extents of every row read, kept or not. A SeriesBuilder makes
// it; once made it never changes.
class Series {
  public:
    Series() = default;

    const std::string& name() const { return name_; }
    const std::vector<Point>& points() const { return points_; }
    const Extent& zReal() const { return zReal_; }
    const Extent& minusZImag() const { return minusZImag_; }
    // Rows with both parts a number: header lines of a plain file give none.
    std::int64_t measured() const { return measured_; }
    // The file stores its values as float32: they read as such, not as the doubles they
    // widen to.
    bool float32() const { return float32_; }

  private:
    friend class SeriesBuilder;

    std::string name_;
    std::vector<Point> points_;
    Extent zReal_, minusZImag_;
    std::int64_t measured_ = 0;
    bool float32_ = false;
};

// What the reading side hands over: never changed once handed, so it is shared, not copied.
using SeriesSnapshot = std::shared_ptr<const Series>;
