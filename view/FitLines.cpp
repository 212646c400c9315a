#include "FitLines.h"

#include <cmath>
#include <memory>
#include <numbers>

ModelLine FitLine(const SweepFit& fit) {
    ModelLine line;
    line.sweep = fit.sweep;
    if (fit.result.status != FitResult::Status::Fitted || !fit.circuit)
        return line;
    Extent frequency;
    for (const Point& p : fit.points)
        if (p.f > 0)
            frequency.take(p.f);
    if (frequency.empty())
        return line;
    line.label = fit.circuit->text();
    line.points = ModelLinePoints(frequency.low, frequency.high, [&fit](double f) {
        return fit.circuit->impedance(2 * std::numbers::pi * f, fit.result.values);
    });
    return line;
}

void AddFitLines(ChartModel& model, const std::vector<ShownFile>& files) {
    for (const ShownFile& file : files) {
        if (file.fits.empty() || !file.series)
            continue;
        std::vector<ModelLine> lines;
        for (const auto& fit : file.fits)
            if (ModelLine line = FitLine(*fit); !line.points.empty())
                lines.push_back(std::move(line));
        for (SeriesModel& drawn : model.series)
            if (drawn.series == file.series)
                drawn.lines = lines;
    }
    // Bode's −φ is the panel below, drawn from the same series.
    if (model.below) {
        ChartModel below = *model.below;
        AddFitLines(below, files);
        model.below = std::make_shared<const ChartModel>(std::move(below));
    }
}
