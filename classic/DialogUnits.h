#pragma once

#include <QRect>

// Dialog units of the classic 8-point dialog font at 96 DPI (base units 6 x 13): each edge
// maps to pixels as x * 6 / 4 and y * 13 / 8, rounded to nearest, halves away from zero.
QRect DialogUnitsToPixels(int x, int y, int w, int h);
