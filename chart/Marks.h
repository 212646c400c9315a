#pragma once

#include "ChartModel.h"
#include "Painter.h"

#include <span>

// Draws a series' marks of one shape, filled or `open`, `diameter` across, so that a mark of
// any shape stands as large as a dot.
void DrawMarks(Painter& painter, std::span<const PointF> centres, double diameter, Color color,
               MarkShape shape, bool open);
