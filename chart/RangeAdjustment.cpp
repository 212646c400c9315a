#include "RangeAdjustment.h"

#include <cmath>
#include <limits>

namespace {

constexpr double kLargest = std::numeric_limits<double>::max();

double finiteEnd(double v) {
    return std::isinf(v) ? std::copysign(kLargest, v) : v;
}

// Half the span, formed from halves so that a span beyond the largest double stays finite.
double halfSpan(const AxisRange& r) {
    return r.max / 2 - r.min / 2;
}

// The range about its own centre with the given half span, kept within the finite doubles.
AxisRange aboutCentre(const AxisRange& r, double half) {
    const double centre = r.min / 2 + r.max / 2;
    return {std::max(centre - half, -kLargest), std::min(centre + half, kLargest)};
}

} // namespace

AxisRange WidenDegenerate(AxisRange range) {
    range.min = finiteEnd(range.min);
    range.max = finiteEnd(range.max);
    if (range.min != range.max)
        return range;
    const double v = range.min;
    const double d = v == 0.0 ? 1.0 : std::fabs(v) / 2;
    AxisRange widened{std::max(v - d, -kLargest), std::min(v + d, kLargest)};
    // Half the smallest denormal rounds to nothing: take the neighbouring doubles instead.
    if (!(widened.max > widened.min))
        widened = {std::nextafter(v, -kLargest), std::nextafter(v, kLargest)};
    return widened;
}

void EqualiseScales(AxisRange& x, AxisRange& y, double widthPx, double heightPx, bool keepYStart) {
    if (!(widthPx > 0) || !(heightPx > 0) || !(x.max > x.min) || !(y.max > y.min))
        return;
    // Units per pixel, from half spans so nothing overflows.
    const double perPxX = halfSpan(x) / widthPx;
    const double perPxY = halfSpan(y) / heightPx;
    if (!std::isfinite(perPxX) || !std::isfinite(perPxY))
        return;
    if (perPxX > perPxY) {
        const double half = perPxX * heightPx;
        if (keepYStart)
            y.max = std::min(y.min + 2 * half, kLargest);
        else
            y = aboutCentre(y, half);
    } else if (perPxY > perPxX) {
        x = aboutCentre(x, perPxY * widthPx);
    }
}
