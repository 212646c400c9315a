#pragma once

#include "DrawSurface.h"
#include "chart/Painter.h"

#include <optional>

// The painter over a classic drawing surface, with its pixel rules: a line leaves out its
// end point, a rectangle is filled with the surface's brush and outlined with its current
// pen, text is placed by the top-left corner of its opaque cell (so it measures all below
// its "baseline"), turned text is set in the title face, and markers are ellipses in a
// three-pixel dotted pen. Coordinates are whole pixels. It selects pens, fonts and text
// colours only as drawing needs them, and puts back what it changed when it goes.
class GdiPainter final : public Painter {
  public:
    explicit GdiPainter(IDrawSurface& dc) : dc_(dc) {}
    ~GdiPainter() override;
    GdiPainter(const GdiPainter&) = delete;
    GdiPainter& operator=(const GdiPainter&) = delete;

    void Fill(const RectF& rect, Color color) override;
    void Line(PointF from, PointF to, const Stroke& stroke) override;
    void Frame(const RectF& rect, const Stroke& stroke) override;
    void Markers(std::span<const PointF> centres, double diameter, Color color) override;
    TextExtent Measure(const TextRun& text, double sizePx, bool upward = false) override;
    void Text(const TextRun& text, PointF origin, double sizePx, Color color,
              bool upward = false) override;
    // The classic picture keeps its dots inside by itself.
    void Clip(std::optional<RectF>) override {}

  private:
    void use(const Pen& pen);
    // A size of 0 is the surface's own font.
    void useFont(double sizePx, bool upward);

    IDrawSurface& dc_;
    std::optional<Pen> pen_, originalPen_;
    std::optional<Font> font_, originalFont_;
    std::optional<Color> textColor_, originalTextColor_;
};
