#pragma once

#include <optional>

// One axis' span in the data's own units (ohms), lowest first.
struct AxisRange {
    double min = 0.0;
    double max = 1.0;
    friend bool operator==(const AxisRange&, const AxisRange&) = default;
};

// What a logarithmic axis spans with no positive value to show: the decade from 1.
inline constexpr AxisRange kDecadeFromOne{1.0, 10.0};

// The part of the plane the plot shows.
struct PlotView {
    AxisRange x, y;
    // The span of a second panel's y axis under the first, sharing its x axis, once chosen.
    std::optional<AxisRange> lowerY{};
    friend bool operator==(const PlotView&, const PlotView&) = default;
};
