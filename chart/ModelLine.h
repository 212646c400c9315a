#pragma once

#include "model/Series.h"

#include <complex>
#include <functional>
#include <string>
#include <vector>

// A curve that a model of a series gives, such as a fitted circuit, drawn as a line over the
// dots of its sweep and in their colour.
struct ModelLine {
    int sweep = 1;
    // Along the line by rising frequency: f, Z' and -Z'', so the line takes whatever quantities
    // its series draws.
    std::vector<Point> points;
    // What the readout names over the line, such as the circuit fitted.
    std::string label{};
};

// A line shows its model at this many frequencies a decade, between the points as well as at
// them.
inline constexpr int kModelLinePointsPerDecade = 20;

// The model's points from fMin to fMax Hz, both ends included, spaced evenly on a log axis at
// kModelLinePointsPerDecade or closer; none unless 0 < fMin <= fMax, both finite.
std::vector<Point> ModelLinePoints(double fMin, double fMax,
                                   const std::function<std::complex<double>(double f)>& impedance);
