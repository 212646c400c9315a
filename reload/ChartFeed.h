#pragma once

#include "Reader.h"

#include <cstdint>
#include <limits>

class CCurveChart;
class ReadoutStore;

// Feeds a chart one point per row (x = Z', y = -Z'', t = the row's ordinal, so thinning
// keeps points spread over the file) and keeps the running extremes. They start empty, so
// the axes span the data wherever it lies. With a readout store, each point's origin is
// recorded beside it.
class ChartFeed final : public RowSink {
  public:
    ChartFeed(CCurveChart& chart, ReadoutStore* readout) : chart_(chart), readout_(readout) {}

    void OnRow(const Row& row) override;

    double lowestX = std::numeric_limits<double>::infinity();
    double lowestY = std::numeric_limits<double>::infinity();
    double highestX = -std::numeric_limits<double>::infinity();
    double highestY = -std::numeric_limits<double>::infinity();
    // Points that can be drawn: header lines of a plain file give none.
    std::int64_t measured = 0;

  private:
    CCurveChart& chart_;
    ReadoutStore* readout_;
};
