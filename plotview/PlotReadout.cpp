#include "PlotReadout.h"

#include "ReadoutText.h"

void PlotReadout::Build(CCurveChart& chart, const ReadoutStore& store) {
    index_.Build(chart);
    entries_.assign(static_cast<size_t>(chart.count), Entry{});
    for (int slot = 0; slot < chart.count; ++slot) {
        Entry& e = entries_[static_cast<size_t>(slot)];
        if (const PointOrigin* origin = store.At(slot)) {
            e.origin = *origin;
            e.known = true;
        }
    }
    format_ = store.format();
    points_ = store.points();
    built_ = true;
}

void PlotReadout::Forget() {
    *this = PlotReadout();
}

std::string PlotReadout::TextAt(PixelPoint p) const {
    if (!built_)
        return {};
    const int slot = index_.Nearest(p, kReach);
    if (slot >= 0 && static_cast<size_t>(slot) < entries_.size()) {
        const Entry& e = entries_[static_cast<size_t>(slot)];
        if (e.known)
            return DotReadout(e.origin.frequency, e.origin.zReal, e.origin.minusZImag,
                              e.origin.line);
    }
    return FileReadout(format_, points_);
}
