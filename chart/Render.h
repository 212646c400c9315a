#pragma once

#include "ChartModel.h"
#include "Painter.h"

#include <memory>
#include <optional>
#include <vector>

// How an axis turns values into pixels along it, and back.
struct AxisMapping {
    double min = 0.0, max = 1.0; // the values at the frame's two edges
    bool log = false;
    double fromPx = 0.0, toPx = 1.0; // where min and max fall
    double ToPixel(double value) const;
    double ToValue(double pixel) const;
};

// A dot that was drawn: where, and which point of which series of the model.
struct DrawnDot {
    PointF at;
    int series = 0;
    int index = 0;
};

// A corner of a model line that was drawn: where, and which point of which line of which series.
struct DrawnLinePoint {
    PointF at;
    int series = 0;
    int line = 0;
    int index = 0;
};

// What Render drew, for the readout, zoom and pan.
struct RenderResult {
    RectF frame;
    AxisMapping x, y;
    std::optional<AxisMapping> rightY;
    std::vector<DrawnDot> dots;
    std::vector<DrawnLinePoint> linePoints;
    // What was drawn of the model's diagram below, at its place in the picture.
    std::shared_ptr<const RenderResult> below;
};

// Draws the diagram of `model`, and the one below it when it has one, on a picture of widthPx x
// heightPx through `painter`.
RenderResult Render(const ChartModel& model, double widthPx, double heightPx, Painter& painter);
