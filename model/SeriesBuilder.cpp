#include "SeriesBuilder.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// An infinite part is drawn as no part at all.
double Drawn(double part) {
    return std::isinf(part) ? kNaN : part;
}

} // namespace

SeriesBuilder::SeriesBuilder()
    : ordinals_(std::make_unique_for_overwrite<double[]>(kKeptPoints)),
      pooledAt_(std::make_unique_for_overwrite<std::uint32_t[]>(kKeptPoints)),
      pool_(std::make_unique_for_overwrite<Pooled[]>(kPoolSize)) {}

void SeriesBuilder::takeFresh(Summary& s) const {
    // Kept in locals, which the compiler holds in registers: the rows are doubles too.
    Extent zReal = s.zReal, minusZImag = s.minusZImag;
    std::int64_t measured = s.measured;
    bool ascending = s.ascending;
    double last = s.lastOrdinal;
    for (std::uint32_t k = fresh_; k < slots_; ++k) {
        const double t = ordinals_[k];
        ascending = ascending && t >= last;
        last = t;
        const Pooled& row = pool_[tailStart_ + (k - fresh_)];
        if (std::isfinite(row.zReal) && std::isfinite(row.minusZImag)) [[likely]] {
            ++measured;
            zReal.low = std::min(zReal.low, row.zReal);
            zReal.high = std::max(zReal.high, row.zReal);
            minusZImag.low = std::min(minusZImag.low, row.minusZImag);
            minusZImag.high = std::max(minusZImag.high, row.minusZImag);
        } else if (!std::isinf(row.zReal) && !std::isinf(row.minusZImag)) {
            // A NaN moves nothing: only the other part counts in its extent.
            zReal.take(row.zReal);
            minusZImag.take(row.minusZImag);
        }
    }
    s = {zReal, minusZImag, measured, ascending, last};
}

void SeriesBuilder::thin() {
    takeFresh(summary_);
    for (std::uint32_t k = fresh_; k < slots_; ++k)
        pooledAt_[k] = tailStart_ + (k - fresh_);
    const int kept = ThinSlots(
        static_cast<int>(slots_), [this](int k) { return ordinals_[k]; },
        [this](int from, int to) {
            ordinals_[to] = ordinals_[from];
            pooledAt_[to] = pooledAt_[from];
        },
        summary_.ascending);
    thinnedAway_ += slots_ - static_cast<std::uint32_t>(kept);
    slots_ = static_cast<std::uint32_t>(kept);
    // The fresh rows kept close up at the start of the pool's unused end...
    std::uint32_t k = slots_;
    while (k > 0 && pooledAt_[k - 1] >= tailStart_)
        --k;
    std::uint32_t end = tailStart_;
    for (; k < slots_; ++k) {
        pool_[end] = pool_[pooledAt_[k]];
        pooledAt_[k] = end++;
    }
    // ...and when what is left could not hold a whole round of fresh rows, every kept row
    // closes up at the pool's start. Slots are in pool order, so each moves down or stays.
    if (end + (kKeptPoints - slots_) > kPoolSize) {
        for (k = 0; k < slots_; ++k) {
            pool_[k] = pool_[pooledAt_[k]];
            pooledAt_[k] = k;
        }
        end = slots_;
    }
    fresh_ = slots_;
    tailStart_ = end;
}

SeriesSnapshot SeriesBuilder::Make(std::string name) const {
    Summary summary = summary_;
    takeFresh(summary);
    auto series = std::make_shared<Series>();
    series->name_ = std::move(name);
    series->zReal_ = summary.zReal;
    series->minusZImag_ = summary.minusZImag;
    series->measured_ = summary.measured;
    series->float32_ = float32_;
    series->points_.reserve(slots_);
    for (std::uint32_t k = 0; k < slots_; ++k) {
        const Pooled& row = pool_[pooledAt(k)];
        series->points_.push_back(
            {ordinals_[k], row.f, Drawn(row.zReal), Drawn(row.minusZImag), row.line, row.sweep});
    }
    return series;
}
