#pragma once

#include "Thinning.h"

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

// The points of one measurement, kept to kKeptPoints spread evenly over the whole file,
// and the extents of every row read, kept or not.
class Series {
  public:
    explicit Series(std::string name = {}) : name_(std::move(name)) {}

    // Takes one row. An infinite Z' or −Z'' makes a point that is neither drawn nor counted
    // in the extents.
    void Add(const Point& p) {
        if (points_.size() >= kKeptPoints) [[unlikely]]
            thin();
        ascending_ = ascending_ && p.t >= lastT_;
        lastT_ = p.t;
        Point& kept = points_.emplace_back(p);
        // Two finite parts, by far the most rows, cost one test.
        if (std::isfinite(kept.zReal) && std::isfinite(kept.minusZImag)) [[likely]] {
            ++measured_;
            zReal_.take(kept.zReal);
            minusZImag_.take(kept.minusZImag);
            return;
        }
        takeNotFinite(kept);
    }

    const std::string& name() const { return name_; }
    const std::vector<Point>& points() const { return points_; }
    const Extent& zReal() const { return zReal_; }
    const Extent& minusZImag() const { return minusZImag_; }
    // Rows with both parts a number: header lines of a plain file give none.
    std::int64_t measured() const { return measured_; }

  private:
    void thin();
    void takeNotFinite(Point& kept);

    std::string name_;
    std::vector<Point> points_;
    Extent zReal_, minusZImag_;
    std::int64_t measured_ = 0;
    // Rows come in file order, so thinning need not look for the largest ordinal.
    bool ascending_ = true;
    double lastT_ = -std::numeric_limits<double>::infinity();
};

// What the reading side hands over: never changed once handed, so it is shared, not copied.
using SeriesSnapshot = std::shared_ptr<const Series>;
