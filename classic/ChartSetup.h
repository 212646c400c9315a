#pragma once

#include "view/Diagram.h"

class CCurveChart;

// Gives the chart the titles, axis modes, right-hand axis and zero line of `diagram`, the
// data and ranges aside.
void ShowAs(CCurveChart& chart, Diagram diagram);

// Gives a freshly made chart what the classic dialog gives it: the look of `diagram` (for
// Nyquist: the axis titles, fixed limits, the zero line without the Z axis), laid out to the
// size of its pictures.
void SetUpChart(CCurveChart& chart, Diagram diagram = Diagram::Nyquist);
