#pragma once

#include "chart/NumberStyle.h"

#include <cstdint>
#include <string>

// A value with three significant digits and an engineering prefix: "12.6 kHz", "398 mHz".
std::string WithPrefix(double value, const std::string& unit,
                       const NumberStyle& numbers = kAsciiNumbers);

// The names and words of a dot's readout; the window gives them in its language, with real
// primes.
struct ReadoutWords {
    std::string zReal = "Z'";
    std::string minusZImag = "\u2212Z''";
    std::string phase = "phase";
    std::string line = "line";
};

// The readout of one dot: frequency, Z' and -Z'' as read (as float32 where the file stores
// them so), |Z| and phase to as many digits as those two hold, and the line number.
std::string DotReadout(double frequency, double zReal, double minusZImag, std::int64_t line,
                       const NumberStyle& numbers = kAsciiNumbers, const ReadoutWords& words = {},
                       bool float32 = false);

// The readout off the dots: the file's format and number of points.
std::string FileReadout(const std::string& format, std::int64_t points);
