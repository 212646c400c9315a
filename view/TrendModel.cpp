#include "TrendModel.h"

#include "FitTable.h"
#include "model/SeriesBuilder.h"

#include <algorithm>
#include <cmath>

namespace {

// The value of `parameter` in `fit`, if it was fitted.
std::optional<TrendPoint> valueIn(const SweepFit& fit, const std::string& parameter, double at) {
    if (fit.result.status != FitResult::Status::Fitted || !fit.circuit)
        return std::nullopt;
    const auto& parameters = fit.circuit->parameters();
    for (std::size_t i = 0; i < parameters.size() && i < fit.result.values.size(); ++i)
        if (parameters[i].name == parameter)
            return TrendPoint{at, fit.result.values[i],
                              i < fit.result.errors.size() ? fit.result.errors[i] : NAN};
    return std::nullopt;
}

Point at(double across, double up) {
    Point p;
    p.zReal = across;
    p.minusZImag = up;
    return p;
}

} // namespace

std::vector<TrendPoint> TrendOf(const std::vector<ShownFile>& files, const std::string& parameter) {
    std::vector<TrendPoint> trend;
    if (files.size() == 1) {
        for (const auto& fit : files.front().fits)
            if (const auto point = valueIn(*fit, parameter, fit->sweep))
                trend.push_back(*point);
        return trend;
    }
    for (std::size_t i = 0; i < files.size(); ++i)
        for (auto fit = files[i].fits.rbegin(); fit != files[i].fits.rend(); ++fit)
            if (const auto point = valueIn(**fit, parameter, double(i + 1))) {
                trend.push_back(*point);
                break;
            }
    return trend;
}

ChartModel TrendModel(const std::vector<ShownFile>& files, const std::string& parameter,
                      int leastSpan) {
    const std::vector<TrendPoint> trend = TrendOf(files, parameter);
    std::string unit;
    for (const ShownFile& file : files)
        for (const auto& fit : file.fits)
            for (const CircuitParameter& p :
                 fit->circuit ? fit->circuit->parameters() : std::vector<CircuitParameter>{})
                if (p.name == parameter)
                    unit = DisplayUnit(p.unit);
    ChartModel m;
    m.x = {0, 1, false, true, files.size() == 1 ? "sweep" : "file", "", kBlack};
    m.y = {0, 1, false, true, parameter, unit, kBlack};
    SeriesBuilder values;
    SeriesModel drawn;
    drawn.color = kOkabeBlue;
    ModelLine joined;
    // The axis up spans the values the fits could tell, with their bars; a value whose error
    // is unknown or longer than itself, such as one run off to 1e200, may leave the frame
    // rather than flatten every other value. Only when none could tell does it span them all.
    Extent across, up, untold;
    for (const TrendPoint& p : trend) {
        values.Add(at(p.at, p.value));
        joined.points.push_back(at(p.at, p.value));
        across.take(p.at);
        if (std::isfinite(p.error))
            drawn.lines.push_back({1, {at(p.at, p.value - p.error), at(p.at, p.value + p.error)}});
        if (!(p.error <= std::abs(p.value))) {
            untold.take(p.value);
            continue;
        }
        up.take(p.value - p.error);
        up.take(p.value + p.error);
    }
    if (up.empty())
        up = untold;
    drawn.lines.push_back(std::move(joined));
    drawn.series = values.Make();
    m.series.push_back(std::move(drawn));
    if (!across.empty()) {
        m.x.min = across.low - 0.5;
        m.x.max = std::max(across.high + 0.5, m.x.min + leastSpan);
        const double margin = up.high > up.low ? 0 : std::max(std::abs(up.low) * 0.1, 1e-12);
        m.y.min = up.low - margin;
        m.y.max = up.high + margin;
    }
    return m;
}
