#include "PixelLine.h"

#include <cstdlib>

void drawPixelLine(QImage& image, int x0, int y0, int x1, int y1, const Pen& pen) {
    const int width = image.width();
    const int height = image.height();
    // Axis-parallel lines wholly off the image (a zero line far above the frame) cost nothing.
    if ((y0 == y1 && (y0 < 0 || y0 >= height)) || (x0 == x1 && (x0 < 0 || x0 >= width)))
        return;
    const QRgb rgb = qRgb(pen.color.r, pen.color.g, pen.color.b);
    auto* pixels = reinterpret_cast<QRgb*>(image.bits());
    const qsizetype stride = image.bytesPerLine() / 4;
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    long long err = static_cast<long long>(dx) + dy;
    int x = x0;
    int y = y0;
    for (long long step = 0; x != x1 || y != y1; ++step) {
        const bool on = pen.style == PenStyle::Solid || (step / 3) % 2 == 0;
        if (on && x >= 0 && y >= 0 && x < width && y < height)
            pixels[y * stride + x] = rgb;
        const long long e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}
