#pragma once

#include "view/Diagram.h"

class CCurveChart;

// Gives a freshly bound chart what the main dialog gives it: the look of `diagram` (for
// Nyquist: the axis titles, fixed limits, the zero line without the Z axis), and the
// initial ranges.
void SetUpChart(CCurveChart& chart, Diagram diagram = Diagram::Nyquist);
