#pragma once

#include "PlotLayout.h"
#include "chart/Render.h"

#include <QImage>
#include <QSize>

class CCurveChart;

// The layout of the chart's pictures of `size`.
PlotLayout ClassicLayout(const CCurveChart& chart, QSize size);

// The classic chart drawn on a picture of the layout's client size, as the window shows it
// and a PNG keeps it; what was drawn goes to `drawn` when given. A null image when it cannot
// be drawn.
QImage ClassicChartImage(const CCurveChart& chart, const PlotLayout& layout,
                         RenderResult* drawn = nullptr);
