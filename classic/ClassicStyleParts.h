#pragma once

#include "chart/Painter.h"
#include "chart/PixelPoint.h"

#include <optional>
#include <vector>

class CCurveChart;
struct PlotLayout;

// The pieces of the classic style, each drawing from the chart's state as it stands.

void DrawClassicLogXAxis(const CCurveChart& c, Painter& p, const PlotLayout& layout);
void DrawClassicLogYAxis(const CCurveChart& c, Painter& p, const PlotLayout& layout);
// The decades' grid lines, in place of the ten-division grid, on a log axis.
void DrawClassicDecadeGrid(const CCurveChart& c, Painter& p, const PlotLayout& layout);

// Where a slot's dots stand: the Y dot and, with the Z axis, the Z dot; nothing where a value
// has no place or, while the chart clips, lies beyond the frame.
struct SlotDots {
    std::optional<PixelPoint> y, z;
};
std::vector<SlotDots> ClassicDotPlaces(const CCurveChart& c, const PlotLayout& layout);

// Named series are drawn one after the other, the Z series over the Y series as the legend
// lists them.
void DrawClassicSeriesInTurn(const std::vector<SlotDots>& dots, Painter& p);
void DrawClassicLegend(const CCurveChart& c, Painter& p, const PlotLayout& layout);

// Both series named while the Z axis shows: they are drawn in turn and get a legend.
bool NamedSeries(const CCurveChart& c);
