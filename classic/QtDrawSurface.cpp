#include "QtDrawSurface.h"

#include "PixelLine.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kDefaultPixelSize = 13;
constexpr int kLargestStampedEllipse = 64;

QImage stockImage() {
    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

QColor qtColor(Color c) {
    return QColor(c.r, c.g, c.b);
}

} // namespace

QtDrawSurface::QtDrawSurface(QImage* target)
    : stock_(stockImage()),
      // The pixel writers store one 32-bit QRgb per pixel; no other layout may be drawn into.
      target_(target != nullptr && !target->isNull() && target->format() == QImage::Format_RGB32
                  ? target
                  : &stock_),
      font_{"", 0, 0}, qfont_(qtFont(font_)) {}

QFont QtDrawSurface::qtFont(const Font& font) {
    // The default face is ours to choose; "Arial" resolves to Liberation Sans on Linux.
    QFont qfont(font.face.empty() ? QStringLiteral("DejaVu Sans")
                                  : QString::fromStdString(font.face));
    qfont.setPixelSize(font.height != 0 ? std::abs(font.height) : kDefaultPixelSize);
    return qfont;
}

Pen QtDrawSurface::SelectPen(const Pen& pen) {
    return std::exchange(pen_, pen);
}

Font QtDrawSurface::SelectFont(const Font& font) {
    qfont_ = qtFont(font);
    return std::exchange(font_, font);
}

Color QtDrawSurface::SetTextColor(Color color) {
    return std::exchange(textColor_, color);
}

void QtDrawSurface::Rectangle(int left, int top, int right, int bottom) {
    QImage& target = image();
    {
        QPainter painter(&target);
        painter.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), qtColor(brush_));
        if (pen_.width > 1) {
            painter.setPen(EllipseStamp::qtPen(pen_));
            painter.drawRect(QRectF(left, top, right - left - 1, bottom - top - 1));
        }
    }
    if (pen_.width <= 1) {
        // The outline's last row and column are right - 1 and bottom - 1.
        drawPixelLine(target, left, top, right - 1, top, pen_);
        drawPixelLine(target, right - 1, top, right - 1, bottom - 1, pen_);
        drawPixelLine(target, right - 1, bottom - 1, left, bottom - 1, pen_);
        drawPixelLine(target, left, bottom - 1, left, top, pen_);
    }
}

void QtDrawSurface::MoveTo(int x, int y) {
    x_ = x;
    y_ = y;
}

void QtDrawSurface::LineTo(int x, int y) {
    if (pen_.width <= 1) {
        drawPixelLine(image(), x_, y_, x, y, pen_);
    } else {
        QPainter painter(&image());
        painter.setPen(EllipseStamp::qtPen(pen_));
        painter.drawLine(x_, y_, x, y);
    }
    x_ = x;
    y_ = y;
}

void QtDrawSurface::Ellipse(int left, int top, int right, int bottom) {
    const int w = right - left;
    const int h = bottom - top;
    if (w > 0 && h > 0 && w <= kLargestStampedEllipse && h <= kLargestStampedEllipse) {
        dot_.draw(image(), left, top, right, bottom, pen_, brush_);
    } else {
        QPainter painter(&image());
        painter.setPen(EllipseStamp::qtPen(pen_));
        painter.setBrush(qtColor(brush_));
        painter.drawEllipse(QRectF(left, top, w, h));
    }
}

TextSize QtDrawSurface::GetTextExtent(const std::string& text) {
    const QFontMetrics metrics(qfont_, &image());
    return {metrics.horizontalAdvance(
                QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))),
            metrics.height()};
}

void QtDrawSurface::TextOut(int x, int y, const std::string& text) {
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    QPainter painter(&image());
    painter.setFont(qfont_);
    const QFontMetrics metrics = painter.fontMetrics();
    painter.translate(x, y);
    // Escapement turns the text counter-clockwise about its top-left corner.
    painter.rotate(-font_.escapement / 10.0);
    const QRect cell(0, 0, metrics.horizontalAdvance(qtext), metrics.height());
    painter.fillRect(cell, qtColor(background_));
    painter.setPen(qtColor(textColor_));
    painter.drawText(0, metrics.ascent(), qtext);
    painter.end();
}
