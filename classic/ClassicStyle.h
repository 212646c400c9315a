#pragma once

#include "chart/Painter.h"
#include "chart/Render.h"

class CCurveChart;
struct PlotLayout;

// The classic style of the renderer: the chart's own axes over their exact extents in ten
// divisions, its red, green and blue pens, and its fixed margins, drawn through a painter
// with the pixel rules of a GDI surface into the layout's client area. Returns the frame, the
// axes' mappings in the data's own units and every dot with its slot: series 0 for the Y
// dots, 1 for the Z dots.
RenderResult RenderClassic(const CCurveChart& chart, const PlotLayout& layout, Painter& painter);

class IDrawSurface;

// RenderClassic on a classic drawing surface, with its pixel rules.
RenderResult DrawClassicChart(const CCurveChart& chart, const PlotLayout& layout,
                              IDrawSurface& surface);
