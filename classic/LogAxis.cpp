#include "LogAxis.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// log10 of an exact power of ten may come out a hair beside the integer.
constexpr double kDecadeSlack = 1e-9;

bool positive(double v) {
    return v > 0.0 && std::isfinite(v);
}

} // namespace

LogScale::LogScale(double min, double max) {
    if (!positive(min) || !positive(max) || !(max > min))
        return;
    // Fractions need no particular base; the natural one costs least per dot.
    low_ = std::log(min);
    span_ = std::log(max) - low_;
    usable_ = span_ > 0.0;
}

std::optional<double> LogScale::Fraction(double value) const {
    if (!usable_ || !positive(value))
        return std::nullopt;
    return (std::log(value) - low_) / span_;
}

std::vector<int> DecadesWithin(double min, double max, int stride) {
    std::vector<int> decades;
    if (!positive(min) || !positive(max) || max < min)
        return decades;
    stride = std::max(stride, 1);
    const int first = static_cast<int>(std::ceil(std::log10(min) - kDecadeSlack));
    const int last = static_cast<int>(std::floor(std::log10(max) + kDecadeSlack));
    for (int k = first; k <= last; ++k)
        if (k % stride == 0)
            decades.push_back(k);
    return decades;
}

int DecadeStride(double min, double max, int pixels, int labelPx) {
    if (!positive(min) || !(max > min) || !positive(max) || pixels <= 0)
        return 1;
    const double perDecade = pixels / (std::log10(max) - std::log10(min));
    constexpr int kGapPx = 6;
    const double stride = std::ceil((labelPx + kGapPx) / perDecade);
    return stride < 1.0 ? 1 : static_cast<int>(std::min(stride, 1000.0));
}

std::optional<DecadeSpan> DecadeBounds(double lowest, double highest) {
    if (!positive(lowest) || !positive(highest) || highest < lowest)
        return std::nullopt;
    double low = std::floor(std::log10(lowest) + kDecadeSlack);
    double high = std::ceil(std::log10(highest) - kDecadeSlack);
    if (high <= low) {
        // One value, or one exact power of ten: the decades on either side keep it inside.
        if (std::pow(10.0, low) == lowest && std::pow(10.0, high) == highest) {
            low -= 1;
            high += 1;
        } else {
            high = low + 1;
        }
    }
    // Beyond the ends of the doubles the data's own extremes stand in for the decades.
    DecadeSpan span{std::pow(10.0, low), std::pow(10.0, high)};
    if (!(span.min > 0.0))
        span.min = lowest;
    if (!std::isfinite(span.max))
        span.max = std::numeric_limits<double>::max();
    return span;
}

std::string DecadeLabel(int k) {
    return "10^" + std::to_string(k);
}
