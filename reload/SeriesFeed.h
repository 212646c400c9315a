#pragma once

#include "Reader.h"
#include "Series.h"

// Feeds a series one point per row, the row's ordinal as its t, so thinning keeps points
// spread over the whole file.
class SeriesFeed final : public RowSink {
  public:
    explicit SeriesFeed(Series& series) : series_(series) {}
    void OnRow(const Row& row) override;

  private:
    Series& series_;
};
