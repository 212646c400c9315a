#include "AxisTicks.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

constexpr int kMaxTicks = 1000;
constexpr double kPxPerLabel = 90.0;
// A tick on an end of the range stays, whatever the rounding of the end or of the tick.
constexpr double kEndSlack = 1e-9;
// Beyond this, n × units no longer counts every integer and neighbouring ticks would merge.
constexpr double kExactIntegers = 9007199254740992.0; // 2^53
constexpr int kMaxDecimals = 17;
const char* const kTimes = "\xC3\x97";

bool Finite(double v) {
    return std::isfinite(v);
}

bool Proper(double min, double max) {
    return Finite(min) && Finite(max) && max > min && Finite(max - min);
}

double Pow10(int k) { // 0 <= k <= 300
    static constexpr std::array<double, 23> kExact = {
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    return k < static_cast<int>(kExact.size()) ? kExact[k] : std::pow(10.0, k);
}

// v × 10^e. Dividing by an exact power rather than multiplying by an inexact one makes
// 3 × 10^-1 the double nearest 0.3, so no label shows 0.30000000000000004.
double TimesPow10(double v, int e) {
    for (; e > 300; e -= 300)
        v *= 1e300;
    for (; e < -300; e += 300)
        v /= 1e300;
    return e >= 0 ? v * Pow10(e) : v / Pow10(-e);
}

double LengthOf(const LabelLength& length, const TextRun& label) {
    return length ? length(label) : 0.0;
}

// Where a value stands along the axis, in pixels from its start.
using Placement = std::function<double(double)>;

struct Layout {
    double lengthPx;
    Placement place;
    const LabelLength& length;
    double gapPx;
    const NumberStyle& numbers;
};

// Whether each label keeps `gapPx` clear of the next; unlabelled ticks take no room.
bool Clear(const std::vector<Tick>& ticks, const Layout& layout) {
    bool first = true;
    double lastPx = 0.0, lastHalf = 0.0;
    for (const Tick& t : ticks) {
        if (t.label.empty())
            continue;
        const double px = layout.place(t.value);
        const double half = LengthOf(layout.length, t.label) / 2.0;
        if (!first && !(std::abs(px - lastPx) - lastHalf - half >= layout.gapPx))
            return false;
        first = false;
        lastPx = px;
        lastHalf = half;
    }
    return true;
}

// A step of 1, 2, 2.5 or 5 × 10^decade, kept as the integer units × 10^exponent() so
// that every tick is one product and one scaling from exact integers.
struct Step {
    int rung = 0; // 1, 2, 2.5, 5
    int decade = 0;

    double units() const { return std::array{1.0, 2.0, 25.0, 5.0}[rung]; }
    int exponent() const { return rung == 2 ? decade - 1 : decade; }
    double size() const { return TimesPow10(units(), exponent()); }
    Step coarser() const { return rung == 3 ? Step{0, decade + 1} : Step{rung + 1, decade}; }
    Step finer() const { return rung == 0 ? Step{3, decade - 1} : Step{rung - 1, decade}; }
};

// The step nearest 10^logTarget by ratio; kept in logarithms, as the target of a span of a
// few subnormals underflows.
Step NearestStep(double logTarget) {
    Step step{3, static_cast<int>(std::floor(logTarget)) - 1};
    Step best = step;
    double bestMiss = std::numeric_limits<double>::infinity();
    for (int i = 0; i < 6; ++i, step = step.coarser()) {
        const double miss = std::abs(std::log10(step.units()) + step.exponent() - logTarget);
        if (miss < bestMiss) {
            best = step;
            bestMiss = miss;
        }
    }
    return best;
}

// The multiples of the step within [min, max]; nothing where they are too many, or too fine
// for the doubles to tell apart.
std::optional<std::vector<double>> Multiples(double min, double max, Step step) {
    const double size = step.size();
    const double first = std::ceil(min / size - kEndSlack);
    const double last = std::floor(max / size + kEndSlack);
    const double limit = kExactIntegers / step.units();
    if (!(size > 0.0) || !Finite(size) || !(std::abs(first) < limit && std::abs(last) < limit) ||
        last - first >= kMaxTicks)
        return std::nullopt;
    std::vector<double> values;
    for (double n = first; n <= last; ++n) {
        const double v = n == 0.0 ? 0.0 : TimesPow10(n * step.units(), step.exponent());
        if (v < min - kEndSlack * size || v > max + kEndSlack * size)
            continue;
        if (!values.empty() && !(v > values.back()))
            return std::nullopt;
        values.push_back(v);
    }
    return values;
}

using Dress = std::function<TextRun(std::string)>;

// The values labelled in units of 10^exponent, with the decimals the step needs (one more for
// 2.5) or, should rounding still merge two labels, as many more as part them.
std::optional<std::vector<Tick>> Labelled(const std::vector<double>& values, Step step,
                                          int exponent, const Dress& dress,
                                          const NumberStyle& numbers) {
    for (int decimals = std::clamp(exponent - step.exponent(), 0, kMaxDecimals);
         decimals <= kMaxDecimals; ++decimals) {
        std::vector<std::string> texts;
        for (double v : values)
            texts.push_back(TickLabel(v, exponent, decimals, numbers));
        if (std::adjacent_find(texts.begin(), texts.end()) != texts.end())
            continue;
        std::vector<Tick> ticks;
        for (std::size_t i = 0; i < values.size(); ++i)
            ticks.push_back({values[i], dress(std::move(texts[i]))});
        return ticks;
    }
    return std::nullopt;
}

// Ticks on 1, 2, 2.5 or 5 × 10^k: the step nearest one label per kPxPerLabel, finer where
// that leaves fewer than two ticks, then coarser until the labels keep clear.
std::vector<Tick> SteppedTicks(double min, double max, const Layout& layout, int exponent,
                               const Dress& dress) {
    const double wanted = std::clamp(layout.lengthPx / kPxPerLabel, 1.0, 1.0 * kMaxTicks);
    Step step = NearestStep(std::log10(max - min) - std::log10(wanted));
    for (int i = 0; i < 8; ++i) {
        const auto values = Multiples(min, max, step);
        if (!values || values->size() >= 2)
            break;
        step = step.finer();
    }
    // Past the span no step holds two ticks, so this ends long before the bound.
    for (int i = 0; i < 2500; ++i, step = step.coarser()) {
        const auto values = Multiples(min, max, step);
        if (!values)
            continue;
        auto ticks = Labelled(*values, step, exponent, dress, layout.numbers);
        if (ticks && Clear(*ticks, layout))
            return std::move(*ticks);
    }
    return {};
}

// 1 to 9 × 10^decade within a log axis's range.
struct Mark {
    double value;
    int multiple, decade;
};

TextRun DecadeLabel(const Mark& m, const NumberStyle& numbers) {
    const std::string lead = m.multiple == 1 ? "10" : std::to_string(m.multiple) + kTimes + "10";
    return {{lead, false}, {numbers.Whole(m.decade), true}};
}

// The marks as ticks, labelling the decades that are multiples of `stride` and, at stride 1,
// those of `multiples` (2 and 5) too.
std::vector<Tick> MarkTicks(const std::vector<Mark>& marks, std::initializer_list<int> multiples,
                            int stride, const NumberStyle& numbers) {
    std::vector<Tick> ticks;
    for (const Mark& m : marks) {
        const bool labelled = m.multiple == 1
                                  ? m.decade % stride == 0
                                  : stride == 1 && std::find(multiples.begin(), multiples.end(),
                                                             m.multiple) != multiples.end();
        ticks.push_back({m.value, labelled ? DecadeLabel(m, numbers) : TextRun{}});
    }
    return ticks;
}

std::size_t LabelCount(const std::vector<Tick>& ticks) {
    return std::count_if(ticks.begin(), ticks.end(),
                         [](const Tick& t) { return !t.label.empty(); });
}

// Every n-th decade labelled, n from 1, 2, 3, 5, 10, 20, … the first whose labels keep clear.
std::vector<Tick> StridedDecades(const std::vector<Mark>& marks, const Layout& layout) {
    std::vector<Tick> previous;
    for (int base = 1; base <= 1000; base *= 10) {
        for (int n : {1, 2, 3, 5}) {
            std::vector<Tick> ticks = MarkTicks(marks, {}, n * base, layout.numbers);
            if (LabelCount(ticks) == 0) {
                // No decade is a multiple of n: one label of the finer stride, the one nearest
                // the middle, still tells where the axis is.
                const auto middle = [&](const Tick& t) {
                    return t.label.empty() ? std::numeric_limits<double>::infinity()
                                           : std::abs(layout.place(t.value) - layout.lengthPx / 2);
                };
                const auto kept = std::min_element(
                    previous.begin(), previous.end(),
                    [&](const Tick& a, const Tick& b) { return middle(a) < middle(b); });
                for (auto it = previous.begin(); it != previous.end(); ++it)
                    if (it != kept)
                        it->label.clear();
                return previous.empty() ? ticks : previous;
            }
            if (Clear(ticks, layout))
                return ticks;
            previous = std::move(ticks);
        }
    }
    return previous;
}

} // namespace

AxisTicks LinearTicks(double min, double max, double lengthPx, const LabelLength& length,
                      double gapPx, const NumberStyle& numbers) {
    if (!Proper(min, max) || !(lengthPx > 0.0) || !Finite(lengthPx))
        return {};
    AxisTicks axis;
    axis.prefixExponent = PrefixExponentFor(std::max(std::abs(min), std::abs(max)));
    const double span = max - min;
    const Layout layout{lengthPx, [=](double v) { return (v - min) / span * lengthPx; }, length,
                        gapPx, numbers};
    axis.ticks = SteppedTicks(min, max, layout, axis.prefixExponent,
                              [](std::string text) { return PlainText(std::move(text)); });
    return axis;
}

AxisTicks LogTicks(double min, double max, double lengthPx, const LabelLength& length, double gapPx,
                   const NumberStyle& numbers) {
    if (!Proper(min, max) || !(min > 0.0) || !(lengthPx > 0.0) || !Finite(lengthPx))
        return {};
    const double low = std::log10(min), high = std::log10(max);
    if (!(high > low))
        return {};
    const Layout layout{lengthPx,
                        [=](double v) { return (std::log10(v) - low) / (high - low) * lengthPx; },
                        length, gapPx, numbers};
    const bool underTwoDecades = high - low < 2.0;
    std::vector<Mark> marks;
    for (int k = static_cast<int>(std::floor(low)) - 1; k <= static_cast<int>(std::ceil(high));
         ++k) {
        for (int m = 1; m <= (underTwoDecades ? 9 : 1); ++m) {
            const double v = TimesPow10(m, k);
            if (v >= min * (1 - kEndSlack) && v <= max * (1 + kEndSlack) && v > 0.0 && Finite(v))
                marks.push_back({v, m, k});
        }
    }
    AxisTicks axis;
    if (!underTwoDecades) {
        axis.ticks = StridedDecades(marks, layout);
        return axis;
    }
    const auto named = std::count_if(marks.begin(), marks.end(), [](const Mark& m) {
        return m.multiple == 1 || m.multiple == 2 || m.multiple == 5;
    });
    if (named < 2) {
        // Within a decade a log axis reads like a linear one; a power of ten keeps the
        // labels short far from 1.
        int decade = static_cast<int>(std::floor(low));
        if (TimesPow10(1.0, decade + 1) <= min)
            ++decade;
        const bool plain = decade >= -3 && decade <= 3;
        axis.ticks = SteppedTicks(min, max, layout, plain ? 0 : decade, [&](std::string text) {
            return plain ? PlainText(std::move(text))
                         : TextRun{{text + kTimes + "10", false}, {numbers.Whole(decade), true}};
        });
        return axis;
    }
    for (auto multiples : {std::initializer_list<int>{2, 5}, std::initializer_list<int>{5}}) {
        std::vector<Tick> ticks = MarkTicks(marks, multiples, 1, numbers);
        if (Clear(ticks, layout)) {
            axis.ticks = std::move(ticks);
            return axis;
        }
    }
    axis.ticks = StridedDecades(marks, layout);
    return axis;
}

int PrefixExponentFor(double largest) {
    largest = std::abs(largest);
    if (!Finite(largest) || largest == 0.0 || (largest >= 0.1 && largest < 1000.0))
        return 0;
    int p = 3 * static_cast<int>(std::floor(std::log10(largest) / 3.0));
    // log10 may land a hair off at exact powers of ten.
    if (TimesPow10(largest, -p) >= 1000.0)
        p += 3;
    else if (TimesPow10(largest, -p) < 1.0)
        p -= 3;
    return std::clamp(p, -24, 24);
}

std::optional<std::string> SiPrefix(int exponent) {
    static const std::array<const char*, 17> kPrefixes = {
        "y", "z", "a", "f", "p", "n", "\xC2\xB5", "m", "", "k", "M", "G", "T", "P", "E", "Z", "Y"};
    if (exponent < -24 || exponent > 24 || exponent % 3 != 0)
        return std::nullopt;
    return kPrefixes[(exponent + 24) / 3];
}

std::string TickLabel(double value, int exponent, int decimals, const NumberStyle& numbers) {
    // Past ±1000 every double scales to 0 or overflows alike; the bound keeps -exponent defined.
    const double scaled = TimesPow10(value, -std::clamp(exponent, -1000, 1000));
    if (!Finite(scaled))
        return {};
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    const std::string text = numbers.Fixed(scaled, decimals);
    if (text.empty())
        return {};
    const bool zero = text.find_first_of("123456789") == std::string::npos;
    return zero ? numbers.Fixed(0.0, decimals) : text;
}
