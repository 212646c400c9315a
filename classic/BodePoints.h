#pragma once

#include "model/Series.h"

#include <vector>

class CCurveChart;
struct PlotChoices;

// Fills the chart's slots with the Bode view of the points in them: x the frequency, y |Z|
// and z the negated phase in degrees (a capacitive arc points up).
void FillBodePoints(const std::vector<Point>& points, CCurveChart& chart);

// Sets the Bode ranges from the points the chart holds: frequency and |Z| over whole
// decades of their positive values (a chosen view replaces them), the phase over ten nice
// steps. Values at or below zero or not numbers take no part.
void SetBodeRanges(CCurveChart& chart, const PlotChoices& choices);
