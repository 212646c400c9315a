#pragma once

#include "PlotChoices.h"
#include "chart/AxisRange.h"

class CCurveChart;

// Sets the chart's X and Y ranges from the data's extremes as the reload found them (Y
// already from 0 while "+" is ticked), before AutoScale: a chosen view replaces them;
// otherwise degenerate ranges are widened. With equal scales the axis that needs it is
// widened to the proportions of the frame that the chart's client area gives. Ranges that are still
// not proper are refused by the chart as before.
void SetChartRanges(CCurveChart& chart, AxisRange x, AxisRange y, bool plusTicked,
                    const PlotChoices& choices);

// Sets the chosen view at once, from the points the chart holds, without reading the file:
// the ranges, then a rescale. Without a view it does nothing and returns false.
bool SetChosenView(CCurveChart& chart, const PlotChoices& choices);

// The ranges the chart shows now, in the data's units.
PlotView ShownView(const CCurveChart& chart);
