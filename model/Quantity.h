#pragma once

#include "Series.h"

#include <cmath>
#include <numbers>

// What a diagram puts on an axis, taken from each point as it is drawn.
enum class Quantity { ZReal, MinusZImag, Frequency, Magnitude, MinusPhase };

inline double ValueOf(const Point& p, Quantity q) {
    switch (q) {
    case Quantity::ZReal:
        return p.zReal;
    case Quantity::MinusZImag:
        return p.minusZImag;
    case Quantity::Frequency:
        return p.f;
    case Quantity::Magnitude:
        return std::hypot(p.zReal, p.minusZImag);
    case Quantity::MinusPhase:
        // Negated, so a capacitive arc points up.
        return std::atan2(p.minusZImag, p.zReal) * 180.0 / std::numbers::pi;
    }
    return 0.0;
}
