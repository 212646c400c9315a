#include "Render.h"

#include "AxisRange.h"
#include "AxisTicks.h"
#include "ClippedPath.h"
#include "Marks.h"
#include "MeasuringPainter.h"
#include "PanelBelow.h"
#include "RangeAdjustment.h"
#include "SweepColours.h"
#include "SweepKeyEntries.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

namespace {

constexpr double kPadShare = 0.04;
constexpr double kLargest = std::numeric_limits<double>::max();

// Sizes in pixels, from sizes in points at the picture's resolution.
struct Metrics {
    explicit Metrics(const ChartModel& m) {
        const double pxPerPt = (m.dpi > 0 ? m.dpi : kScreenDpi) / 72.0;
        font = std::max(m.fontPt, 1.0) * pxPerPt;
        tick = 0.4 * font;
        gap = 0.3 * font;
        labelGap = 0.4 * font;
        margin = 0.5 * font;
        frameLine = 0.75 * pxPerPt;
        gridLine = 0.5 * pxPerPt;
        const double markerPt = std::isfinite(m.markerPt) ? m.markerPt : kMarkerPt;
        dot = std::clamp(markerPt, kMarkerPtRange.min, kMarkerPtRange.max) * pxPerPt;
        joinLine = 0.6 * pxPerPt;
    }
    double font, tick, gap, labelGap, margin, frameLine, gridLine, dot, joinLine;
};

bool proper(double min, double max, bool log) {
    return std::isfinite(min) && std::isfinite(max) && max > min && (!log || min > 0);
}

// The values an axis spans from edge to edge of the frame: its own, widened by the padding.
AxisMapping spanOf(const AxisModel& axis, double fromPx, double toPx) {
    AxisMapping m;
    m.log = axis.log;
    m.fromPx = fromPx;
    m.toPx = toPx;
    if (!proper(axis.min, axis.max, axis.log)) {
        const AxisRange none = axis.log ? kDecadeFromOne : AxisRange{};
        m.min = none.min;
        m.max = none.max;
        return m;
    }
    m.min = axis.min;
    m.max = axis.max;
    if (!axis.pad)
        return m;
    const double share = kPadShare / (1 - 2 * kPadShare);
    if (axis.log) {
        const double low = std::log10(axis.min), high = std::log10(axis.max);
        const double by = (high - low) * share;
        m.min = std::pow(10.0, low - by);
        m.max = std::min(std::pow(10.0, high + by), kLargest);
        if (!(m.min > 0))
            m.min = axis.min;
    } else {
        // From halves, so a span beyond the largest double stays finite.
        const double by = (axis.max / 2 - axis.min / 2) * 2 * share;
        m.min = std::max(axis.min - by, -kLargest);
        m.max = std::min(axis.max + by, kLargest);
    }
    return m;
}

std::string titleOf(const AxisModel& axis, int prefixExponent) {
    if (axis.unit.empty())
        return axis.quantity;
    return axis.quantity + " / " + SiPrefix(prefixExponent).value_or("") + axis.unit;
}

AxisTicks ticksOf(const AxisMapping& m, bool siPrefix, double lengthPx, const LabelLength& length,
                  double gap, const NumberStyle& numbers) {
    if (!m.log)
        return LinearTicks(m.min, m.max, lengthPx, length, gap, numbers);
    const int prefix = siPrefix ? PrefixExponentFor(m.max) : 0;
    const double unit = std::pow(10.0, prefix);
    AxisTicks ticks = LogTicks(m.min / unit, m.max / unit, lengthPx, length, gap, numbers);
    for (Tick& t : ticks.ticks)
        t.value *= unit;
    ticks.prefixExponent = prefix;
    return ticks;
}

// The pixel coordinate of a value, also for dots: linear axes cost one multiplication.
class FastMap {
  public:
    explicit FastMap(const AxisMapping& m) : m_(m) {
        if (m.log) {
            low_ = std::log(m.min);
            scale_ = (m.toPx - m.fromPx) / (std::log(m.max) - low_);
        } else {
            scale_ = (m.toPx - m.fromPx) / (m.max - m.min);
        }
    }
    double operator()(double v) const {
        if (m_.log)
            return v > 0 ? m_.fromPx + (std::log(v) - low_) * scale_
                         : std::numeric_limits<double>::quiet_NaN();
        return m_.fromPx + (v - m_.min) * scale_;
    }

  private:
    AxisMapping m_;
    double low_ = 0.0, scale_ = 1.0;
};

struct Layout {
    RectF frame;
    AxisMapping x, y;
    std::optional<AxisMapping> rightY;
    AxisTicks xTicks, yTicks, rightTicks;
};

double widest(Painter& painter, const AxisTicks& ticks, double font) {
    double w = 0;
    for (const Tick& t : ticks.ticks)
        if (!t.label.empty())
            w = std::max(w, painter.Measure(t.label, font).width);
    return w;
}

// The frame and the axes' ticks. The frame's height is known from the texts' height alone;
// the y labels then give the left margin, and the x labels how far the frame keeps from the
// right edge. Equal scales widen a range to the frame, which may change the y labels, so the
// layout is repeated until it settles.
Layout layOut(const ChartModel& model, double width, double height, Painter& painter,
              const Metrics& s) {
    const double textHeight = painter.Measure(PlainText("0"), s.font).height();
    const double xLabelHeight =
        model.x.log ? painter.Measure({{"10", false}, {"0", true}}, s.font).height() : textHeight;
    // The sweeps' key takes a line of its own above the frame.
    const double keyLine = model.sweeps || !model.legend.empty() ? textHeight + s.labelGap : 0.0;
    const double top = s.margin + keyLine + textHeight / 2;
    const double bottom = model.x.labelled ? height - s.margin - textHeight - s.labelGap -
                                                 xLabelHeight - s.gap - s.tick
                                           : height - s.margin - s.tick;
    const LabelLength across = [&](const TextRun& r) { return painter.Measure(r, s.font).width; };
    const LabelLength up = [&](const TextRun& r) { return painter.Measure(r, s.font).height(); };

    AxisModel x = model.x, y = model.y;
    double extraLeft = 0, extraRight = 0;
    double left = 0, right = width;
    Layout l;
    const auto equalise = [&] {
        AxisRange xr{model.x.min, model.x.max}, yr{model.y.min, model.y.max};
        EqualiseScales(xr, yr, right - left, bottom - top, model.keepYStart);
        x.min = xr.min, x.max = xr.max, y.min = yr.min, y.max = yr.max;
    };
    bool settled = false;
    for (int round = 0; round < 8 && !settled; ++round) {
        if (model.equalScales && round > 0)
            equalise();
        l.y = spanOf(y, bottom, top);
        l.yTicks = ticksOf(l.y, y.siPrefix, bottom - top, up, s.labelGap, model.numbers);
        const double yTitle = textHeight + s.labelGap;
        double newLeft =
            s.margin + yTitle + widest(painter, l.yTicks, s.font) + s.gap + s.tick + extraLeft;
        double newRight = width - s.margin - extraRight;
        if (model.rightY) {
            l.rightY = spanOf(*model.rightY, bottom, top);
            l.rightTicks = ticksOf(*l.rightY, model.rightY->siPrefix, bottom - top, up, s.labelGap,
                                   model.numbers);
            newRight = width - s.margin - yTitle - widest(painter, l.rightTicks, s.font) - s.gap -
                       s.tick - extraRight;
        }
        if (model.frameSides)
            std::tie(newLeft, newRight) = *model.frameSides;
        l.x = spanOf(x, newLeft, newRight);
        l.xTicks = ticksOf(l.x, x.siPrefix, newRight - newLeft, across, s.labelGap, model.numbers);
        // X labels centred on their ticks may reach beyond the picture's edges.
        const FastMap xMap(l.x);
        double overLeft = 0, overRight = 0;
        for (const Tick& t : l.xTicks.ticks) {
            if (t.label.empty() || !model.x.labelled)
                continue;
            const double half = painter.Measure(t.label, s.font).width / 2;
            const double at = xMap(t.value);
            overLeft = std::max(overLeft, s.margin - (at - half));
            overRight = std::max(overRight, at + half - (width - s.margin));
        }
        settled = newLeft == left && newRight == right && overLeft <= 0.5 && overRight <= 0.5 &&
                  (!model.equalScales || round > 0);
        left = newLeft;
        right = newRight;
        if (settled)
            break;
        extraLeft += std::max(overLeft, 0.0);
        extraRight += std::max(overRight, 0.0);
    }
    // A picture too small for its texts still gets a frame, however thin.
    right = std::max(right, left + 1);
    if (model.equalScales && !settled) {
        // Labels that never settled keep the last frame; the scales must hold all the same.
        equalise();
        l.y = spanOf(y, bottom, top);
        l.yTicks = ticksOf(l.y, y.siPrefix, bottom - top, up, s.labelGap, model.numbers);
        l.x = spanOf(x, left, right);
        l.xTicks = ticksOf(l.x, x.siPrefix, right - left, across, s.labelGap, model.numbers);
    }
    l.frame = {left, top, right, std::max(bottom, top + 1)};
    l.x.fromPx = left;
    l.x.toPx = right;
    return l;
}

bool inside(double width, double height, double left, double top, double w, double h) {
    return left >= -0.01 && top >= -0.01 && left + w <= width + 0.01 && top + h <= height + 0.01;
}

bool clearOf(const RectF& box, const std::vector<RectF>& others, double gap) {
    // A label laid out exactly one gap away must not be lost to rounding.
    gap -= 0.01;
    for (const RectF& o : others)
        if (!(box.right + gap <= o.left || o.right + gap <= box.left || box.bottom + gap <= o.top ||
              o.bottom + gap <= box.top))
            return false;
    return true;
}

// Where a title of `length` centred on `centre` starts, kept within [low, high]; nothing
// when it cannot fit.
std::optional<double> titleStart(double centre, double length, double low, double high) {
    if (length > high - low)
        return std::nullopt;
    return std::clamp(centre - length / 2, low, high - length);
}

// Returns the boxes of the labels drawn, which the y axes' labels keep clear of.
std::vector<RectF> drawXAxis(Painter& painter, const Layout& l, const AxisModel& axis,
                             const Metrics& s, double width, double height,
                             std::vector<double>* labelled = nullptr) {
    std::vector<RectF> boxes;
    const FastMap map(l.x);
    const RectF& f = l.frame;
    const Stroke stroke{axis.color, s.frameLine};
    double labelsBottom = f.bottom + s.tick;
    for (const Tick& t : l.xTicks.ticks) {
        const double at = map(t.value);
        const double length = t.label.empty() ? s.tick / 2 : s.tick;
        painter.Line({at, f.bottom}, {at, f.bottom + length}, stroke);
        // A panel below labels these.
        if (!t.label.empty() && !axis.labelled && labelled)
            labelled->push_back(t.value);
        if (t.label.empty() || !axis.labelled)
            continue;
        const TextExtent e = painter.Measure(t.label, s.font);
        const double top = f.bottom + s.tick + s.gap;
        if (!inside(width, height, at - e.width / 2, top, e.width, e.height()))
            continue;
        painter.Text(t.label, {at - e.width / 2, top + e.ascent}, s.font, axis.color);
        if (labelled)
            labelled->push_back(t.value);
        boxes.push_back({at - e.width / 2, top, at + e.width / 2, top + e.height()});
        labelsBottom = std::max(labelsBottom, top + e.height());
    }
    if (!axis.labelled)
        return boxes;
    const TextRun title = PlainText(titleOf(axis, l.xTicks.prefixExponent));
    const TextExtent e = painter.Measure(title, s.font);
    const double top = std::max(labelsBottom + s.labelGap, height - s.margin - e.height());
    const auto left = titleStart((f.left + f.right) / 2, e.width, 0, width);
    if (left && top + e.height() <= height)
        painter.Text(title, {*left, top + e.ascent}, s.font, axis.color);
    return boxes;
}

// A y axis at the frame's left or right edge, its labels and its title outside.
void drawYAxis(Painter& painter, const AxisMapping& mapping, const AxisTicks& ticks,
               const AxisModel& axis, const RectF& f, bool right, const Metrics& s, double width,
               double height, const std::vector<RectF>& xLabels,
               std::vector<double>* labelled = nullptr) {
    const FastMap map(mapping);
    const double edge = right ? f.right : f.left;
    const double outward = right ? 1.0 : -1.0;
    const Stroke stroke{axis.color, s.frameLine};
    const TextRun title = PlainText(titleOf(axis, ticks.prefixExponent));
    const TextExtent titleSize = painter.Measure(title, s.font);
    // Turned to read upward, the glyphs stand left of their baseline.
    const double baseline =
        right ? width - s.margin - titleSize.descent : s.margin + titleSize.ascent;
    // A margin away from the edges, and so from the titles of panels above and below.
    const auto titleTop =
        titleStart((f.top + f.bottom) / 2, titleSize.width, s.margin, height - s.margin);
    // On a picture too small for both, a label gives way to the title.
    std::vector<RectF> taken = xLabels;
    if (titleTop)
        taken.push_back({baseline - titleSize.ascent, *titleTop, baseline + titleSize.descent,
                         *titleTop + titleSize.width});
    for (const Tick& t : ticks.ticks) {
        const double at = map(t.value);
        const double length = t.label.empty() ? s.tick / 2 : s.tick;
        painter.Line({edge, at}, {edge + outward * length, at}, stroke);
        if (t.label.empty())
            continue;
        const TextExtent e = painter.Measure(t.label, s.font);
        const double near = edge + outward * (s.tick + s.gap);
        const double left = right ? near : near - e.width;
        const double top = at - e.height() / 2;
        if (!inside(width, height, left, top, e.width, e.height()) ||
            !clearOf({left, top, left + e.width, top + e.height()}, taken, s.labelGap))
            continue;
        painter.Text(t.label, {left, top + e.ascent}, s.font, axis.color);
        if (labelled)
            labelled->push_back(t.value);
    }
    if (titleTop)
        painter.Text(title, {baseline, *titleTop + titleSize.width}, s.font, axis.color, true);
}

// The line above the frame that the sweeps' key or an overlay's legend takes, clear of the top
// labels, which stand half a line above the frame.
struct KeyLine {
    double top, baseline, height;
};
KeyLine keyLineAbove(Painter& painter, const RectF& f, const Metrics& s) {
    const TextExtent e = painter.Measure(PlainText("0"), s.font);
    const double top = f.top - e.height() / 2 - s.labelGap - e.height();
    return {top, top + e.ascent, e.height()};
}

// An overlay's files above the frame, ending at its right end: a dot of each file's colour
// and its name. Names that do not fit give way, from the last, to "+N".
void drawLegend(Painter& painter, const std::vector<LegendEntry>& legend, const Paper& paper,
                const RectF& f, const Metrics& s) {
    std::vector<double> widths;
    for (const LegendEntry& entry : legend)
        widths.push_back(s.dot + s.gap +
                         painter.Measure(PlainText(entry.name + entry.mark), s.font).width);
    size_t shown = legend.size();
    const auto lengthOf = [&](size_t count) {
        double length = 0;
        for (size_t i = 0; i < count; ++i)
            length += widths[i] + (i > 0 ? s.font : 0.0);
        if (count < legend.size())
            length +=
                s.font +
                painter.Measure(PlainText("+" + std::to_string(legend.size() - count)), s.font)
                    .width;
        return length;
    };
    while (shown > 0 && lengthOf(shown) > f.width())
        --shown;
    if (lengthOf(shown) > f.width())
        return;
    const KeyLine line = keyLineAbove(painter, f, s);
    const double baseline = line.baseline;
    double x = f.right - lengthOf(shown);
    const auto faint = [&](Color c) {
        const auto half = [](int a, int b) { return static_cast<std::uint8_t>((a + 2 * b) / 3); };
        const Color& p = paper.background;
        return Color{half(c.r, p.r), half(c.g, p.g), half(c.b, p.b)};
    };
    for (size_t i = 0; i < shown; ++i) {
        const bool greyed = legend[i].greyed;
        const PointF dot{x + s.dot / 2, line.top + line.height / 2};
        DrawMarks(painter, {&dot, 1}, s.dot, greyed ? faint(legend[i].color) : legend[i].color,
                  legend[i].shape, false);
        painter.Text(PlainText(legend[i].name + legend[i].mark), {x + s.dot + s.gap, baseline},
                     s.font, greyed ? faint(paper.ink) : paper.ink);
        x += widths[i] + s.font;
    }
    if (shown < legend.size())
        painter.Text(PlainText("+" + std::to_string(legend.size() - shown)), {x, baseline}, s.font,
                     paper.ink);
}

// Above the frame's right end: "sweep 7 of 7" for one sweep drawn, for a few each sweep's
// colour and number, or for more "sweeps 3", the colours from the first to the last drawn,
// and "7". Left out where it does not fit.
void drawSweepKey(Painter& painter, const SweepKey& key, const Paper& paper, bool dark,
                  const RectF& f, const Metrics& s) {
    if (const std::vector<LegendEntry> entries = SweepKeyEntries(key, dark); !entries.empty()) {
        drawLegend(painter, entries, paper, f, s);
        return;
    }
    const Color ink = paper.ink;
    const TextRun before =
        PlainText(key.first == key.last ? "sweep " + std::to_string(key.last) + " of " +
                                              std::to_string(key.of) + key.mark
                                        : "sweeps " + std::to_string(key.first));
    const TextRun after =
        PlainText(key.first == key.last ? "" : std::to_string(key.last) + key.mark);
    const TextExtent b = painter.Measure(before, s.font), a = painter.Measure(after, s.font);
    const double bar = key.first == key.last ? 0.0 : 5 * s.font;
    const double length = b.width + (bar > 0 ? s.gap + bar + s.gap + a.width : 0.0);
    const double left = f.right - length;
    if (left < f.left)
        return;
    const double baseline = keyLineAbove(painter, f, s).baseline;
    painter.Text(before, {left, baseline}, s.font, ink);
    if (bar == 0)
        return;
    const double barLeft = left + b.width + s.gap;
    const double barTop = baseline - b.ascent * 0.8, barBottom = baseline;
    constexpr int kSteps = 32;
    for (int i = 0; i < kSteps; ++i)
        painter.Fill(
            {barLeft + bar * i / kSteps, barTop, barLeft + bar * (i + 1) / kSteps, barBottom},
            SweepColour((i + 0.5) / kSteps, dark));
    painter.Text(after, {barLeft + bar + s.gap, baseline}, s.font, ink);
}

// Grid lines stand at the labels drawn only, so none is left without its label.
void drawGrid(Painter& painter, const Layout& l, const Metrics& s, Color color,
              const std::vector<double>& across, const std::vector<double>& up) {
    const Stroke grid{color, s.gridLine};
    const RectF& f = l.frame;
    const FastMap xMap(l.x), yMap(l.y);
    for (const double x : across)
        painter.Line({xMap(x), f.top}, {xMap(x), f.bottom}, grid);
    for (const double y : up)
        painter.Line({f.left, yMap(y)}, {f.right, yMap(y)}, grid);
}

// The series' model lines over its dots, each in the colour of its sweep.
template <typename ColourOf>
void drawModelLines(Painter& painter, const SeriesModel& sm, int series, const FastMap& across,
                    const FastMap& upward, const RectF& f, const ColourOf& colourOf, double width,
                    RenderResult& result) {
    // Far beyond the frame a painter's coordinates lose their precision.
    const auto usable = [](PointF p) { return std::abs(p.x) < 1e7 && std::abs(p.y) < 1e7; };
    for (size_t j = 0; j < sm.lines.size(); ++j) {
        const ModelLine& line = sm.lines[j];
        if (line.sweep < sm.firstSweep || line.sweep > sm.lastSweep)
            continue;
        const Stroke stroke{colourOf(line.sweep), width};
        std::optional<PointF> before;
        for (size_t k = 0; k < line.points.size(); ++k) {
            const PointF at{across(ValueOf(line.points[k], sm.x)),
                            upward(ValueOf(line.points[k], sm.y))};
            if (!usable(at)) { // a NaN too
                before.reset();
                continue;
            }
            if (before)
                painter.Line(*before, at, stroke);
            before = at;
            if (f.contains(at))
                result.linePoints.push_back({at, series, int(j), int(k)});
        }
    }
}

} // namespace

double AxisMapping::ToPixel(double value) const {
    return FastMap(*this)(value);
}

double AxisMapping::ToValue(double pixel) const {
    const double share = (pixel - fromPx) / (toPx - fromPx);
    if (log)
        return std::pow(10.0, std::log10(min) + share * (std::log10(max) - std::log10(min)));
    return min + share * (max - min);
}

RenderResult Render(const ChartModel& model, double width, double height, Painter& painter) {
    if (model.below)
        return RenderWithPanelBelow(model, width, height, painter);
    const Metrics s(model);
    painter.Fill({0, 0, width, height}, model.paper.background);
    const Layout l = layOut(model, width, height, painter, s);
    const RectF& f = l.frame;

    painter.Clip(f);
    const FastMap xMap(l.x), yMap(l.y);
    if (model.band && !model.y.log)
        painter.Fill({f.left, yMap(model.band->max), f.right, yMap(model.band->min)},
                     model.paper.band);
    {
        // The labels are placed before anything is drawn, for the grid to follow them.
        MeasuringPainter placing(painter);
        std::vector<double> across, up;
        const std::vector<RectF> xLabels =
            drawXAxis(placing, l, model.x, s, width, height, &across);
        drawYAxis(placing, l.y, l.yTicks, model.y, f, false, s, width, height, xLabels, &up);
        drawGrid(painter, l, s, model.paper.grid, across, up);
    }
    if (model.zeroLine && !model.y.log) {
        const double at = yMap(0.0);
        if (at >= f.top && at <= f.bottom)
            painter.Line({f.left, at}, {f.right, at}, {model.paper.zeroLine, s.frameLine});
    }
    RenderResult result;
    std::vector<PointF> centres, path;
    const Color& paper = model.paper.background;
    const bool dark = paper.r + paper.g + paper.b < 3 * 128;
    for (size_t i = 0; i < model.series.size(); ++i) {
        const SeriesModel& sm = model.series[i];
        if (!sm.series)
            continue;
        const FastMap across = xMap;
        const FastMap upward = sm.rightAxis && l.rightY ? FastMap(*l.rightY) : yMap;
        centres.clear();
        path.clear();
        const bool coloured = sm.lastSweep > sm.firstSweep;
        int sweep = sm.firstSweep;
        const auto colourOf = [&](int of) {
            const double share =
                coloured ? double(of - sm.firstSweep) / (sm.lastSweep - sm.firstSweep) : 0.0;
            return coloured ? SweepColour(share, dark) : sm.color;
        };
        // Points come in file order, so each sweep is one run, drawn over the ones before.
        const auto endRun = [&] {
            if (coloured && centres.empty() && path.empty())
                return;
            const Color colour = colourOf(sweep);
            for (const std::vector<PointF>& piece : ClippedPath(path, f))
                painter.Polyline(piece, {colour, s.joinLine});
            DrawMarks(painter, centres, sm.open ? s.dot * 1.2 : s.dot, colour, sm.shape, sm.open);
            centres.clear();
            path.clear();
        };
        const std::vector<Point>& points = sm.series->points();
        for (size_t k = 0; k < points.size(); ++k) {
            if (points[k].sweep < sm.firstSweep ||
                (!sm.onlySweeps.empty() &&
                 !std::binary_search(sm.onlySweeps.begin(), sm.onlySweeps.end(), points[k].sweep)))
                continue;
            if (coloured && points[k].sweep != sweep) {
                endRun();
                sweep = points[k].sweep;
            }
            const PointF at{across(ValueOf(points[k], sm.x)), upward(ValueOf(points[k], sm.y))};
            if (sm.joined)
                path.push_back(at);
            // A NaN fails the test too.
            if (!f.contains(at))
                continue;
            centres.push_back(at);
            result.dots.push_back({at, static_cast<int>(i), static_cast<int>(k)});
        }
        endRun();
        drawModelLines(painter, sm, int(i), across, upward, f, colourOf, s.frameLine * 1.5, result);
    }
    painter.Clip(std::nullopt);

    painter.Frame(f, {model.paper.ink, s.frameLine});
    const std::vector<RectF> xLabels = drawXAxis(painter, l, model.x, s, width, height);
    drawYAxis(painter, l.y, l.yTicks, model.y, f, false, s, width, height, xLabels);
    if (model.rightY && l.rightY)
        drawYAxis(painter, *l.rightY, l.rightTicks, *model.rightY, f, true, s, width, height,
                  xLabels);
    if (model.sweeps)
        drawSweepKey(painter, *model.sweeps, model.paper, dark, f, s);
    if (!model.legend.empty())
        drawLegend(painter, model.legend, model.paper, f, s);

    result.frame = f;
    result.x = l.x;
    result.y = l.y;
    result.rightY = l.rightY;
    return result;
}
