#include "DiagramModels.h"

#include "Diagram.h"
#include "DistinctNames.h"
#include "FileLook.h"
#include "SweepsDrawn.h"
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

SweepsDrawn sweepsDrawn(const Series& series, const PlotChoices& choices) {
    int last = 1;
    for (const Point& p : series.points())
        last = std::max(last, p.sweep);
    return SweepsDrawnOf(last, choices);
}

void drawSweeps(ChartModel& m, const SweepsDrawn& drawn, const PlotChoices& choices) {
    for (SeriesModel& s : m.series) {
        s.firstSweep = drawn.first;
        s.lastSweep = drawn.last;
        s.onlySweeps = drawn.only;
        s.joined = JoinsPoints(choices, drawn.last > drawn.first);
    }
    m.sweeps = drawn.key;
}

// The −φ panel under a Bode diagram's |Z|, over the same frequencies.
ChartModel phasePanel(const AxisModel& frequency) {
    ChartModel m;
    m.x = frequency;
    m.y = {kEmptyMinusPhase.min,
           kEmptyMinusPhase.max,
           false,
           true,
           std::string(kMinus) + "\u03c6",
           "\u00b0",
           kOkabeVermillion};
    m.belowShare = 0.5;
    return m;
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
        const SweepsDrawn drawn = sweepsDrawn(*series, choices);
        re = series->zReal();
        im = series->minusZImag();
        // Some sweeps only: the axes span what is drawn, from the points kept.
        if (drawn.first > 1 || !drawn.only.empty()) {
            re = im = {};
            for (const Point& p : series->points())
                if (drawn.shows(p.sweep) && std::isfinite(p.zReal) && std::isfinite(p.minusZImag)) {
                    re.take(p.zReal);
                    im.take(p.minusZImag);
                }
        }
        m.series.push_back({series, Quantity::ZReal, Quantity::MinusZImag, false, kOkabeBlue});
        drawSweeps(m, drawn, choices);
    }
    if (re.empty() || im.empty()) {
        re = {kEmptyZReal.min, kEmptyZReal.max};
        im = {kEmptyMinusZImag.min, kEmptyMinusZImag.max};
    }
    // From zero, or below where an inductive loop reaches under the axis.
    if (plus)
        im.low = std::min(im.low, 0.0);
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
    m.y.siPrefix = true;
    ChartModel phase = phasePanel(m.x);
    Extent frequency, magnitude, minusPhase;
    if (series) {
        const SweepsDrawn drawn = sweepsDrawn(*series, choices);
        // Only the points drawn with a place on the frequency axis count.
        for (const Point& p : series->points()) {
            if (!positive(p.f) || !drawn.shows(p.sweep))
                continue;
            frequency.take(p.f);
            if (const double z = ValueOf(p, Quantity::Magnitude); positive(z))
                magnitude.take(z);
            if (const double phi = ValueOf(p, Quantity::MinusPhase); std::isfinite(phi))
                minusPhase.take(phi);
        }
        m.series.push_back({series, Quantity::Frequency, Quantity::Magnitude, false, kOkabeBlue});
        phase.series.push_back(
            {series, Quantity::Frequency, Quantity::MinusPhase, false, kOkabeVermillion});
        drawSweeps(m, drawn, choices);
        drawSweeps(phase, drawn, choices);
        phase.sweeps.reset();
        // Coloured by sweep, the series no longer match one axis' colour.
        if (drawn.last > drawn.first)
            m.y.color = phase.y.color = kBlack;
    }
    setRange(m.x, LogRangeOf(frequency));
    setRange(m.y, LogRangeOf(magnitude));
    if (!minusPhase.empty())
        setRange(phase.y, WidenDegenerate({minusPhase.low, minusPhase.high}));
    takeView(m.x, m.y, choices);
    if (choices.view && choices.view->lowerY) {
        setRange(phase.y, *choices.view->lowerY);
        phase.y.pad = false;
    }
    // The frequencies are labelled once, under the lower panel.
    phase.x = m.x;
    m.x.labelled = false;
    m.below = std::make_shared<const ChartModel>(std::move(phase));
    return m;
}

ChartModel DiagramModel(const SeriesSnapshot& series, bool plus, const PlotChoices& choices) {
    ChartModel m = choices.diagram == Diagram::Bode ? BodeModel(series, choices)
                                                    : NyquistModel(series, plus, choices);
    m.markerPt = choices.markerPt;
    return m;
}

ChartModel OverlayModel(const std::vector<ShownFile>& files, bool plus,
                        const PlotChoices& choices) {
    if (files.size() == 1)
        return DiagramModel(files.front().series, plus, choices);
    PlotChoices eachChoices = choices;
    eachChoices.sweeps = SweepsShown::Last;
    eachChoices.connectPoints = JoinsPoints(choices, true);
    std::vector<std::string> names;
    for (const ShownFile& file : files)
        names.push_back(file.name);
    names = DistinctNames(names);
    const auto widen = [](AxisModel& to, const AxisModel& from) {
        to.min = std::min(to.min, from.min);
        to.max = std::max(to.max, from.max);
    };
    ChartModel overlay;
    std::optional<ChartModel> lower;
    bool spanned = false;
    for (size_t i = 0; i < files.size(); ++i) {
        ChartModel one = DiagramModel(files[i].series, plus, eachChoices);
        std::optional<ChartModel> oneLower;
        if (one.below)
            oneLower = *one.below;
        one.below.reset();
        std::vector<SeriesModel> series = std::move(one.series);
        if (oneLower) {
            for (SeriesModel& s : oneLower->series)
                series.push_back(std::move(s));
            oneLower->series.clear();
        }
        // A file without points yet (not read, or a sweep just begun) spans nothing.
        const bool points = files[i].series && files[i].series->measured() > 0;
        if (i == 0 || (points && !spanned)) {
            std::vector<LegendEntry> legend = std::move(overlay.legend);
            std::vector<SeriesModel> before = std::move(overlay.series);
            overlay = std::move(one);
            overlay.legend = std::move(legend);
            overlay.series = std::move(before);
            if (lower && oneLower)
                oneLower->series = std::move(lower->series);
            lower = std::move(oneLower);
        } else if (points) {
            widen(overlay.x, one.x);
            widen(overlay.y, one.y);
            if (lower && oneLower)
                widen(lower->y, oneLower->y);
        }
        spanned = spanned || points;
        const FileLook look = FileLookAt(files[i].look, i);
        for (SeriesModel& s : series) {
            s.color = look.color;
            s.shape = look.shape;
            s.name = files[i].name;
            // In Bode the second of a file's two goes to the panel below, beside the others'.
            (lower && &s != &series.front() ? lower->series : overlay.series)
                .push_back(std::move(s));
        }
        overlay.legend.push_back(
            {names[i] + (files[i].state.empty() ? "" : " \u2014 " + files[i].state),
             look.color,
             {},
             !points && !files[i].state.empty(),
             look.shape});
    }
    // Each file has its colour: neither axis stands for one series.
    overlay.sweeps.reset();
    overlay.y.color = kBlack;
    if (lower) {
        lower->y.color = kBlack;
        lower->x.min = overlay.x.min;
        lower->x.max = overlay.x.max;
        overlay.below = std::make_shared<const ChartModel>(std::move(*lower));
    }
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
    for (LegendEntry& entry : model.legend)
        entry.color = lighter(entry.color);
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
