#pragma once

#include "Render.h"

// Draws `model` in the upper part of the picture and `*model.below` under it, the two frames'
// sides lined up; the result is the upper diagram's, with the lower one's as `below`.
RenderResult RenderWithPanelBelow(const ChartModel& model, double width, double height,
                                  Painter& painter);
