#pragma once

#include "chart/DrawingTools.h"
#include "chart/Painter.h"

#include <string>

// The pens every part of the picture shares.
inline const Pen kAxisPen{PenStyle::Solid, 1, kRed};
inline const Pen kGridPen{PenStyle::Dot, 1, kGreen};
inline const Pen kYDotPen{PenStyle::Dot, 3, kBlue};
inline const Pen kZDotPen{PenStyle::Dot, 3, kRed};

// The classic style's own numbers, each kept here once.
namespace classic_style {
// A linear axis spans ten divisions, each labelled.
inline constexpr int kDivisions = 10;
// Where the runs of ticks end, as they always did: X ticks stop this short of the frame's
// right edge, upright ticks run on this far above the surface's top.
inline constexpr int kTickRunPx = 20;
// Dotted grid rows split the frame's height into five.
inline constexpr int kGridRows = 5;
inline constexpr int kDotDiameterPx = 2;
// The legend of named series: its distance from the frame's corner, and the run of dots
// before each name.
inline constexpr int kLegendMarginPx = 6;
inline constexpr int kLegendDots = 3;
inline constexpr int kLegendDotGapPx = 6;
} // namespace classic_style

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
