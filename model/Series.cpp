#include "Series.h"

#include "Thinning.h"

#include <cmath>

void Series::Add(Point p) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    if (std::isinf(p.zReal) || std::isinf(p.minusZImag)) {
        p.zReal = std::isinf(p.zReal) ? kNaN : p.zReal;
        p.minusZImag = std::isinf(p.minusZImag) ? kNaN : p.minusZImag;
    } else {
        if (!std::isnan(p.zReal) && !std::isnan(p.minusZImag))
            ++measured_;
        zReal_.take(p.zReal);
        minusZImag_.take(p.minusZImag);
    }
    if (points_.size() >= static_cast<size_t>(kKeptPoints)) {
        const int kept = ThinSlots(
            kKeptPoints, [this](int i) { return points_[static_cast<size_t>(i)].t; },
            [this](int from, int to) {
                points_[static_cast<size_t>(to)] = points_[static_cast<size_t>(from)];
            });
        points_.resize(static_cast<size_t>(kept));
    }
    points_.push_back(p);
}
