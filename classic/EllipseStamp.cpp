#include "EllipseStamp.h"

#include <QPainter>

#include <algorithm>

QPen EllipseStamp::qtPen(const Pen& pen) {
    QPen qpen(QColor(pen.color.r, pen.color.g, pen.color.b));
    qpen.setWidth(std::max(pen.width, 1));
    qpen.setStyle(pen.style == PenStyle::Dot && pen.width <= 1 ? Qt::DotLine : Qt::SolidLine);
    return qpen;
}

void EllipseStamp::rasterise(int width, int height, const Pen& pen, Color brush) {
    width_ = width;
    height_ = height;
    pen_ = pen;
    brush_ = brush;
    pixels_.clear();
    // Room for the pen on every side; an ellipse that large is drawn once, not a dot.
    const int margin = std::max(pen.width, 1) + 2;
    QImage stamp(width + 2 * margin, height + 2 * margin, QImage::Format_ARGB32);
    if (stamp.isNull())
        return;
    stamp.fill(Qt::transparent);
    {
        QPainter painter(&stamp);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(qtPen(pen));
        painter.setBrush(QColor(brush.r, brush.g, brush.b));
        painter.drawEllipse(QRectF(margin, margin, width, height));
    }
    for (int y = 0; y < stamp.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(stamp.constScanLine(y));
        for (int x = 0; x < stamp.width(); ++x)
            if (qAlpha(line[x]) == 255)
                pixels_.push_back({x - margin, y - margin, line[x]});
    }
}

void EllipseStamp::draw(QImage& image, int left, int top, int right, int bottom, const Pen& pen,
                        Color brush) {
    const int width = right - left;
    const int height = bottom - top;
    if (width != width_ || height != height_ || !(pen == pen_) || !(brush == brush_))
        rasterise(width, height, pen, brush);
    auto* bits = reinterpret_cast<QRgb*>(image.bits());
    const qsizetype stride = image.bytesPerLine() / 4;
    const int w = image.width();
    const int h = image.height();
    for (const Pixel& p : pixels_) {
        // 64-bit sums: a clamped far-off dot must not overflow.
        const long long x = static_cast<long long>(left) + p.dx;
        const long long y = static_cast<long long>(top) + p.dy;
        if (x >= 0 && y >= 0 && x < w && y < h)
            bits[y * stride + x] = p.rgb;
    }
}
