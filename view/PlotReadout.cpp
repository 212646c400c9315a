#include "PlotReadout.h"

#include "ReadoutText.h"

void PlotReadout::Build(CCurveChart& chart, SeriesSnapshot series, std::string format) {
    index_.Build(chart);
    series_ = std::move(series);
    format_ = std::move(format);
    built_ = true;
}

void PlotReadout::Forget() {
    *this = PlotReadout();
}

std::string PlotReadout::TextAt(PixelPoint p) const {
    if (!built_)
        return {};
    const int slot = index_.Nearest(p, kReach);
    if (series_ && slot >= 0 && static_cast<size_t>(slot) < series_->points().size()) {
        const Point& dot = series_->points()[static_cast<size_t>(slot)];
        return DotReadout(dot.f, dot.zReal, dot.minusZImag, dot.line);
    }
    return FileReadout(format_, series_ ? series_->measured() : 0);
}
