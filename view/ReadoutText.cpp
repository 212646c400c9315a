#include "ReadoutText.h"

#include "model/Quantity.h"

#include <charconv>
#include <cmath>

namespace {

// From 10^-24 to 10^24; the micro sign is U+00B5.
const char* const kPrefixes[] = {"y", "z", "a", "f", "p", "n", "\u00b5", "m", "",
                                 "k", "M", "G", "T", "P", "E", "Z",      "Y"};
constexpr int kUnitPrefix = 8;

std::string withUnit(const std::string& number, const std::string& unit) {
    return number + " " + unit;
}

} // namespace

std::string WithPrefix(double value, const std::string& unit, const NumberStyle& numbers) {
    if (!std::isfinite(value))
        return withUnit(numbers.Shortest(value), unit);
    if (value == 0.0)
        return withUnit("0", unit);
    // Round to three digits first, so 999.7 becomes 1.00 k rather than 1000.
    const std::string rounded = kAsciiNumbers.Scientific(value, 2);
    double r = value;
    std::from_chars(rounded.data(), rounded.data() + rounded.size(), r);
    const int decade = static_cast<int>(std::floor(std::log10(std::fabs(r))));
    const int group = decade >= 0 ? decade / 3 : -((-decade + 2) / 3);
    if (group < -kUnitPrefix || group > kUnitPrefix)
        return withUnit(numbers.Scientific(r, 2), unit);
    const double mantissa = r / std::pow(10.0, 3 * group);
    const int decimals = 2 - (decade - 3 * group);
    return withUnit(numbers.Fixed(mantissa, decimals), kPrefixes[group + kUnitPrefix] + unit);
}

namespace {

// The lines every readout of an impedance ends with.
std::string impedanceLines(const Point& p, const std::string& zReal, const std::string& minusZImag,
                           const NumberStyle& numbers, const ReadoutWords& words) {
    const std::string ohm = "\u03a9";
    return "f = " + WithPrefix(p.f, "Hz", numbers) + "\n" + words.zReal + " = " +
           withUnit(zReal, ohm) + "\n" + words.minusZImag + " = " + withUnit(minusZImag, ohm) +
           "\n" +
           "|Z| = " + withUnit(numbers.Significant(ValueOf(p, Quantity::Magnitude), 4), ohm) +
           "\n" + words.phase + " = " + numbers.Fixed(ValueOf(p, Quantity::Phase), 2) + "\u00b0";
}

} // namespace

std::string DotReadout(double frequency, double zReal, double minusZImag, std::int64_t line,
                       const NumberStyle& numbers, const ReadoutWords& words) {
    const Point p{.f = frequency, .zReal = zReal, .minusZImag = minusZImag};
    return impedanceLines(p, numbers.Shortest(zReal), numbers.Shortest(minusZImag), numbers,
                          words) +
           "\n" + words.line + " " + numbers.Whole(line);
}

std::string ModelReadout(const std::string& label, const Point& p, const NumberStyle& numbers,
                         const ReadoutWords& words) {
    return words.fit + " " + label + "\n" +
           impedanceLines(p, numbers.Significant(p.zReal, 4), numbers.Significant(p.minusZImag, 4),
                          numbers, words);
}

std::string FileReadout(const std::string& format, std::int64_t points) {
    return "format: " + format + "\n" + std::to_string(points) +
           (points == 1 ? " point" : " points");
}
