#include "ReadoutText.h"

#include "model/Quantity.h"

#include <algorithm>
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

std::string asRead(double value, bool float32, const NumberStyle& numbers) {
    return float32 ? numbers.ShortestFloat32(static_cast<float>(value)) : numbers.Shortest(value);
}

// The significant digits of a number written in the C form.
int digitsOf(const std::string& c) {
    int digits = 0;
    bool leading = true;
    for (const char ch : c.substr(0, c.find('e'))) {
        if (ch < '0' || ch > '9')
            continue;
        leading = leading && ch == '0';
        digits += !leading;
    }
    return digits;
}

// `value` rounded to `digits` significant digits, in the shortest text, so that a value
// worked out of the parts is written as they are.
std::string rounded(double value, int digits, const NumberStyle& numbers) {
    const std::string c = kAsciiNumbers.Scientific(value, digits - 1);
    double r = value;
    std::from_chars(c.data(), c.data() + c.size(), r);
    return numbers.Shortest(r);
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

std::string DotReadout(double frequency, double zReal, double minusZImag, std::int64_t line,
                       const NumberStyle& numbers, const ReadoutWords& words, bool float32) {
    const std::string ohm = "\u03a9";
    const Point p{.f = frequency, .zReal = zReal, .minusZImag = minusZImag};
    constexpr int kFewestDigits = 4;
    const int digits = std::max({kFewestDigits, digitsOf(asRead(zReal, float32, kAsciiNumbers)),
                                 digitsOf(asRead(minusZImag, float32, kAsciiNumbers))});
    return "f = " + WithPrefix(frequency, "Hz", numbers) + "\n" + words.zReal + " = " +
           withUnit(asRead(zReal, float32, numbers), ohm) + "\n" + words.minusZImag + " = " +
           withUnit(asRead(minusZImag, float32, numbers), ohm) + "\n" +
           "|Z| = " + withUnit(rounded(ValueOf(p, Quantity::Magnitude), digits, numbers), ohm) +
           "\n" + words.phase + " = " + rounded(ValueOf(p, Quantity::Phase), digits, numbers) +
           "\u00b0\n" + words.line + " " + numbers.Whole(line);
}

std::string FileReadout(const std::string& format, std::int64_t points) {
    return "format: " + format + "\n" + std::to_string(points) +
           (points == 1 ? " point" : " points");
}
