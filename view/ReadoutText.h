#pragma once

#include <cstdint>
#include <string>

// A value with three significant digits and an engineering prefix: "12.6 kHz", "398 mHz".
std::string WithPrefix(double value, const std::string& unit);

// The readout of one dot: frequency, Z' and -Z'' as read, |Z|, phase and line number.
std::string DotReadout(double frequency, double zReal, double minusZImag, std::int64_t line);

// The readout off the dots: the file's format and number of points.
std::string FileReadout(const std::string& format, std::int64_t points);
