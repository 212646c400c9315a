#include "ModelLine.h"

#include <cmath>

std::vector<Point> ModelLinePoints(double fMin, double fMax,
                                   const std::function<std::complex<double>(double f)>& impedance) {
    if (!(fMin > 0 && fMin <= fMax && std::isfinite(fMax)))
        return {};
    const double decades = std::log10(fMax / fMin);
    const int steps = std::max(1, int(std::ceil(decades * kModelLinePointsPerDecade - 1e-9)));
    std::vector<Point> points;
    points.reserve(std::size_t(steps) + 1);
    for (int k = 0; k <= steps; ++k) {
        // The ends exactly as given, so the line spans the sweep's own range.
        const double f = k == 0       ? fMin
                         : k == steps ? fMax
                                      : fMin * std::pow(10.0, decades * k / steps);
        const std::complex<double> z = impedance(f);
        Point p;
        p.t = k;
        p.f = f;
        p.zReal = z.real();
        p.minusZImag = -z.imag();
        points.push_back(p);
    }
    return points;
}
