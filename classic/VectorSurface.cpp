#include "VectorSurface.h"

#include "QtDrawSurface.h"

#include <QFontMetrics>
#include <QPainter>

#include <utility>

namespace {

QColor qtColor(Color c) {
    return QColor(c.r, c.g, c.b);
}

// A one-pixel dotted pen runs three pixels on, three off, as on the bitmap; wider dotted
// pens draw solid.
QPen vectorPen(const Pen& pen) {
    QPen qpen(qtColor(pen.color));
    qpen.setWidthF(std::max(pen.width, 1));
    qpen.setCapStyle(Qt::FlatCap);
    if (pen.style == PenStyle::Dot && pen.width <= 1)
        qpen.setDashPattern({3.0, 3.0});
    return qpen;
}

// A one-pixel line at pixel x covers [x, x + 1): its centre line runs through x + 0.5.
QPointF centreOf(int x, int y) {
    return QPointF(x + 0.5, y + 0.5);
}

} // namespace

VectorSurface::VectorSurface(QPainter& painter)
    : painter_(painter), measure_(1, 1, QImage::Format_RGB32), font_{"", 0, 0},
      qfont_(QtDrawSurface::qtFont(font_)) {
    painter_.setRenderHint(QPainter::Antialiasing, true);
}

Pen VectorSurface::SelectPen(const Pen& pen) {
    return std::exchange(pen_, pen);
}

Font VectorSurface::SelectFont(const Font& font) {
    qfont_ = QtDrawSurface::qtFont(font);
    return std::exchange(font_, font);
}

Color VectorSurface::SetTextColor(Color color) {
    return std::exchange(textColor_, color);
}

void VectorSurface::Rectangle(int left, int top, int right, int bottom) {
    painter_.fillRect(QRectF(left, top, right - left, bottom - top), Qt::white);
    painter_.setPen(vectorPen(pen_));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(QRectF(centreOf(left, top), centreOf(right - 1, bottom - 1)));
}

void VectorSurface::MoveTo(int x, int y) {
    x_ = x;
    y_ = y;
}

void VectorSurface::LineTo(int x, int y) {
    painter_.setPen(vectorPen(pen_));
    painter_.drawLine(centreOf(x_, y_), centreOf(x, y));
    x_ = x;
    y_ = y;
}

void VectorSurface::Ellipse(int left, int top, int right, int bottom) {
    QPen pen = vectorPen(pen_);
    pen.setStyle(Qt::SolidLine);
    painter_.setPen(pen);
    painter_.setBrush(Qt::white);
    painter_.drawEllipse(QRectF(left, top, right - left, bottom - top));
}

TextSize VectorSurface::GetTextExtent(const std::string& text) {
    const QFontMetrics metrics(qfont_, &measure_);
    return {metrics.horizontalAdvance(QString::fromStdString(text)), metrics.height()};
}

void VectorSurface::TextOut(int x, int y, const std::string& text) {
    const QString qtext = QString::fromStdString(text);
    const QFontMetrics metrics(qfont_, &measure_);
    painter_.save();
    painter_.translate(x, y);
    // Escapement turns the text counter-clockwise about its top-left corner.
    painter_.rotate(-font_.escapement / 10.0);
    painter_.fillRect(QRectF(0, 0, metrics.horizontalAdvance(qtext), metrics.height()), Qt::white);
    painter_.setFont(qfont_);
    painter_.setPen(qtColor(textColor_));
    painter_.drawText(QPointF(0, metrics.ascent()), qtext);
    painter_.restore();
}
