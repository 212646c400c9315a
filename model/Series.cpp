#include "Series.h"

#include "Thinning.h"

#include <cmath>

void Series::Add(const Point& p) {
    if (points_.size() >= static_cast<size_t>(kKeptPoints)) [[unlikely]]
        thin();
    Point& kept = points_.emplace_back(p);
    // Two finite parts, by far the most rows, cost one test.
    if (std::isfinite(kept.zReal) && std::isfinite(kept.minusZImag)) [[likely]] {
        ++measured_;
        zReal_.take(kept.zReal);
        minusZImag_.take(kept.minusZImag);
        return;
    }
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    if (std::isinf(kept.zReal) || std::isinf(kept.minusZImag)) {
        kept.zReal = std::isinf(kept.zReal) ? kNaN : kept.zReal;
        kept.minusZImag = std::isinf(kept.minusZImag) ? kNaN : kept.minusZImag;
        return;
    }
    // A NaN moves nothing: only the other part counts in its extent.
    zReal_.take(kept.zReal);
    minusZImag_.take(kept.minusZImag);
}

void Series::thin() {
    const int kept = ThinSlots(
        kKeptPoints, [this](int i) { return points_[static_cast<size_t>(i)].t; },
        [this](int from, int to) {
            points_[static_cast<size_t>(to)] = points_[static_cast<size_t>(from)];
        });
    points_.resize(static_cast<size_t>(kept));
}
