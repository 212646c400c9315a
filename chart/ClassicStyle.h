#pragma once

#include "Painter.h"
#include "Render.h"

class CCurveChart;

// The classic style of the renderer: the chart's own axes over their exact extents in ten
// divisions, its red, green and blue pens, and its fixed margins, drawn through a painter
// with the pixel rules of a GDI surface. It leaves the frame, ticks and steps it used in the
// chart, where its dot lookup and the view read them, and returns the frame.
RenderResult RenderClassic(CCurveChart& chart, Painter& painter);
