#include "DiagramModels.h"

#include "Diagram.h"
#include "DistinctNames.h"
#include "FileLook.h"
#include "chart/RangeAdjustment.h"

#include <algorithm>
#include <cmath>

namespace {

// The real prime, double prime and minus sign.
const char* const kPrime = "\u2032";
const char* const kDoublePrime = "\u2033";
const char* const kMinus = "\u2212";
const char* const kOhm = "\u03a9";

void setRange(AxisModel& axis, AxisRange range) {
    axis.min = range.min;
    axis.max = range.max;
}

void takeView(AxisModel& x, AxisModel& y, const PlotChoices& choices) {
    if (!choices.view)
        return;
    setRange(x, choices.view->x);
    setRange(y, choices.view->y);
    x.pad = y.pad = false;
}

bool positive(double v) {
    return v > 0.0 && std::isfinite(v);
}

// The sweeps to draw of those the series holds, and the key that names them; none for a
// series of one sweep.
struct SweepsDrawn {
    int first = 1, last = 1;
    std::optional<SweepKey> key;
};

SweepsDrawn sweepsDrawn(const Series& series, SweepsShown shown) {
    int last = 1;
    for (const Point& p : series.points())
        last = std::max(last, p.sweep);
    if (last == 1)
        return {};
    const int first = shown == SweepsShown::All        ? 1
                      : shown == SweepsShown::LastFive ? std::max(1, last - 4)
                                                       : last;
    return {first, last, SweepKey{first, last, last}};
}

void drawSweeps(ChartModel& m, const SweepsDrawn& drawn) {
    for (SeriesModel& s : m.series) {
        s.firstSweep = drawn.first;
        s.lastSweep = drawn.last;
    }
    m.sweeps = drawn.key;
}

} // namespace

AxisRange LogRangeOf(const Extent& e) {
    if (!positive(e.low) || !positive(e.high))
        return kDecadeFromOne;
    if (e.high > e.low)
        return {e.low, e.high};
    const double root10 = std::sqrt(10.0);
    return {e.low / root10, e.high * root10};
}

ChartModel NyquistModel(const SeriesSnapshot& series, bool plus, const PlotChoices& choices) {
    ChartModel m;
    m.x.quantity = std::string("Z") + kPrime;
    m.y.quantity = std::string(kMinus) + "Z" + kDoublePrime;
    m.x.unit = m.y.unit = kOhm;
    m.zeroLine = true;
    Extent re, im;
    if (series) {
        const SweepsDrawn drawn = sweepsDrawn(*series, choices.sweeps);
        re = series->zReal();
        im = series->minusZImag();
        // Some sweeps only: the axes span what is drawn, from the points kept.
        if (drawn.first > 1) {
            re = im = {};
            for (const Point& p : series->points())
                if (p.sweep >= drawn.first && std::isfinite(p.zReal) &&
                    std::isfinite(p.minusZImag)) {
                    re.take(p.zReal);
                    im.take(p.minusZImag);
                }
        }
        m.series.push_back({series, Quantity::ZReal, Quantity::MinusZImag, false, kOkabeBlue});
        drawSweeps(m, drawn);
    }
    if (re.empty() || im.empty()) {
        re = {kEmptyZReal.min, kEmptyZReal.max};
        im = {kEmptyMinusZImag.min, kEmptyMinusZImag.max};
    }
    if (plus)
        im.low = 0.0;
    setRange(m.x, WidenDegenerate({re.low, re.high}));
    setRange(m.y, WidenDegenerate({im.low, std::max(im.high, im.low)}));
    takeView(m.x, m.y, choices);
    m.equalScales = choices.equalScales;
    m.keepYStart = plus && !choices.view;
    return m;
}

ChartModel BodeModel(const SeriesSnapshot& series, const PlotChoices& choices) {
    ChartModel m;
    m.x = {kDecadeFromOne.min, kDecadeFromOne.max, true, true, "f", "Hz", kBlack};
    m.y = {kDecadeFromOne.min, kDecadeFromOne.max, true, true, "|Z|", kOhm, kOkabeBlue};
    m.rightY = AxisModel{
        0.0, 0.0, false, true, std::string(kMinus) + "\u03c6", "\u00b0", kOkabeVermillion};
    setRange(*m.rightY, kEmptyMinusPhase);
    Extent frequency, magnitude, phase;
    if (series) {
        const SweepsDrawn drawn = sweepsDrawn(*series, choices.sweeps);
        // Only the points drawn with a place on the frequency axis count.
        for (const Point& p : series->points()) {
            if (!positive(p.f) || p.sweep < drawn.first)
                continue;
            frequency.take(p.f);
            if (const double z = ValueOf(p, Quantity::Magnitude); positive(z))
                magnitude.take(z);
            if (const double phi = ValueOf(p, Quantity::MinusPhase); std::isfinite(phi))
                phase.take(phi);
        }
        m.series.push_back({series, Quantity::Frequency, Quantity::Magnitude, false, kOkabeBlue});
        m.series.push_back(
            {series, Quantity::Frequency, Quantity::MinusPhase, true, kOkabeVermillion});
        drawSweeps(m, drawn);
        // Coloured by sweep, the series no longer match one axis' colour.
        if (drawn.last > drawn.first)
            m.y.color = m.rightY->color = kBlack;
    }
    setRange(m.x, LogRangeOf(frequency));
    setRange(m.y, LogRangeOf(magnitude));
    if (!phase.empty())
        setRange(*m.rightY, WidenDegenerate({phase.low, phase.high}));
    takeView(m.x, m.y, choices);
    return m;
}

ChartModel DiagramModel(const SeriesSnapshot& series, bool plus, const PlotChoices& choices) {
    return choices.diagram == Diagram::Bode ? BodeModel(series, choices)
                                            : NyquistModel(series, plus, choices);
}

ChartModel OverlayModel(const std::vector<ShownFile>& files, bool plus,
                        const PlotChoices& choices) {
    if (files.size() == 1)
        return DiagramModel(files.front().series, plus, choices);
    PlotChoices eachChoices = choices;
    eachChoices.sweeps = SweepsShown::Last;
    std::vector<std::string> names;
    for (const ShownFile& file : files)
        names.push_back(file.name);
    names = DistinctNames(names);
    const auto widen = [](AxisModel& to, const AxisModel& from) {
        to.min = std::min(to.min, from.min);
        to.max = std::max(to.max, from.max);
    };
    ChartModel overlay;
    bool spanned = false;
    for (size_t i = 0; i < files.size(); ++i) {
        ChartModel one = DiagramModel(files[i].series, plus, eachChoices);
        std::vector<SeriesModel> series = std::move(one.series);
        // A file without points yet (not read, or a sweep just begun) spans nothing.
        const bool points = files[i].series && files[i].series->measured() > 0;
        if (i == 0) {
            overlay = std::move(one);
        } else if (points && !spanned) {
            overlay.x = one.x;
            overlay.y = one.y;
            overlay.rightY = one.rightY;
        } else if (points) {
            widen(overlay.x, one.x);
            widen(overlay.y, one.y);
            if (overlay.rightY && one.rightY)
                widen(*overlay.rightY, *one.rightY);
        }
        spanned = spanned || points;
        const FileLook look = FileLookAt(files[i].look, i);
        for (SeriesModel& s : series) {
            s.color = look.color;
            s.shape = look.shape;
            s.name = files[i].name;
            overlay.series.push_back(std::move(s));
        }
        overlay.legend.push_back({names[i], look.color, {}, look.shape});
    }
    // Each file has its colour: neither axis stands for one series.
    overlay.sweeps.reset();
    overlay.y.color = kBlack;
    if (overlay.rightY)
        overlay.rightY->color = kBlack;
    return overlay;
}

void OnDarkPaper(ChartModel& model) {
    constexpr Color kPaper{30, 30, 30}, kInk{230, 230, 230};
    // Okabe–Ito's sky blue and orange stand out on dark paper where its blue would not.
    constexpr Color kSkyBlue{86, 180, 233}, kOrange{230, 159, 0};
    const auto lighter = [&](Color c) {
        if (c == kBlack)
            return kInk;
        if (c == kOkabeBlue)
            return kSkyBlue;
        if (c == kOkabeVermillion)
            return kOrange;
        return c;
    };
    model.paper = {kPaper, kInk, {70, 70, 70}, {150, 150, 150}, {48, 48, 48}};
    model.x.color = lighter(model.x.color);
    model.y.color = lighter(model.y.color);
    if (model.rightY)
        model.rightY->color = lighter(model.rightY->color);
    for (SeriesModel& s : model.series)
        s.color = lighter(s.color);
    if (model.below) {
        ChartModel below = *model.below;
        OnDarkPaper(below);
        model.below = std::make_shared<const ChartModel>(std::move(below));
    }
}
