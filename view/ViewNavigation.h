#pragma once

#include "chart/AxisRange.h"
#include "chart/PixelPoint.h"

// The frame of the last picture, in pixels.
struct PixelFrame {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// Which axes of the view are logarithmic: zoom and pan work in decades there.
struct LogAxes {
    bool x = false, y = false;
};

// The view shrunk (factor above 1) or grown about the value under the pixel `at`, which
// stays where it is. A view that would lose all precision, leave the finite doubles or (on
// a log axis) reach zero is not taken: the old one comes back.
PlotView ZoomedAbout(const PlotView& view, const PixelFrame& frame, PixelPoint at, double factor,
                     LogAxes log = {});

// The view moved so that the plot follows a drag of (dx, dy) pixels.
PlotView Panned(const PlotView& view, const PixelFrame& frame, int dx, int dy, LogAxes log = {});
