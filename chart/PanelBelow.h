#pragma once

#include "Render.h"

// Draws `model` in the upper part of the picture and `*model.below` under it, and the one below
// that under both, the frames' sides lined up; the result is the upper diagram's, with the
// lower ones' as `below`, in turn.
RenderResult RenderWithPanelBelow(const ChartModel& model, double width, double height,
                                  Painter& painter);

// Puts `panel` under the last diagram of `model`.
void AddPanelBelow(ChartModel& model, ChartModel panel);
