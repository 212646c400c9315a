#pragma once

#include "chart/DrawingTools.h"

// The classic layout's offsets in pixels at 534 x 392, where it was made: the margins
// around the frame, whose edges fall on multiples of ten, and the gaps of ticks, labels and
// titles from the frame.
namespace classic_offsets {
inline constexpr int kLeftMargin = 70, kTopMargin = 10, kRightMargin = 70, kBottomMargin = 30;
inline constexpr int kEdgeGrid = 10;
inline constexpr int kTickLength = 4;
inline constexpr int kXLabelGap = 3;     // below the frame
inline constexpr int kYLabelGap = 1;     // before the frame
inline constexpr int kYTitleOffset = 60; // left of the frame
inline constexpr int kZLabelGap = 2;     // after the frame
inline constexpr int kZTitleOffset = 50; // right of the frame
} // namespace classic_offsets

// Where the frame, ticks, texts and dots of the diagram go in a client area.
struct PlotLayout {
    RECT client;
    int left = 0, top = 0, right = 0, bottom = 0; // the frame
    int tickLength = classic_offsets::kTickLength;
    int xLabelGap = classic_offsets::kXLabelGap;
    int yLabelGap = classic_offsets::kYLabelGap;
    int yTitleOffset = classic_offsets::kYTitleOffset;
    int zLabelGap = classic_offsets::kZLabelGap;
    int zTitleOffset = classic_offsets::kZTitleOffset;
    int fontPx = 0; // 0: the surface's own font
};

// The classic layout (the margins above, edges on multiples of 10) unless `scaleWithSize`:
// then margins, ticks and font grow or shrink with the client area against 534 x 392, which
// keeps the classic layout at that size.
PlotLayout LayoutFor(const RECT& client, bool scaleWithSize);
