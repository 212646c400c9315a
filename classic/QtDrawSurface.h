#pragma once

#include "DrawSurface.h"
#include "EllipseStamp.h"

#include <QFont>
#include <QImage>

// The chart's drawing surface on Qt: it draws into an image in the screen's 32-bit colour
// format (QImage::Format_RGB32), the one its pixel writers know. A new surface has a
// one-pixel black pen, a white brush, black text on an opaque white cell and the default
// font (DejaVu Sans at 13 pixels).
class QtDrawSurface final : public IDrawSurface {
  public:
    // Without a target of that format, it draws into a 1 x 1 image of its own.
    explicit QtDrawSurface(QImage* target = nullptr);

    QImage& image() { return *target_; }

    Pen SelectPen(const Pen& pen) override;
    Font SelectFont(const Font& font) override;
    Color SetTextColor(Color color) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void MoveTo(int x, int y) override;
    void LineTo(int x, int y) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    TextSize GetTextExtent(const std::string& text) override;
    void TextOut(int x, int y, const std::string& text) override;

    static QFont qtFont(const Font& font);

  private:
    QImage stock_;
    QImage* target_;
    Pen pen_;
    Font font_;
    QFont qfont_;
    Color textColor_ = kBlack;
    Color background_ = kWhite;
    Color brush_ = kWhite;
    int x_ = 0, y_ = 0;
    EllipseStamp dot_;
};
