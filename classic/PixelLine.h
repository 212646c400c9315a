#pragma once

#include "chart/DrawingTools.h"

#include <QImage>

// Draws a one-pixel line from (x0, y0) towards (x1, y1) straight into the image, leaving out
// the end point as GDI does. A dotted pen alternates three pixels on and three off from the
// start. Pixels outside the image are skipped.
void drawPixelLine(QImage& image, int x0, int y0, int x1, int y1, const Pen& pen);
