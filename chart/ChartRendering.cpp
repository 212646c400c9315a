#include "AxisMap.h"
#include "ChartStyle.h"
#include "CurveChart.h"
#include "GdiPainter.h"
#include "PlotLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

namespace {

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
    return std::max(span / 10, 1);
}

// The eleven labels of a linear axis, each measured, and how many of them to step over:
// 1, or every 2nd, 4th, 8th where neighbours would run together, until none do.
struct Divisions {
    std::string text[11];
    TextSize size[11];
    int stride = 1;
};

// `span(i, size)` is where label i lies along the axis, [from, to) in the direction the
// values grow.
template <typename Span>
Divisions divisions(Painter& p, int font, double min, double step, Span span) {
    Divisions d;
    for (int i = 0; i <= 10; ++i) {
        d.text[i] = label(i * step + min, step);
        d.size[i] = ExtentOf(p, d.text[i], font);
    }
    auto clear = [&](int stride) {
        for (int i = 0; i + stride <= 10; i += stride)
            if (span(i, d.size[i]).second >= span(i + stride, d.size[i + stride]).first)
                return false;
        return true;
    };
    while (d.stride <= 10 && !clear(d.stride))
        d.stride *= 2;
    return d;
}

} // namespace

namespace {

// Where the last Draw put the dot of slot i on the `axis` channel against X.
std::optional<PixelPoint> dotCentre(CCurveChart& c, int i, char axis, const double* data) {
    if (i < 0 || i >= c.count)
        return std::nullopt;
    const int L = c.plotLeft, T = c.plotTop, R = c.plotRight, B = c.plotBottom;
    const auto dx = AxisMap(c, 'x', R - L)(c.xData[i]);
    const auto dy = AxisMap(c, axis, B - T)(data[i]);
    if (!dx || !dy)
        return std::nullopt;
    const PixelPoint p{L + *dx, B - *dy};
    if (c.clipToFrame && (p.x < L || p.x > R || p.y < T || p.y > B))
        return std::nullopt;
    return p;
}

} // namespace

std::optional<PixelPoint> CCurveChart::DotCentre(int i) {
    return dotCentre(*this, i, 'y', yData);
}

std::optional<PixelPoint> CCurveChart::ZDotCentre(int i) {
    if (!showZAxis)
        return std::nullopt;
    return dotCentre(*this, i, 'z', zData);
}

bool CCurveChart::Draw(IDrawSurface* pDC) {
    if (pDC == nullptr) {
        lastError = kErrNoSurface;
        return false;
    }
    GdiPainter painter(*pDC);
    drawClassic(painter);
    return true;
}

void CCurveChart::drawClassic(Painter& p) {
    xStep = (xMax - xMin) * 0.1;
    yStep = (yMax - yMin) * 0.1;
    if (showZAxis)
        zStep = (zMax - zMin) * 0.1;

    p.Fill({double(clientRect.left), double(clientRect.top), double(clientRect.right),
            double(clientRect.bottom)},
           kWhite);

    const PlotLayout layout = LayoutFor(clientRect, scaleLayoutWithSize);
    plotLeft = layout.left;
    plotTop = layout.top;
    plotRight = layout.right;
    plotBottom = layout.bottom;
    const int L = plotLeft, T = plotTop, R = plotRight, B = plotBottom;
    const int tick = layout.tickLength;
    // The classic layout writes in the surface's own font (size 0).
    const int font = layout.fontPx;
    const Stroke axis = StrokeOf(kAxisPen);

    xTickPx = tickSpacing(R - L);
    yTickPx = tickSpacing(B - T);
    if (showZAxis)
        zTickPx = tickSpacing(B - T);

    p.Frame({double(L), double(T), double(R), double(B)}, axis);

    if (xMode == kLogAxis) {
        drawLogXAxis(p, layout);
    } else {
        for (int x = L; x < R - 20; x += xTickPx)
            p.Line(At(x, B - tick), At(x, B), axis);
        const auto across = [&](int i, TextSize size) {
            const int left = L + i * xTickPx - size.cx / 2;
            return std::pair(left, left + size.cx);
        };
        const Divisions d = divisions(p, font, xMin, xStep, across);
        for (int i = 0; i <= 10; i += d.stride)
            p.Text(PlainText(d.text[i]), At(across(i, d.size[i]).first, B + layout.xLabelGap), font,
                   kBlack);
    }

    if (yMode == kLogAxis) {
        drawLogYAxis(p, layout);
    } else {
        // The runs of Y and Z ticks end 20 pixels above the surface, not at the frame.
        for (int d = 0; d < B + 20; d += yTickPx)
            p.Line(At(L, B - d), At(L + tick, B - d), axis);
        // Upward from the frame's bottom edge.
        const auto up = [&](int i, TextSize size) {
            const int top = B - i * yTickPx - size.cy / 2;
            return std::pair(B - (top + size.cy), B - top);
        };
        const Divisions d = divisions(p, font, yMin, yStep, up);
        for (int i = 0; i <= 10; i += d.stride)
            p.Text(PlainText(d.text[i]),
                   At(L - d.size[i].cx - layout.yLabelGap, B - i * yTickPx - d.size[i].cy / 2),
                   font, kBlue);
    }

    if (showZAxis) {
        for (int d = 0; d < B + 20; d += zTickPx)
            p.Line(At(R, B - d), At(R - tick, B - d), axis);
        const auto up = [&](int i, TextSize size) {
            const int top = B - i * zTickPx - size.cy / 2;
            return std::pair(B - (top + size.cy), B - top);
        };
        const Divisions d = divisions(p, font, zMin, zStep, up);
        for (int i = 0; i <= 10; i += d.stride)
            p.Text(PlainText(d.text[i]),
                   At(R + layout.zLabelGap, B - i * zTickPx - d.size[i].cy / 2), font, kRed);
    }

    const std::string xText = title(xTitle, xExp);
    const TextSize xSize = ExtentOf(p, xText, font);
    p.Text(PlainText(xText), At((L + R) / 2 - xSize.cx / 2, B + xSize.cy + layout.xLabelGap), font,
           kBlack);

    const std::string yText = title(yTitle, yExp);
    const TextSize ySize = ExtentOf(p, yText, font, true);
    p.Text(PlainText(yText), At(L - layout.yTitleOffset, (T + B) / 2 + ySize.cx / 2), font, kBlue,
           true);
    if (showZAxis) {
        const std::string zText = title(zTitle, zExp);
        const TextSize zSize = ExtentOf(p, zText, font, true);
        p.Text(PlainText(zText), At(R + layout.zTitleOffset, (T + B) / 2 + zSize.cx / 2), font,
               kRed, true);
    }

    if (xMode == kLogAxis || yMode == kLogAxis) {
        drawDecadeGrid(p);
    } else {
        const Stroke grid = StrokeOf(kGridPen);
        const int gridGap = (B - T) / 5;
        for (int k = 1; k <= 4; ++k)
            p.Line(At(L, B - k * gridGap), At(R, B - k * gridGap), grid);
    }

    // Zoomed in, dots beyond the frame would cover the labels.
    auto shown = [&](int px, int py) {
        return !clipToFrame || (px >= L && px <= R && py >= T && py <= B);
    };
    if (namedSeries()) {
        drawSeriesInTurn(p);
    } else {
        const AxisMap xMap(*this, 'x', R - L);
        const AxisMap yMap(*this, 'y', B - T);
        const AxisMap zMap(*this, 'z', B - T);
        // One dot at a time: a slot's Z dot goes over its Y dot, before the next slot's.
        const auto dot = [&p](int x, int y, Color color) {
            const PointF at = At(x, y);
            p.Markers({&at, 1}, 2, color);
        };
        for (int i = 0; i < count; ++i) {
            const auto dx = xMap(xData[i]);
            const auto dy = yMap(yData[i]);
            if (!dx)
                continue;
            const int px = L + *dx;
            if (dy && shown(px, B - *dy))
                dot(px, B - *dy, kYDotPen.color);
            if (showZAxis)
                if (const auto dz = zMap(zData[i]); dz && shown(px, B - *dz))
                    dot(px, B - *dz, kZDotPen.color);
        }
    }

    if (showZeroLine) {
        // Evaluated as (B - T) * -yMin / (yMax - yMin), which can differ from a dot at 0.
        const auto d0 = PixelOffset(static_cast<double>(B - T) * -yMin / (yMax - yMin));
        if (d0 && (!clipToFrame || (*d0 >= 0 && *d0 <= B - T)))
            p.Line(At(L, B - *d0), At(R, B - *d0), axis);
    }

    if (namedSeries())
        drawLegend(p, layout.fontPx);
}
