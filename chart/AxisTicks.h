#pragma once

#include "NumberStyle.h"
#include "Painter.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

// How long a label stands along its axis, in pixels: its width on a horizontal axis, its
// height on a vertical one.
using LabelLength = std::function<double(const TextRun&)>;

struct Tick {
    double value = 0.0; // in the data's own units
    TextRun label;      // empty for a minor tick
};

struct AxisTicks {
    std::vector<Tick> ticks; // ascending by value
    // The labels of a linear axis count 10^prefixExponent units (a multiple of 3, named by
    // SiPrefix); always 0 on a log axis, whose labels carry their own powers.
    int prefixExponent = 0;
};

// The ticks of a linear axis over [min, max], `lengthPx` long: values on 1, 2, 2.5 or
// 5 x 10^k, about one label per 80 to 100 pixels, each labelled in units of the SI prefix
// that makes the labels read between 0.1 and 1000, with the fewest decimals that keep
// neighbouring labels distinct. Where neighbouring labels would come closer than `gapPx`,
// a coarser step is taken until none do. Nothing for a range that is not finite and proper.
AxisTicks LinearTicks(double min, double max, double lengthPx, const LabelLength& length,
                      double gapPx, const NumberStyle& numbers = {});

// The ticks of a logarithmic axis over [min, max] (both above 0): decades labelled 10^k with
// a superscript k, every n-th decade (n = 2, 3, 5, 10, …) where they would crowd, the others
// ticked unlabelled. Under two decades, 2 and 5 times the decades are labelled too ("2×10³";
// the 2s, then the 5s, give way where they crowd) and the other multiples get minor ticks.
// Where fewer than two of these labels fall within the range, the ticks step as on a linear
// axis instead, labelled as plain decimals where 10^-3 <= min < 10^4 and beyond that in
// units of the decade of `min` ("12×10⁻⁹"), so that the axis still tells where it is.
AxisTicks LogTicks(double min, double max, double lengthPx, const LabelLength& length, double gapPx,
                   const NumberStyle& numbers = {});

// The exponent (a multiple of 3) of the SI prefix under which values up to `largest` in
// magnitude read between 0.1 and 1000; 0 where they already do, or for 0 and non-finite
// values.
int PrefixExponentFor(double largest);

// The SI prefix of 10^exponent ("k", "m", "µ", from y to Y), or nothing for exponents
// that have none.
std::optional<std::string> SiPrefix(int exponent);

// `value` in units of 10^exponent with `decimals` decimals, written in `numbers`' style; a
// value that rounds to zero reads "0" with its decimals, never "−0".
std::string TickLabel(double value, int exponent, int decimals, const NumberStyle& numbers = {});
