#pragma once

#include "chart/AxisRange.h"
#include "view/PlotChoices.h"

class CCurveChart;
struct PlotLayout;

// Sets the chart's X and Y ranges from the data's extremes as the reload found them (Y
// already from 0 while "+" is ticked), before AutoScale: a chosen view replaces them;
// otherwise degenerate ranges are widened. With equal scales the axis that needs it is
// widened to the proportions of the layout's frame. Ranges that are still not proper are
// refused by the chart as before.
void SetChartRanges(CCurveChart& chart, AxisRange x, AxisRange y, bool plusTicked,
                    const PlotChoices& choices, const PlotLayout& layout);
