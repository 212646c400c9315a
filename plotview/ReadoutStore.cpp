#include "ReadoutStore.h"

#include "CurveChart.h"

#include <limits>

void ReadoutStore::Clear() {
    origins_.clear();
    format_.clear();
    points_ = 0;
}

void ReadoutStore::Add(const CCurveChart& chart, double frequency, std::int64_t line) {
    const int kept = chart.count - 1; // the slots before the new point
    if (kept < 0)
        return;
    if (kept != size())
        followThinning(chart, kept);
    origins_.push_back({chart.tData[kept], frequency, line, chart.xData[kept], chart.yData[kept]});
}

// Thinning keeps a subsequence of the slots in order, so one merge walk finds each kept
// slot's entry. A slot without one (nothing recorded for it) gets an empty entry, keeping
// the store aligned with the slots.
void ReadoutStore::followThinning(const CCurveChart& chart, int kept) {
    std::vector<PointOrigin> followed;
    followed.reserve(static_cast<size_t>(kept) + 1);
    size_t next = 0;
    for (int slot = 0; slot < kept; ++slot) {
        const double t = chart.tData[slot];
        size_t j = next;
        while (j < origins_.size() && origins_[j].t != t)
            ++j;
        if (j < origins_.size()) {
            followed.push_back(origins_[j]);
            next = j + 1;
        } else {
            followed.push_back({t, std::numeric_limits<double>::quiet_NaN(), 0, chart.xData[slot],
                                chart.yData[slot]});
        }
    }
    origins_ = std::move(followed);
}

void ReadoutStore::SetFile(std::string format, std::int64_t points) {
    format_ = std::move(format);
    points_ = points;
}

const PointOrigin* ReadoutStore::At(int slot) const {
    if (slot < 0 || slot >= size())
        return nullptr;
    return &origins_[static_cast<size_t>(slot)];
}
