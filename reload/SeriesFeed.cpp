#include "SeriesFeed.h"

void SeriesFeed::OnRow(const Row& row) {
    series_.Add({static_cast<double>(row.index), row.frequency, row.real, row.negImag,
                 static_cast<std::int64_t>(row.line), static_cast<int>(row.sweep)});
}
