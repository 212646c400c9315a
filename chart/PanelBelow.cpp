#include "PanelBelow.h"

#include "MeasuringPainter.h"

#include <algorithm>
#include <vector>

namespace {

// A panel takes never less than its texts need, and never more than half of what is left.
constexpr double kPanelLinesAtLeast = 7.0;

// Draws what it is given `dy` pixels lower.
class LowerPainter final : public Painter {
  public:
    LowerPainter(Painter& inner, double dy) : inner_(inner), dy_(dy) {}
    void Fill(const RectF& r, Color c) override { inner_.Fill(lower(r), c); }
    void Line(PointF a, PointF b, const Stroke& s) override { inner_.Line(lower(a), lower(b), s); }
    void Frame(const RectF& r, const Stroke& s) override { inner_.Frame(lower(r), s); }
    void Polyline(std::span<const PointF> points, const Stroke& s) override {
        inner_.Polyline(lower(points), s);
    }
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

// The model drawn without a panel, in the look of `look`.
ChartModel alignedTo(const ChartModel& model, const ChartModel& look) {
    ChartModel aligned = model;
    aligned.below.reset();
    aligned.fontPt = look.fontPt;
    aligned.markerPt = look.markerPt;
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
    std::vector<const ChartModel*> panels{&model};
    for (const ChartModel* below = model.below.get(); below != nullptr; below = below->below.get())
        panels.push_back(below);
    // From the bottom up, each panel takes its share of what is left above it.
    std::vector<double> heights(panels.size());
    double left = height;
    for (size_t i = panels.size() - 1; i > 0; --i) {
        const double most = std::max(left / 2, 1.0);
        heights[i] =
            std::min(std::max(panels[i]->belowShare * left, kPanelLinesAtLeast * font), most);
        left -= heights[i];
    }
    heights[0] = left;
    // Each frame as narrow as any panel's labels make it, so all fit beside their labels.
    MeasuringPainter measuring(painter);
    RectF sides{0, 0, width, 0};
    for (size_t i = 0; i < panels.size(); ++i) {
        ChartModel alone = alignedTo(*panels[i], model);
        alone.frameSides.reset();
        const RectF natural = Render(alone, width, heights[i], measuring).frame;
        sides.left = std::max(sides.left, natural.left);
        sides.right = std::min(sides.right, natural.right);
    }
    std::vector<RenderResult> drawn;
    double top = 0;
    for (size_t i = 0; i < panels.size(); ++i) {
        ChartModel aligned = alignedTo(*panels[i], model);
        aligned.frameSides = {sides.left, sides.right};
        LowerPainter lower(painter, top);
        RenderResult r = Render(aligned, width, heights[i], lower);
        r.frame.top += top;
        r.frame.bottom += top;
        r.y.fromPx += top;
        r.y.toPx += top;
        if (r.rightY) {
            r.rightY->fromPx += top;
            r.rightY->toPx += top;
        }
        for (DrawnDot& dot : r.dots)
            dot.at.y += top;
        drawn.push_back(std::move(r));
        top += heights[i];
    }
    for (size_t i = drawn.size() - 1; i > 0; --i)
        drawn[i - 1].below = std::make_shared<const RenderResult>(std::move(drawn[i]));
    return std::move(drawn.front());
}

void AddPanelBelow(ChartModel& model, ChartModel panel) {
    if (!model.below) {
        model.below = std::make_shared<const ChartModel>(std::move(panel));
        return;
    }
    ChartModel below = *model.below;
    AddPanelBelow(below, std::move(panel));
    model.below = std::make_shared<const ChartModel>(std::move(below));
}
