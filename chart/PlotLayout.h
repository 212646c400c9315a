#pragma once

#include "DrawingTools.h"

// Where the frame, ticks, texts and dots of the diagram go in a client area.
struct PlotLayout {
    int left = 0, top = 0, right = 0, bottom = 0; // the frame
    int tickLength = 4;
    int xLabelGap = 3;     // below the frame
    int yLabelGap = 1;     // before the frame
    int yTitleOffset = 60; // left of the frame
    int zLabelGap = 2;
    int zTitleOffset = 50;
    int fontPx = 0; // 0: the surface's own font
};

// The classic layout (margins of 70 left and right, 10 above and 30 below, edges on
// multiples of 10) unless `scaleWithSize`: then margins, ticks and font grow or shrink with
// the client area against 534 x 392, which keeps the classic layout at that size.
PlotLayout LayoutFor(const RECT& client, bool scaleWithSize);
