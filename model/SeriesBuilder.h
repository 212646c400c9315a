#pragma once

#include "Series.h"
#include "Thinning.h"

#include <cstdint>
#include <limits>
#include <memory>
#include <string>

// Takes the rows of one measurement as they are read, and makes the Series of them: at most
// kKeptPoints points, thinned as the classic chart thins its store, slot for slot, and the
// extents of every row. Taking a row only writes it down. Extents and order are worked out
// at each thinning, and the points are copied out only when a series is made, because a
// reader takes millions of rows for each series it hands over.
class SeriesBuilder {
  public:
    SeriesBuilder();

    // Takes one row. An infinite Z' or −Z'' makes a point that is neither drawn nor counted
    // in the extents.
    void Add(const Point& p) {
        if (slots_ == kKeptPoints) [[unlikely]]
            thin();
        pool_[tailStart_ + (slots_ - fresh_)] = {p.f, p.zReal, p.minusZImag, p.line, p.sweep};
        ordinals_[slots_] = p.t;
        ++slots_;
    }

    // Rows taken so far.
    std::int64_t rows() const { return thinnedAway_ + slots_; }

    // The series of every row taken so far.
    SeriesSnapshot Make(std::string name = {}) const;
    // Whether the file stores its values as float32, for the series made.
    void StoreFloat32(bool float32) { float32_ = float32; }

  private:
    // A row as written down; its ordinal is kept with its slot.
    struct Pooled {
        double f, zReal, minusZImag;
        std::int64_t line;
        int sweep;
    };
    // What the rows tell beyond their points.
    struct Summary {
        Extent zReal, minusZImag;
        std::int64_t measured = 0;
        // Rows come in file order, so thinning need not look for the largest ordinal.
        bool ascending = true;
        double lastOrdinal = -std::numeric_limits<double>::infinity();
    };

    void thin();
    // `summary` with the rows taken since the last thinning.
    void takeFresh(Summary& summary) const;
    std::uint32_t pooledAt(std::uint32_t slot) const {
        return slot < fresh_ ? pooledAt_[slot] : tailStart_ + (slot - fresh_);
    }

    // Slot k holds the row of ordinal ordinals_[k]. The slots before fresh_ lie in the pool at
    // pooledAt_[k]; the fresh ones, taken since the last thinning, lie in order from
    // tailStart_, where the pool's unused end begins.
    static constexpr std::uint32_t kPoolSize = 2 * kKeptPoints;
    std::unique_ptr<double[]> ordinals_;
    std::unique_ptr<std::uint32_t[]> pooledAt_;
    std::unique_ptr<Pooled[]> pool_;
    std::uint32_t slots_ = 0, fresh_ = 0, tailStart_ = 0;
    std::int64_t thinnedAway_ = 0;
    Summary summary_; // of the rows before the fresh ones
    bool float32_ = false;
};
