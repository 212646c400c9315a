#pragma once

#include "DrawingTools.h"
#include "Painter.h"

#include <string>

// The pens every part of the picture shares.
inline const Pen kAxisPen{PenStyle::Solid, 1, kRed};
inline const Pen kGridPen{PenStyle::Dot, 1, kGreen};
inline const Pen kYDotPen{PenStyle::Dot, 3, kBlue};
inline const Pen kZDotPen{PenStyle::Dot, 3, kRed};

// The classic chart draws on whole pixels.
inline PointF At(int x, int y) {
    return {static_cast<double>(x), static_cast<double>(y)};
}

inline Stroke StrokeOf(const Pen& pen) {
    return {pen.color, static_cast<double>(pen.width), pen.style == PenStyle::Dot};
}

// A text's cell in whole pixels, in the classic chart's font of `fontPx` (0: the surface's
// own), or in its title face when `upward`.
inline TextSize ExtentOf(Painter& p, const std::string& text, int fontPx, bool upward = false) {
    const TextExtent e = p.Measure(PlainText(text), fontPx, upward);
    return {static_cast<int>(e.width), static_cast<int>(e.height())};
}
