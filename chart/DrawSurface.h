#pragma once

#include "DrawingTools.h"

#include <string>

// A picture a surface can draw into. Made by the window binding; the surface that has it
// selected refers to it, the holder owns it.
class ISurfaceBitmap {
  public:
    virtual ~ISurfaceBitmap() = default;
};

// The drawing operations the chart needs from its host, with GDI's meaning: LineTo leaves
// out its end point, Rectangle's right and bottom are exclusive, TextOut's point is the
// top-left corner of an opaque text cell, and escapement 900 runs the text upward.
class IDrawSurface {
  public:
    virtual ~IDrawSurface() = default;

    // Returns the bitmap it replaces, or nullptr when the selection fails.
    virtual ISurfaceBitmap* SelectBitmap(ISurfaceBitmap* bitmap) = 0;
    // Copies w x h pixels from (sx, sy) of src to (x, y) of this surface.
    virtual bool BitBlt(int x, int y, int w, int h, IDrawSurface& src, int sx, int sy) = 0;

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
