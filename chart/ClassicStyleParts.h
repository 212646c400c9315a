#pragma once

#include "Painter.h"

class CCurveChart;
struct PlotLayout;

// The pieces of the classic style, each drawing from the chart's state as it stands.

void DrawClassicLogXAxis(CCurveChart& c, Painter& p, const PlotLayout& layout);
void DrawClassicLogYAxis(CCurveChart& c, Painter& p, const PlotLayout& layout);
// The decades' grid lines, in place of the ten-division grid, on a log axis.
void DrawClassicDecadeGrid(CCurveChart& c, Painter& p);
// Named series are drawn one after the other, the Z series over the Y series as the legend
// lists them.
void DrawClassicSeriesInTurn(CCurveChart& c, Painter& p);
void DrawClassicLegend(CCurveChart& c, Painter& p, int fontPx);

// Both series named while the Z axis shows: they are drawn in turn and get a legend.
bool NamedSeries(const CCurveChart& c);
