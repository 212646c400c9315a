#pragma once

class CCurveChart;

// The two ways the plot shows a measurement.
enum class Diagram { Nyquist, Bode };

// Gives the chart the titles, axis modes, right-hand axis and zero line of `diagram`, the
// data and ranges aside.
void ShowAs(CCurveChart& chart, Diagram diagram);
