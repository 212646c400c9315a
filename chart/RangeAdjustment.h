#pragma once

#include "AxisRange.h"

// A range whose ends are equal (one point, a vertical run, many identical points) becomes
// [v - d, v + d] with d = |v| / 2, or d = 1 at 0, so its points stand in the middle of the
// frame. Infinite ends become the largest finite values. Other ranges pass unchanged.
AxisRange WidenDegenerate(AxisRange range);

// Widens one of the two ranges about its centre so that one unit spans as many pixels
// across a frame of widthPx as up one of heightPx. With `keepYStart` the Y range grows
// upward only (its start pinned, as "+" pins it at 0). Ranges that are not proper (max not
// above min) or frames without area are left alone.
void EqualiseScales(AxisRange& x, AxisRange& y, double widthPx, double heightPx, bool keepYStart);
