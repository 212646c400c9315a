#include "ReadoutText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {

// From 10^-24 to 10^24; the micro sign is U+00B5.
const char* const kPrefixes[] = {"y", "z", "a", "f", "p", "n", "\u00b5", "m", "",
                                 "k", "M", "G", "T", "P", "E", "Z",      "Y"};
constexpr int kUnitPrefix = 8;

template <typename... Args> std::string printed(const char* format, Args... args) {
    char text[64];
    const int length = std::snprintf(text, sizeof text, format, args...);
    return std::string(text, static_cast<size_t>(std::max(length, 0)));
}

// The shortest text that reads back as the same double: the value exactly as the file gave
// it.
std::string exact(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::string withUnit(const std::string& number, const std::string& unit) {
    return number + " " + unit;
}

} // namespace

std::string WithPrefix(double value, const std::string& unit) {
    if (!std::isfinite(value))
        return withUnit(exact(value), unit);
    if (value == 0.0)
        return withUnit("0", unit);
    // Round to three digits first, so 999.7 becomes 1.00 k rather than 1000.
    const std::string rounded = printed("%.2e", value);
    const double r = std::strtod(rounded.c_str(), nullptr);
    const int decade = static_cast<int>(std::floor(std::log10(std::fabs(r))));
    const int group = decade >= 0 ? decade / 3 : -((-decade + 2) / 3);
    if (group < -kUnitPrefix || group > kUnitPrefix)
        return withUnit(rounded, unit);
    const double mantissa = r / std::pow(10.0, 3 * group);
    const int decimals = 2 - (decade - 3 * group);
    return withUnit(printed("%.*f", decimals, mantissa), kPrefixes[group + kUnitPrefix] + unit);
}

std::string DotReadout(double frequency, double zReal, double minusZImag, std::int64_t line) {
    const std::string ohm = "\u03a9";
    const double magnitude = std::hypot(zReal, minusZImag);
    const double phase = std::atan2(-minusZImag, zReal) * 180.0 / std::numbers::pi;
    return "f = " + WithPrefix(frequency, "Hz") + "\n" + "Z' = " + withUnit(exact(zReal), ohm) +
           "\n" + "\u2212Z'' = " + withUnit(exact(minusZImag), ohm) + "\n" +
           "|Z| = " + withUnit(printed("%.4g", magnitude), ohm) + "\n" +
           "phase = " + printed("%.2f", phase) + "\u00b0\n" + "line " + std::to_string(line);
}

std::string FileReadout(const std::string& format, std::int64_t points) {
    return "format: " + format + "\n" + std::to_string(points) +
           (points == 1 ? " point" : " points");
}
