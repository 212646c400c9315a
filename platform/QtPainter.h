#pragma once

#include "chart/Painter.h"

#include <QFont>
#include <QImage>
#include <QPainter>

#include <optional>
#include <vector>

// The chart's Painter over a QPainter that is already begun, on any device: an image, a
// widget, an SVG generator or a PDF writer. The QPainter's state is restored on destruction.
class QtPainter final : public Painter {
  public:
    explicit QtPainter(QPainter& painter);
    ~QtPainter() override;
    QtPainter(const QtPainter&) = delete;
    QtPainter& operator=(const QtPainter&) = delete;

    void Fill(const RectF& rect, Color color) override;
    void Line(PointF from, PointF to, const Stroke& stroke) override;
    void Polyline(std::span<const PointF> points, const Stroke& stroke) override;
    void Frame(const RectF& rect, const Stroke& stroke) override;
    void Markers(std::span<const PointF> centres, double diameter, Color color) override;
    void Rings(std::span<const PointF> centres, double diameter, Color color) override;
    TextExtent Measure(const TextRun& text, double sizePx, bool upward = false) override;
    void Text(const TextRun& text, PointF origin, double sizePx, Color color,
              bool upward = false) override;
    void Clip(std::optional<RectF> rect) override;

    // The one font of every chart, `sizePx` pixels high on a device of `dotsPerInch`.
    static QFont ChartFont(double sizePx, int dotsPerInch);

  private:
    // One marker rasterised at the device's scale, copied for every centre.
    struct Stamp {
        double deviceDiameter;
        Color color;
        QImage image;
    };
    const Stamp* stampFor(double deviceDiameter, Color color);
    bool stamped(std::span<const PointF> centres, double radius, Color color);
    // Draws a filled shape, cutting it to the clip where the engine cannot.
    void fillShape(const QPainterPath& shape, const QBrush& brush);
    bool outsideClip(const QRectF& bounds) const;

    QPainter& painter_;
    bool active_;
    bool cutsItself_; // the engine ignores clipping
    std::optional<QRectF> clip_;
    std::vector<Stamp> stamps_;
};
