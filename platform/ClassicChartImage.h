#pragma once

#include <QImage>
#include <QSize>

class CCurveChart;

// The classic chart drawn on a picture of `size`, as the window shows it and a PNG keeps
// it; the chart's client area becomes that size. A null image when it cannot be drawn.
QImage ClassicChartImage(CCurveChart& chart, QSize size);
