#pragma once

#include <cstdint>
#include <limits>

// Where a file marks no sweeps itself, a sweep ends where its frequency turns back: a step
// against the sweep's direction by more than a factor of 2 (a return from 10 mHz to 100 kHz)
// starts the next one. Smaller steps back are wobbles of the same sweep, and so is a Thales
// sweep that runs up and then down again step by step.
struct FrequencyTrend {
    double previous = 0;       // the sweep's last positive finite frequency, 0 before one
    std::int8_t direction = 0; // 1 rising, -1 falling, 0 while not known
};

// Follows the sweep to `frequency`: true when it turns back there, which begins the trend of
// a new sweep. A frequency that is no positive finite number changes nothing.
inline bool TurnsBack(FrequencyTrend& trend, double frequency) {
    if (!(frequency > 0 && frequency <= std::numeric_limits<double>::max()))
        return false;
    const double previous = trend.previous;
    trend.previous = frequency;
    if (previous == 0 || frequency == previous)
        return false;
    if (trend.direction == 0) {
        trend.direction = frequency > previous ? 1 : -1;
        return false;
    }
    const bool back = trend.direction > 0 ? frequency * 2 < previous : frequency > previous * 2;
    if (back)
        trend.direction = 0;
    return back;
}
