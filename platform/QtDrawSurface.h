#pragma once

#include "DrawSurface.h"
#include "EllipseStamp.h"
#include "QtBitmap.h"

#include <QFont>

#include <functional>

// The chart's drawing surface on Qt: it draws into the QImage of the bitmap selected into
// it. A new surface holds a 1 x 1 stock bitmap, a one-pixel black pen, a white brush, black
// text on an opaque white cell and the default font (DejaVu Sans at 13 pixels).
class QtDrawSurface final : public IDrawSurface {
  public:
    QtDrawSurface();
    // A surface over a bitmap someone else owns (a window's retained picture).
    explicit QtDrawSurface(QtBitmap* target);

    // Called after the selected picture changed, so its window can repaint.
    void setChangedHandler(std::function<void()> changed) { changed_ = std::move(changed); }
    QImage& image() { return selected_->image; }

    ISurfaceBitmap* SelectBitmap(ISurfaceBitmap* bitmap) override;
    bool BitBlt(int x, int y, int w, int h, IDrawSurface& src, int sx, int sy) override;
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
    void changed() {
        if (changed_)
            changed_();
    }

    QtBitmap stock_;
    QtBitmap* selected_;
    Pen pen_;
    Font font_;
    QFont qfont_;
    Color textColor_ = kBlack;
    Color background_ = kWhite;
    Color brush_ = kWhite;
    int x_ = 0, y_ = 0;
    EllipseStamp dot_;
    std::function<void()> changed_;
};
