#include "GdiPainter.h"

#include <cmath>
#include <string>

namespace {

const char* const kTitleFace = "Arial";
constexpr int kMarkerPenWidth = 3;

int px(double v) {
    return static_cast<int>(std::lround(v));
}

std::string joined(const TextRun& text) {
    std::string all;
    for (const TextPiece& piece : text)
        all += piece.text;
    return all;
}

} // namespace

GdiPainter::~GdiPainter() {
    if (originalPen_)
        dc_.SelectPen(*originalPen_);
    if (originalFont_)
        dc_.SelectFont(*originalFont_);
    if (originalTextColor_)
        dc_.SetTextColor(*originalTextColor_);
}

void GdiPainter::use(const Pen& pen) {
    if (pen_ == pen)
        return;
    const Pen previous = dc_.SelectPen(pen);
    if (!originalPen_)
        originalPen_ = previous;
    pen_ = pen;
}

void GdiPainter::useFont(double sizePx, bool upward) {
    std::optional<Font> wanted;
    if (upward)
        wanted = Font{kTitleFace, px(sizePx), 900};
    else if (px(sizePx) != 0)
        wanted = Font{"", px(sizePx), 0};
    // The surface's own font is the one it had before anything was selected.
    if (!wanted) {
        if (originalFont_ && font_ != originalFont_) {
            dc_.SelectFont(*originalFont_);
            font_ = originalFont_;
        }
        return;
    }
    if (font_ == wanted)
        return;
    const Font previous = dc_.SelectFont(*wanted);
    if (!originalFont_)
        originalFont_ = previous;
    font_ = wanted;
}

void GdiPainter::Fill(const RectF& rect, Color) {
    dc_.Rectangle(px(rect.left), px(rect.top), px(rect.right), px(rect.bottom));
}

void GdiPainter::Line(PointF from, PointF to, const Stroke& stroke) {
    use({stroke.dotted ? PenStyle::Dot : PenStyle::Solid, px(stroke.width), stroke.color});
    dc_.MoveTo(px(from.x), px(from.y));
    dc_.LineTo(px(to.x), px(to.y));
}

void GdiPainter::Frame(const RectF& rect, const Stroke& stroke) {
    use({stroke.dotted ? PenStyle::Dot : PenStyle::Solid, px(stroke.width), stroke.color});
    const int l = px(rect.left), t = px(rect.top), r = px(rect.right), b = px(rect.bottom);
    dc_.MoveTo(l, t);
    dc_.LineTo(l, b);
    dc_.LineTo(r, b);
    dc_.LineTo(r, t);
    dc_.LineTo(l, t);
}

void GdiPainter::Markers(std::span<const PointF> centres, double diameter, Color color) {
    use({PenStyle::Dot, kMarkerPenWidth, color});
    const double half = diameter / 2;
    for (const PointF& c : centres)
        dc_.Ellipse(px(c.x - half), px(c.y - half), px(c.x + half), px(c.y + half));
}

TextExtent GdiPainter::Measure(const TextRun& text, double sizePx, bool upward) {
    useFont(sizePx, upward);
    const TextSize size = dc_.GetTextExtent(joined(text));
    return {static_cast<double>(size.cx), 0.0, static_cast<double>(size.cy)};
}

void GdiPainter::Text(const TextRun& text, PointF origin, double sizePx, Color color, bool upward) {
    useFont(sizePx, upward);
    if (textColor_ != color) {
        const Color previous = dc_.SetTextColor(color);
        if (!originalTextColor_)
            originalTextColor_ = previous;
        textColor_ = color;
    }
    dc_.TextOut(px(origin.x), px(origin.y), joined(text));
}
