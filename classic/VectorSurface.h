#pragma once

#include "DrawSurface.h"

#include <QFont>
#include <QImage>

class QPainter;

// The chart's drawing surface on a QPainter over a vector device (an SVG or PDF document):
// the same operations as on the screen's bitmap, but dots stay circles and text stays text.
// Text is measured as on the bitmap, so the layout is the same.
class VectorSurface final : public IDrawSurface {
  public:
    explicit VectorSurface(QPainter& painter);

    Pen SelectPen(const Pen& pen) override;
    Font SelectFont(const Font& font) override;
    Color SetTextColor(Color color) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    TextSize GetTextExtent(const std::string& text) override;
    void TextOut(int x, int y, const std::string& text) override;

  private:
    QPainter& painter_;
    QImage measure_; // text is measured against a bitmap, as on the screen
    Pen pen_;
    Font font_;
    QFont qfont_;
    Color textColor_ = kBlack;
    int x_ = 0, y_ = 0;
};
