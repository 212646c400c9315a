#pragma once

#include "Painter.h"

// Measures and draws nothing, for a layout worked out before drawing.
class MeasuringPainter final : public Painter {
  public:
    explicit MeasuringPainter(Painter& inner) : inner_(inner) {}
    void Fill(const RectF&, Color) override {}
    void Line(PointF, PointF, const Stroke&) override {}
    void Frame(const RectF&, const Stroke&) override {}
    void Markers(std::span<const PointF>, double, Color) override {}
    void Rings(std::span<const PointF>, double, Color) override {}
    void Polyline(std::span<const PointF>, const Stroke&) override {}
    TextExtent Measure(const TextRun& t, double size, bool upward) override {
        return inner_.Measure(t, size, upward);
    }
    void Text(const TextRun&, PointF, double, Color, bool) override {}
    void Clip(std::optional<RectF>) override {}

  private:
    Painter& inner_;
};
