#pragma once

#include "CurveChart.h"

#include <algorithm>
#include <cmath>
#include <optional>

// A mapped pixel offset truncated toward zero, or nothing where the mapping is not a number
// (an axis range of zero width among others). Far-off values are clamped well outside any
// surface, so nothing overflows and nothing visible changes.
inline std::optional<int> PixelOffset(double offset) {
    if (!std::isfinite(offset))
        return std::nullopt;
    constexpr double kFar = 1 << 24;
    return static_cast<int>(std::clamp(offset, -kFar, kFar));
}

// How one of the chart's channels turns into pixel offsets along its axis of `pixels`,
// from the axis' start. A log axis takes the logarithms of its ends once, here.
class AxisMap {
  public:
    AxisMap(const CCurveChart& chart, char axis, int pixels)
        : chart_(chart), axis_(axis), pixels_(pixels), min_(axis == 'x'   ? chart.xMin
                                                            : axis == 'y' ? chart.yMin
                                                                          : chart.zMin),
          max_(axis == 'x'   ? chart.xMax
               : axis == 'y' ? chart.yMax
                             : chart.zMax),
          log_(modeOf(chart, axis) == kLogAxis ? std::optional<LogScale>(LogScale(min_, max_))
                                               : std::nullopt) {}

    std::optional<int> operator()(double value) const {
        if (log_) {
            const auto fraction = log_->Fraction(value);
            return fraction ? PixelOffset(*fraction * pixels_) : std::nullopt;
        }
        return PixelOffset((chart_.Scale(value, axis_) - min_) * static_cast<double>(pixels_) /
                           (max_ - min_));
    }

  private:
    static int modeOf(const CCurveChart& chart, char axis) {
        return axis == 'x' ? chart.xMode : axis == 'y' ? chart.yMode : chart.zMode;
    }

    const CCurveChart& chart_;
    char axis_;
    int pixels_;
    double min_, max_;
    std::optional<LogScale> log_;
};
