#pragma once

#include "DrawingTools.h"

#include <cmath>
#include <numbers>
#include <optional>
#include <span>
#include <string>
#include <vector>

// A picture's pixel at its plain resolution is 1/96 inch, as on the screen.
inline constexpr double kScreenDpi = 96.0;

// Coordinates in pixels, fractional: vector pictures keep them as they are.
struct PointF {
    double x = 0.0, y = 0.0;
    friend bool operator==(const PointF&, const PointF&) = default;
};

struct RectF {
    double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
    bool contains(PointF p) const {
        return p.x >= left && p.x <= right && p.y >= top && p.y <= bottom;
    }
    friend bool operator==(const RectF&, const RectF&) = default;
};

// A piece of text; a superscript is set smaller and raised (the exponent of 10³).
struct TextPiece {
    std::string text; // UTF-8
    bool superscript = false;
    friend bool operator==(const TextPiece&, const TextPiece&) = default;
};
using TextRun = std::vector<TextPiece>;

inline TextRun PlainText(std::string text) {
    return {TextPiece{std::move(text), false}};
}

// A run's extent at a font size: its advance, and how far it reaches above and below the
// baseline.
struct TextExtent {
    double width = 0.0, ascent = 0.0, descent = 0.0;
    double height() const { return ascent + descent; }
};

struct Stroke {
    Color color;
    double width = 1.0; // pixels
    bool dotted = false;
};

// The drawing operations the renderer needs, in the one font family of the picture. One
// implementation over QPainter serves the screen, PNG, SVG and PDF.
class Painter {
  public:
    virtual ~Painter() = default;
    virtual void Fill(const RectF& rect, Color color) = 0;
    virtual void Line(PointF from, PointF to, const Stroke& stroke) = 0;
    virtual void Frame(const RectF& rect, const Stroke& stroke) = 0;
    // Filled circles of one diameter and colour.
    virtual void Markers(std::span<const PointF> centres, double diameter, Color color) = 0;
    // Open circles of one diameter and colour; a painter without them gets polygons.
    virtual void Rings(std::span<const PointF> centres, double diameter, Color color) {
        constexpr int kSides = 12;
        const double r = diameter / 2;
        for (const PointF& c : centres)
            for (int i = 0; i < kSides; ++i) {
                const double a = 2 * std::numbers::pi * i / kSides,
                             b = a + 2 * std::numbers::pi / kSides;
                Line({c.x + r * std::cos(a), c.y + r * std::sin(a)},
                     {c.x + r * std::cos(b), c.y + r * std::sin(b)}, {color, diameter / 6});
            }
    }
    // A line through the points in their order; a painter without it gets its segments.
    virtual void Polyline(std::span<const PointF> points, const Stroke& stroke) {
        for (size_t i = 1; i < points.size(); ++i)
            Line(points[i - 1], points[i], stroke);
    }
    // `upward` as for Text: a painter may set turned text in a face of its own.
    virtual TextExtent Measure(const TextRun& text, double sizePx, bool upward = false) = 0;
    // Draws a run with its baseline starting at `origin`; `upward` turns it a quarter to
    // the left about the origin, so it reads from bottom to top.
    virtual void Text(const TextRun& text, PointF origin, double sizePx, Color color,
                      bool upward = false) = 0;
    // Later drawing stays within `rect`; nothing lifts the clip again.
    virtual void Clip(std::optional<RectF> rect) = 0;
};
