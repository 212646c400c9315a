#pragma once

#include "chart/DrawingTools.h"

#include <string>

// The drawing operations the chart needs from its host, with GDI's meaning: LineTo leaves
// out its end point, Rectangle's right and bottom are exclusive, TextOut's point is the
// top-left corner of an opaque text cell, and escapement 900 runs the text upward.
class IDrawSurface {
  public:
    virtual ~IDrawSurface() = default;

    virtual Pen SelectPen(const Pen& pen) = 0;
    virtual Font SelectFont(const Font& font) = 0;
    virtual Color SetTextColor(Color color) = 0;

    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void MoveTo(int x, int y) = 0;
    virtual void LineTo(int x, int y) = 0;
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    virtual TextSize GetTextExtent(const std::string& text) = 0;
    virtual void TextOut(int x, int y, const std::string& text) = 0;
};
