#pragma once

#include "measurement/Reader.h"
#include "model/SeriesBuilder.h"

// Feeds a series one point per row, the row's ordinal as its t, so thinning keeps points
// spread over the whole file. Inline: a text file's reader calls it for every line.
class SeriesFeed final : public RowSink {
  public:
    explicit SeriesFeed(SeriesBuilder& series) : series_(series) {}
    void OnRow(const Row& row) override {
        series_.Add({static_cast<double>(row.index), row.frequency, row.real, row.negImag,
                     static_cast<std::int64_t>(row.line), static_cast<int>(row.sweep)});
    }

  private:
    SeriesBuilder& series_;
};
