#include "ClassicStyle.h"

#include "AxisMap.h"
#include "ChartStyle.h"
#include "ClassicStyleParts.h"
#include "CurveChart.h"
#include "GdiPainter.h"
#include "PlotLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

using namespace classic_style;

// Two decimals while a step is below 1, one from 1 up.
std::string label(double value, double step) {
    const char* format = std::fabs(step) < 1.0 ? "%.2f" : "%.1f";
    const int length = std::snprintf(nullptr, 0, format, value);
    std::string text(static_cast<size_t>(std::max(length, 0)), '\0');
    std::snprintf(text.data(), text.size() + 1, format, value);
    return text;
}

std::string title(const std::string& name, int exponent) {
    if (exponent == 0)
        return name;
    return name + "x10^" + std::to_string(3LL * exponent);
}

int tickSpacing(int span) {
    return std::max(span / kDivisions, 1);
}

// The step between two labels of a linear axis.
double stepOf(double min, double max) {
    return (max - min) * (1.0 / kDivisions);
}

double unscaled(double value, int exponent) {
    return value * std::pow(1000.0, exponent);
}

// How an axis of the chart maps its values, in the data's own units, onto the frame.
AxisMapping mappingOf(double min, double max, int exponent, int mode, int fromPx, int toPx) {
    return {unscaled(min, exponent), unscaled(max, exponent), mode == kLogAxis, double(fromPx),
            double(toPx)};
}

// The eleven labels of a linear axis, each measured, and how many of them to step over:
// 1, or every 2nd, 4th, 8th where neighbours would run together, until none do.
struct Divisions {
    std::string text[kDivisions + 1];
    TextSize size[kDivisions + 1];
    int stride = 1;
};

// `span(i, size)` is where label i lies along the axis, [from, to) in the direction the
// values grow.
template <typename Span>
Divisions divisions(Painter& p, int font, double min, double step, Span span) {
    Divisions d;
    for (int i = 0; i <= kDivisions; ++i) {
        d.text[i] = label(i * step + min, step);
        d.size[i] = ExtentOf(p, d.text[i], font);
    }
    auto clear = [&](int stride) {
        for (int i = 0; i + stride <= kDivisions; i += stride)
            if (span(i, d.size[i]).second >= span(i + stride, d.size[i + stride]).first)
                return false;
        return true;
    };
    while (d.stride <= kDivisions && !clear(d.stride))
        d.stride *= 2;
    return d;
}

// An upright linear axis at x = `edge`: ticks `inward` pixels long every `tickPx` from the
// frame's bottom B, whose run ends kTickRunPx above the surface rather than at the frame, and
// the labels of its ten divisions, each starting at `leftOf(its width)`.
template <typename LeftOf>
void drawUpright(Painter& p, int edge, int inward, int B, int tickPx, double min, double step,
                 int font, Color color, LeftOf leftOf) {
    const Stroke axis = StrokeOf(kAxisPen);
    for (int d = 0; d < B + kTickRunPx; d += tickPx)
        p.Line(At(edge, B - d), At(edge + inward, B - d), axis);
    // Upward from the frame's bottom edge.
    const auto up = [&](int i, TextSize size) {
        const int top = B - i * tickPx - size.cy / 2;
        return std::pair(B - (top + size.cy), B - top);
    };
    const Divisions d = divisions(p, font, min, step, up);
    for (int i = 0; i <= kDivisions; i += d.stride)
        p.Text(PlainText(d.text[i]), At(leftOf(d.size[i].cx), B - i * tickPx - d.size[i].cy / 2),
               font, color);
}

} // namespace

RenderResult RenderClassic(const CCurveChart& c, const PlotLayout& layout, Painter& p) {
    const double xStep = stepOf(c.xMin, c.xMax);
    const double yStep = stepOf(c.yMin, c.yMax);

    const RECT& client = layout.client;
    p.Fill({double(client.left), double(client.top), double(client.right), double(client.bottom)},
           kWhite);

    const int L = layout.left, T = layout.top, R = layout.right, B = layout.bottom;
    const int tick = layout.tickLength;
    // The classic layout writes in the surface's own font (size 0).
    const int font = layout.fontPx;
    const Stroke axis = StrokeOf(kAxisPen);

    const int xTickPx = tickSpacing(R - L);
    const int yTickPx = tickSpacing(B - T);

    p.Frame({double(L), double(T), double(R), double(B)}, axis);

    if (c.xMode == kLogAxis) {
        DrawClassicLogXAxis(c, p, layout);
    } else {
        for (int x = L; x < R - kTickRunPx; x += xTickPx)
            p.Line(At(x, B - tick), At(x, B), axis);
        const auto across = [&](int i, TextSize size) {
            const int left = L + i * xTickPx - size.cx / 2;
            return std::pair(left, left + size.cx);
        };
        const Divisions d = divisions(p, font, c.xMin, xStep, across);
        // At the corner the lowest Y label, centred on the frame's bottom edge, reaches down
        // into the first X label's row; the X label gives way.
        bool cornerTaken = false;
        if (c.yMode != kLogAxis) {
            const TextSize lowest = ExtentOf(p, label(c.yMin, yStep), font);
            cornerTaken = across(0, d.size[0]).first < L - layout.yLabelGap &&
                          B + layout.xLabelGap < B - lowest.cy / 2 + lowest.cy;
        }
        for (int i = cornerTaken ? d.stride : 0; i <= kDivisions; i += d.stride)
            p.Text(PlainText(d.text[i]), At(across(i, d.size[i]).first, B + layout.xLabelGap), font,
                   kBlack);
    }

    if (c.yMode == kLogAxis) {
        DrawClassicLogYAxis(c, p, layout);
    } else {
        drawUpright(p, L, tick, B, yTickPx, c.yMin, yStep, font, kBlue,
                    [&](int width) { return L - width - layout.yLabelGap; });
    }

    if (c.showZAxis)
        drawUpright(p, R, -tick, B, tickSpacing(B - T), c.zMin, stepOf(c.zMin, c.zMax), font, kRed,
                    [&](int) { return R + layout.zLabelGap; });

    const std::string xText = title(c.xTitle, c.xExp);
    const TextSize xSize = ExtentOf(p, xText, font);
    p.Text(PlainText(xText), At((L + R) / 2 - xSize.cx / 2, B + xSize.cy + layout.xLabelGap), font,
           kBlack);

    const std::string yText = title(c.yTitle, c.yExp);
    const TextSize ySize = ExtentOf(p, yText, font, true);
    p.Text(PlainText(yText), At(L - layout.yTitleOffset, (T + B) / 2 + ySize.cx / 2), font, kBlue,
           true);
    if (c.showZAxis) {
        const std::string zText = title(c.zTitle, c.zExp);
        const TextSize zSize = ExtentOf(p, zText, font, true);
        p.Text(PlainText(zText), At(R + layout.zTitleOffset, (T + B) / 2 + zSize.cx / 2), font,
               kRed, true);
    }

    if (c.xMode == kLogAxis || c.yMode == kLogAxis) {
        DrawClassicDecadeGrid(c, p, layout);
    } else {
        const Stroke grid = StrokeOf(kGridPen);
        const int gridGap = (B - T) / kGridRows;
        for (int k = 1; k < kGridRows; ++k)
            p.Line(At(L, B - k * gridGap), At(R, B - k * gridGap), grid);
    }

    const std::vector<SlotDots> dots = ClassicDotPlaces(c, layout);
    if (NamedSeries(c)) {
        DrawClassicSeriesInTurn(dots, p);
    } else {
        // One dot at a time: a slot's Z dot goes over its Y dot, before the next slot's.
        const auto dot = [&p](PixelPoint at, Color color) {
            const PointF centre = At(at.x, at.y);
            p.Markers({&centre, 1}, kDotDiameterPx, color);
        };
        for (const SlotDots& slot : dots) {
            if (slot.y)
                dot(*slot.y, kYDotPen.color);
            if (slot.z)
                dot(*slot.z, kZDotPen.color);
        }
    }

    if (c.showZeroLine) {
        // Evaluated as (B - T) * -c.yMin / (c.yMax - c.yMin), which can differ from a dot at 0.
        const auto d0 = PixelOffset(static_cast<double>(B - T) * -c.yMin / (c.yMax - c.yMin));
        if (d0 && (!c.clipToFrame || (*d0 >= 0 && *d0 <= B - T)))
            p.Line(At(L, B - *d0), At(R, B - *d0), axis);
    }

    if (NamedSeries(c))
        DrawClassicLegend(c, p, layout);

    RenderResult result;
    result.frame = {double(L), double(T), double(R), double(B)};
    result.x = mappingOf(c.xMin, c.xMax, c.xExp, c.xMode, L, R);
    result.y = mappingOf(c.yMin, c.yMax, c.yExp, c.yMode, B, T);
    if (c.showZAxis)
        result.rightY = mappingOf(c.zMin, c.zMax, c.zExp, c.zMode, B, T);
    for (size_t i = 0; i < dots.size(); ++i) {
        if (dots[i].y)
            result.dots.push_back({At(dots[i].y->x, dots[i].y->y), 0, static_cast<int>(i)});
        if (dots[i].z)
            result.dots.push_back({At(dots[i].z->x, dots[i].z->y), 1, static_cast<int>(i)});
    }
    return result;
}

RenderResult DrawClassicChart(const CCurveChart& chart, const PlotLayout& layout,
                              IDrawSurface& surface) {
    GdiPainter painter(surface);
    return RenderClassic(chart, layout, painter);
}
