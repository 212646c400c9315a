#pragma once

#include "Series.h"

#include <cmath>
#include <numbers>

// What is read out, written out or put on an axis of a point: its own values, and the Bode
// quantities of Z = Z' + jZ'' computed from them.
enum class Quantity { ZReal, MinusZImag, Frequency, Magnitude, Phase, MinusPhase };

// The one place the Bode quantities are worked out, so every picture, readout and export
// agrees to the last bit. The phase is in degrees, from -180 to 180, negative for a
// capacitive arc; the Bode diagram draws its negation, so such an arc points up.
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
    case Quantity::Phase:
        // 0.0 - x and x + 0.0 turn a negative zero into zero: a zero's sign says nothing
        // about the measurement, so -0 -0 has the phase of 0 0.
        return std::atan2(0.0 - p.minusZImag, p.zReal + 0.0) * 180.0 / std::numbers::pi;
    case Quantity::MinusPhase:
        return -ValueOf(p, Quantity::Phase);
    }
    return 0.0;
}
