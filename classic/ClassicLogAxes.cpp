#include "AxisMap.h"
#include "ChartStyle.h"
#include "ClassicStyleParts.h"
#include "CurveChart.h"
#include "PlotLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// Below this many pixels per decade the ticks between decades would run together.
constexpr int kMinorTicksFromPx = 24;

std::string endLabel(double value) {
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%.3g", value);
    return std::string(text, static_cast<size_t>(std::clamp(length, 0, 31)));
}

struct Tick {
    int offset;
    bool decade;
};

// The ticks of a log axis of `pixels` spanning [min, max]: the decades, and their multiples
// 2 to 9 where there is room for them.
std::vector<Tick> logTicks(double min, double max, int pixels) {
    std::vector<Tick> ticks;
    const LogScale scale(min, max);
    if (!scale.Fraction(min))
        return ticks;
    const int first = static_cast<int>(std::floor(std::log10(min)));
    const int last = static_cast<int>(std::ceil(std::log10(max)));
    const bool minor = pixels >= kMinorTicksFromPx * (last - first);
    for (int k = first; k <= last; ++k) {
        for (int m = 1; m <= (minor ? 9 : 1); ++m) {
            const auto fraction = scale.Fraction(m * std::pow(10.0, k));
            if (!fraction || *fraction < 0.0 || *fraction > 1.0)
                continue;
            if (const auto offset = PixelOffset(*fraction * pixels))
                ticks.push_back({*offset, m == 1});
        }
    }
    return ticks;
}

// The labels of a log axis and where they stand: its decades, spaced so that they keep
// apart. A view within less than two decades is labelled at its ends instead, with their
// values, so a zoomed axis still tells where it is.
std::vector<std::pair<std::string, int>> logLabels(double min, double max, int pixels, Painter& p,
                                                   int font, bool alongWidth) {
    std::vector<std::pair<std::string, int>> labels;
    const std::vector<int> all = DecadesWithin(min, max);
    if (all.size() < 2) {
        if (LogScale(min, max).Fraction(min))
            labels = {{endLabel(min), 0}, {endLabel(max), pixels}};
        return labels;
    }
    int labelPx = 0;
    for (int k : {all.front(), all.back()}) {
        const TextSize size = ExtentOf(p, DecadeLabel(k), font);
        labelPx = std::max(labelPx, alongWidth ? size.cx : size.cy);
    }
    const LogScale scale(min, max);
    for (int k : DecadesWithin(min, max, DecadeStride(min, max, pixels, labelPx)))
        if (const auto fraction = scale.Fraction(std::pow(10.0, k)))
            if (const auto offset = PixelOffset(*fraction * pixels))
                labels.emplace_back(DecadeLabel(k), *offset);
    return labels;
}

} // namespace

void DrawClassicLogXAxis(const CCurveChart& c, Painter& p, const PlotLayout& layout) {
    const int L = layout.left, R = layout.right, B = layout.bottom, tick = layout.tickLength;
    const int font = layout.fontPx;
    for (const Tick& t : logTicks(c.xMin, c.xMax, R - L))
        p.Line(At(L + t.offset, B - (t.decade ? tick : (tick + 1) / 2)), At(L + t.offset, B),
               StrokeOf(kAxisPen));
    struct Placed {
        std::string text;
        int left, right;
    };
    std::vector<Placed> placed;
    for (const auto& [text, offset] : logLabels(c.xMin, c.xMax, R - L, p, font, true)) {
        const TextSize size = ExtentOf(p, text, font);
        int left = L + offset - size.cx / 2;
        // The decades usually end at the corner, where the Z axis' lowest label stands.
        if (c.showZAxis)
            left = std::min(left, R + layout.zLabelGap - size.cx);
        placed.push_back({text, left, left + size.cx});
    }
    // Moved in from the corner, the last label may run into the one before: that one goes.
    if (placed.size() >= 3 && placed.back().left < placed[placed.size() - 2].right)
        placed.erase(placed.end() - 2);
    for (const Placed& label : placed)
        p.Text(PlainText(label.text), At(label.left, B + layout.xLabelGap), font, kBlack);
}

void DrawClassicLogYAxis(const CCurveChart& c, Painter& p, const PlotLayout& layout) {
    const int L = layout.left, T = layout.top, B = layout.bottom, tick = layout.tickLength;
    const int font = layout.fontPx;
    for (const Tick& t : logTicks(c.yMin, c.yMax, B - T))
        p.Line(At(L, B - t.offset), At(L + (t.decade ? tick : (tick + 1) / 2), B - t.offset),
               StrokeOf(kAxisPen));
    for (const auto& [text, offset] : logLabels(c.yMin, c.yMax, B - T, p, font, false)) {
        const TextSize size = ExtentOf(p, text, font);
        // A decade at the corner stays above the X labels.
        const int top = std::min(B - offset - size.cy / 2, B + layout.xLabelGap - size.cy);
        p.Text(PlainText(text), At(L - size.cx - layout.yLabelGap, top), font, kBlue);
    }
}

void DrawClassicDecadeGrid(const CCurveChart& c, Painter& p, const PlotLayout& layout) {
    const int L = layout.left, T = layout.top, R = layout.right, B = layout.bottom;
    const Stroke grid = StrokeOf(kGridPen);
    // Lines on the frame itself would only hide it.
    if (c.xMode == kLogAxis)
        for (const Tick& t : logTicks(c.xMin, c.xMax, R - L))
            if (t.decade && t.offset > 0 && t.offset < R - L)
                p.Line(At(L + t.offset, T), At(L + t.offset, B), grid);
    if (c.yMode == kLogAxis)
        for (const Tick& t : logTicks(c.yMin, c.yMax, B - T))
            if (t.decade && t.offset > 0 && t.offset < B - T)
                p.Line(At(L, B - t.offset), At(R, B - t.offset), grid);
}
