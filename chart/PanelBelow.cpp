#include "PanelBelow.h"

#include <algorithm>

namespace {

// The panel takes a little over a third of the picture, never less than its texts need.
constexpr double kPanelShare = 0.36;
constexpr double kPanelLinesAtLeast = 7.0;

// Draws what it is given `dy` pixels lower.
class LowerPainter final : public Painter {
  public:
    LowerPainter(Painter& inner, double dy) : inner_(inner), dy_(dy) {}
    void Fill(const RectF& r, Color c) override { inner_.Fill(lower(r), c); }
    void Line(PointF a, PointF b, const Stroke& s) override { inner_.Line(lower(a), lower(b), s); }
    void Frame(const RectF& r, const Stroke& s) override { inner_.Frame(lower(r), s); }
    void Markers(std::span<const PointF> c, double d, Color colour) override {
        inner_.Markers(lower(c), d, colour);
    }
    void Rings(std::span<const PointF> c, double d, Color colour) override {
        inner_.Rings(lower(c), d, colour);
    }
    TextExtent Measure(const TextRun& t, double size, bool upward) override {
        return inner_.Measure(t, size, upward);
    }
    void Text(const TextRun& t, PointF at, double size, Color c, bool upward) override {
        inner_.Text(t, lower(at), size, c, upward);
    }
    void Clip(std::optional<RectF> r) override {
        inner_.Clip(r ? std::optional(lower(*r)) : std::nullopt);
    }

  private:
    PointF lower(PointF p) const { return {p.x, p.y + dy_}; }
    RectF lower(const RectF& r) const { return {r.left, r.top + dy_, r.right, r.bottom + dy_}; }
    std::vector<PointF> lower(std::span<const PointF> points) const {
        std::vector<PointF> moved;
        moved.reserve(points.size());
        for (const PointF& p : points)
            moved.push_back(lower(p));
        return moved;
    }
    Painter& inner_;
    double dy_;
};

// Measures and draws nothing, for a layout worked out before drawing.
class MeasuringPainter final : public Painter {
  public:
    explicit MeasuringPainter(Painter& inner) : inner_(inner) {}
    void Fill(const RectF&, Color) override {}
    void Line(PointF, PointF, const Stroke&) override {}
    void Frame(const RectF&, const Stroke&) override {}
    void Markers(std::span<const PointF>, double, Color) override {}
    void Rings(std::span<const PointF>, double, Color) override {}
    TextExtent Measure(const TextRun& t, double size, bool upward) override {
        return inner_.Measure(t, size, upward);
    }
    void Text(const TextRun&, PointF, double, Color, bool) override {}
    void Clip(std::optional<RectF>) override {}

  private:
    Painter& inner_;
};

// The model with its frame's sides where `frame` has them, drawn without a panel, in the look
// of `look`.
ChartModel alignedTo(const ChartModel& model, const RectF& frame, const ChartModel& look) {
    ChartModel aligned = model;
    aligned.below.reset();
    aligned.frameSides = {frame.left, frame.right};
    aligned.fontPt = look.fontPt;
    aligned.dpi = look.dpi;
    aligned.numbers = look.numbers;
    aligned.paper = look.paper;
    return aligned;
}

} // namespace

RenderResult RenderWithPanelBelow(const ChartModel& model, double width, double height,
                                  Painter& painter) {
    const double font =
        std::max(model.fontPt, 1.0) * (model.dpi > 0 ? model.dpi : kScreenDpi) / 72.0;
    const double panel =
        std::clamp(kPanelShare * height, kPanelLinesAtLeast * font, std::max(height / 2, 1.0));
    const double upper = height - panel;
    ChartModel main = model;
    main.below.reset();
    // Each frame as narrow as either's labels make it, so both fit beside their labels.
    MeasuringPainter measuring(painter);
    const RectF natural = Render(main, width, upper, measuring).frame;
    const RectF lower =
        Render(alignedTo(*model.below, natural, model), width, panel, measuring).frame;
    const RectF both{std::max(natural.left, lower.left), 0, std::min(natural.right, lower.right),
                     0};
    RenderResult result = Render(alignedTo(main, both, model), width, upper, painter);
    LowerPainter below(painter, upper);
    RenderResult drawn = Render(alignedTo(*model.below, both, model), width, panel, below);
    drawn.frame.top += upper;
    drawn.frame.bottom += upper;
    drawn.y.fromPx += upper;
    drawn.y.toPx += upper;
    for (DrawnDot& dot : drawn.dots)
        dot.at.y += upper;
    result.below = std::make_shared<const RenderResult>(std::move(drawn));
    return result;
}
