#pragma once

#include "ReadResult.h"

class CCurveChart;
struct PlotChoices;

// Fills the chart with the Bode view of a read's points, slot for slot: x the frequency
// from the readout, y |Z| and z the negated phase in degrees (a capacitive arc points up).
// Slots without a known frequency get NaN there and draw no dot.
void FillBodePoints(const ReadResult& result, CCurveChart& chart);

// Sets the Bode ranges from the points the chart holds: frequency and |Z| over whole
// decades of their positive values (a chosen view replaces them), the phase over ten nice
// steps. Values at or below zero or not numbers take no part.
void SetBodeRanges(CCurveChart& chart, const PlotChoices& choices);
