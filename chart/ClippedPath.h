#pragma once

#include "Painter.h"

#include <span>
#include <vector>

// The pieces of the path through `points`, in their order, that lie within `frame`: each
// segment cut at the frame's edges, and the path broken at a point that is not finite.
// Painters are never handed coordinates far outside the picture, which some rasterise wrongly.
std::vector<std::vector<PointF>> ClippedPath(std::span<const PointF> points, const RectF& frame);
