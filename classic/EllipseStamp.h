#pragma once

#include "chart/DrawingTools.h"

#include <QImage>

#include <vector>

// The pixels QPainter draws for one ellipse, kept so that a run of equal ellipses (the
// chart's dots) is rasterised once and then copied. Aliased drawing leaves every pixel
// either untouched or fully painted, so copying the painted ones is exact.
class EllipseStamp {
  public:
    // Paints the ellipse inscribed in the box [left, right) x [top, bottom), pixel i spanning
    // [i, i + 1), with the pen straddling its outline and a solid brush inside: what
    // QPainter::drawEllipse(QRectF(left, top, right - left, bottom - top)) paints unsmoothed.
    void draw(QImage& image, int left, int top, int right, int bottom, const Pen& pen, Color brush);

    // The QPainter pen that stands for a GDI pen: styles only apply one pixel wide.
    static QPen qtPen(const Pen& pen);

  private:
    struct Pixel {
        int dx, dy;
        QRgb rgb;
    };
    void rasterise(int width, int height, const Pen& pen, Color brush);

    int width_ = -1, height_ = -1;
    Pen pen_;
    Color brush_;
    std::vector<Pixel> pixels_;
};
