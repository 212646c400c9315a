#pragma once

#include "chart/AxisRange.h"

// The two ways the plot shows a measurement.
enum class Diagram { Nyquist, Bode };

// What a Nyquist diagram spans before it has a point, as the classic dialog always opened.
inline constexpr AxisRange kEmptyZReal{0.0, 0.01};
inline constexpr AxisRange kEmptyMinusZImag{0.0, 1.1};
// What a Bode diagram's −φ axis spans before it has a phase.
inline constexpr AxisRange kEmptyMinusPhase{-90.0, 90.0};
