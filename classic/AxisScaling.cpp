#include "CurveChart.h"
#include "ExtendedLog10.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {

constexpr double kOneThird = 0.3333333333333333;

constexpr int kLowestPower = -110; // 1000^-110 is already below the smallest double
// The exponents whose 1000^e is a normal double: beyond them a scaled value or its step
// would turn into 0, infinity or NaN on the axis labels.
constexpr int kLowestNormalExponent = -102;
constexpr int kHighestNormalExponent = 102;
constexpr int kHighestPower = 103; // 1000^103 is already infinite

// pow(1000, e) for every e that gives neither 0 nor infinity, made once with pow itself.
const auto kPowersOf1000 = [] {
    std::array<double, kHighestPower - kLowestPower + 1> powers{};
    for (int e = kLowestPower; e <= kHighestPower; ++e)
        powers[static_cast<size_t>(e - kLowestPower)] = std::pow(1000.0, e);
    return powers;
}();

// Scale runs for every point added and every rescale, and pow dominated its cost; the table
// holds pow's own results, so only the time changes.
double powerOf1000(int e) {
    if (e == 0)
        return 1.0;
    if (e < kLowestPower || e > kHighestPower)
        return std::pow(1000.0, e);
    return kPowersOf1000[static_cast<size_t>(e - kLowestPower)];
}

// Both ends of a channel's values, always containing 0; an extent narrower than 1e-21 (a
// channel of zeros) becomes [-0.9, 0.9].
void dataExtent(const double (&data)[CHART_CAPACITY], double& dataMin, double& dataMax) {
    dataMax = 0.0;
    dataMin = 0.0;
    for (double v : data) {
        if (v > dataMax)
            dataMax = v;
        if (v < dataMin)
            dataMin = v;
    }
    if (std::fabs(dataMax - dataMin) < 1e-21) {
        dataMin = -0.9;
        dataMax = 0.9;
    }
}

// Mode 0 and the log axis keep the limits they were given.
bool fixedLimits(int mode) {
    return mode == 0 || mode == kLogAxis;
}

// A fixed axis never looks at the data, so its scan is skipped: points that keep leaving the
// limits of a fixed axis then cost constant time.
void limitsByMode(int mode, const double (&data)[CHART_CAPACITY], double& min, double& max) {
    if (fixedLimits(mode))
        return;
    double dataMin = 0.0;
    double dataMax = 0.0;
    dataExtent(data, dataMin, dataMax);
    if (mode == 1 || mode == 3)
        min = CCurveChart::NiceFloor(dataMin);
    if (mode == 2 || mode == 3)
        max = CCurveChart::NiceCeil(dataMax);
}

// The larger magnitude decides; equal magnitudes take the upper limit.
double deciding(double min, double max) {
    return std::fabs(min) > std::fabs(max) ? min : max;
}

// Denormal limits ask for 1000^-108 and beyond, which is 0: the axis keeps to the exponents
// whose power is a normal double, so its values and labels stay finite.
int normalExponent(int e) {
    return std::clamp(e, kLowestNormalExponent, kHighestNormalExponent);
}

// The unit of the second digit of |v| (one decade coarser below 1), or 0 where it cannot be
// formed. v must be finite and positive.
double niceUnit(double w) {
    const long double L = ExtendedLog10(w);
    return std::pow(10.0, static_cast<int>(L) - 1);
}

// v one nice step beyond the truncated value, away from (+1) or towards (-1) zero. Quotients
// are truncated as doubles, which equals the integer truncation for every finite result and
// cannot overflow; where the ends of the double range leave no nice value, v is returned.
double niceStep(double v, double direction) {
    const double w = std::fabs(v);
    const double d = niceUnit(w);
    const double n = std::trunc(w / d) + direction;
    const double result = d * n;
    if (!std::isfinite(result) || d == 0.0)
        return v;
    return v > 0 ? result : -result;
}

} // namespace

CCurveChart::ScaleState CCurveChart::scaleState() const {
    return {{std::bit_cast<std::uint64_t>(xMin), std::bit_cast<std::uint64_t>(xMax),
             std::bit_cast<std::uint64_t>(yMin), std::bit_cast<std::uint64_t>(yMax),
             std::bit_cast<std::uint64_t>(zMin), std::bit_cast<std::uint64_t>(zMax)},
            {xExp, yExp, zExp},
            {xMode, yMode, zMode}};
}

void CCurveChart::AutoScale() {
    // With fixed limits (every mode 0 or log) the result depends on the limits alone. A rescale
    // that changed nothing therefore changes nothing when repeated.
    const ScaleState before = scaleState();
    if (settled_ && *settled_ == before)
        return;
    rescale();
    const bool fixedPoint =
        fixedLimits(xMode) && fixedLimits(yMode) && fixedLimits(zMode) && scaleState() == before;
    settled_ = fixedPoint ? std::optional(before) : std::nullopt;
}

void CCurveChart::rescale() {
    limitsByMode(xMode, xData, xMin, xMax);
    limitsByMode(yMode, yData, yMin, yMax);
    limitsByMode(zMode, zData, zMin, zMax);
    // A log axis labels its decades in the data's own units.
    xExp = xMode == kLogAxis ? 0 : normalExponent(EngExponent(deciding(xMin, xMax)));
    yExp = yMode == kLogAxis ? 0 : normalExponent(EngExponent(deciding(yMin, yMax)));
    zExp = zMode == kLogAxis ? 0 : normalExponent(EngExponent(deciding(zMin, zMax)));
    xMin = Scale(xMin, 'x');
    xMax = Scale(xMax, 'x');
    yMin = Scale(yMin, 'y');
    yMax = Scale(yMax, 'y');
    zMin = Scale(zMin, 'z');
    zMax = Scale(zMax, 'z');
}

double CCurveChart::Scale(double value, char axis) const {
    switch (axis) {
    case 'x':
    case 'X':
        return value / powerOf1000(xExp);
    case 'y':
    case 'Y':
        return value / powerOf1000(yExp);
    case 'z':
    case 'Z':
        return value / powerOf1000(zExp);
    default:
        return value;
    }
}

int CCurveChart::EngExponent(double v) {
    const long double L = ExtendedLog10(std::fabs(v));
    // Infinity, zero and NaN have no exponent.
    if (!(L >= -1000 && L <= 1000))
        return 0;
    // |L| <= 1000 here, so both truncations stay far inside int.
    if (L >= 0)
        return static_cast<int>(RoundedExtendedProduct(L, kOneThird));
    return -1 - static_cast<int>(RoundedExtendedProduct(L, -kOneThird));
}

double CCurveChart::NiceCeil(double v) {
    if (v > 0)
        return std::isfinite(v) ? niceStep(v, +1.0) : v;
    if (v < 0)
        return std::isfinite(v) ? niceStep(v, -1.0) : v;
    return v == 0 ? 0.0 : v;
}

double CCurveChart::NiceFloor(double v) {
    if (v > 0)
        return std::isfinite(v) ? niceStep(v, -1.0) : v;
    if (v < 0)
        return std::isfinite(v) ? niceStep(v, +1.0) : v;
    return v == 0 ? 0.0 : v;
}
