#include "Marks.h"

void DrawMarks(Painter& painter, std::span<const PointF> centres, double diameter, Color color,
               MarkShape shape, bool open) {
    const double stroke = open ? diameter / 6 : diameter / 3.5;
    switch (shape) {
    case MarkShape::Circle:
        if (open)
            painter.Rings(centres, diameter, color);
        else
            painter.Markers(centres, diameter, color);
        return;
    case MarkShape::Square: {
        // A square of the circle's area.
        const double h = diameter * 0.443;
        for (const PointF& c : centres) {
            const RectF box{c.x - h, c.y - h, c.x + h, c.y + h};
            if (open)
                painter.Frame(box, {color, stroke});
            else
                painter.Fill(box, color);
        }
        return;
    }
    case MarkShape::Plus:
    case MarkShape::Cross: {
        const double r = diameter * 0.6;
        const double a = shape == MarkShape::Plus ? r : r * 0.7071;
        for (const PointF& c : centres) {
            if (shape == MarkShape::Plus) {
                painter.Line({c.x - a, c.y}, {c.x + a, c.y}, {color, stroke});
                painter.Line({c.x, c.y - a}, {c.x, c.y + a}, {color, stroke});
            } else {
                painter.Line({c.x - a, c.y - a}, {c.x + a, c.y + a}, {color, stroke});
                painter.Line({c.x - a, c.y + a}, {c.x + a, c.y - a}, {color, stroke});
            }
        }
        return;
    }
    }
}
