#pragma once

#include "model/Series.h"

class CCurveChart;
struct PlotChoices;
struct PlotLayout;

// Fills the chart with the points of `series` as the chosen diagram shows them, slot for
// slot, emptied first. With a series it then sets the ranges (Nyquist: Y from 0 while `plus`),
// fitted under equal scales to the frame of `layout`, and rescales; without one the chart
// stays empty.
void FillClassicChart(CCurveChart& chart, const SeriesSnapshot& series, bool plus,
                      const PlotChoices& choices, const PlotLayout& layout);
