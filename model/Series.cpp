#include "Series.h"

#include "Thinning.h"

#include <cmath>

void Series::takeNotFinite(Point& kept) {
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
        },
        ascending_);
    points_.resize(static_cast<size_t>(kept));
}
