#pragma once

#include "DrawingTools.h"

// The pens every part of the picture shares.
inline const Pen kAxisPen{PenStyle::Solid, 1, kRed};
inline const Pen kGridPen{PenStyle::Dot, 1, kGreen};
inline const Pen kYDotPen{PenStyle::Dot, 3, kBlue};
inline const Pen kZDotPen{PenStyle::Dot, 3, kRed};
