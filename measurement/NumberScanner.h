#pragma once

#include <charconv>
#include <cstdint>
#include <string_view>
#include <system_error>

// How a field was read as a number: not at all, with a decimal point, or with a decimal comma.
enum class FieldNumber { None, Point, Comma };

namespace number_scanning {

// What strtod gives for a magnitude beyond the double range: infinity when too large, zero
// when too small. Which it is follows from the decimal position of the first significant
// digit plus the exponent.
double OutOfRangeMagnitude(std::string_view number);

// The powers of ten that a double holds exactly.
inline constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                          1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

inline bool IsDigit(char c) {
    return static_cast<unsigned char>(c - '0') < 10;
}

// The number at `p` as from_chars reads it, when it is a decimal of at most 19 digits whose
// value w · 10^e has w <= 2^53 and |e| <= 22; nullptr, with `value` untouched, otherwise.
// Then w and 10^|e| are exact doubles, so one multiplication or division rounds the value
// correctly, as from_chars does, at a fraction of its cost. Nearly every number a
// measurement file holds is such a decimal.
inline const char* ScanShortDecimal(const char* p, const char* end, double& value) {
    const bool negative = p != end && *p == '-';
    p += negative;
    std::uint64_t w = 0;
    int digits = 0, e = 0;
    for (; p != end && IsDigit(*p); ++p, ++digits)
        w = w * 10 + static_cast<unsigned>(*p - '0');
    if (p != end && *p == '.')
        for (++p; p != end && IsDigit(*p); ++p, ++digits, --e)
            w = w * 10 + static_cast<unsigned>(*p - '0');
    if (digits == 0 || digits > 19)
        return nullptr;
    // An exponent counts only with a digit: "1e" and "1e+" are 1 followed by other text.
    if (p != end && (*p == 'e' || *p == 'E')) {
        const char* q = p + 1;
        const bool minus = q != end && *q == '-';
        q += q != end && (*q == '-' || *q == '+');
        if (q != end && IsDigit(*q)) {
            int exponent = 0;
            for (; q != end && IsDigit(*q); ++q)
                exponent = exponent < 1000 ? exponent * 10 + (*q - '0') : exponent;
            e += minus ? -exponent : exponent;
            p = q;
        }
    }
    if (w > (std::uint64_t{1} << 53) || e < -22 || e > 22)
        return nullptr;
    const double magnitude = e < 0 ? static_cast<double>(w) / kPowersOfTen[-e]
                                   : static_cast<double>(w) * kPowersOfTen[e];
    value = negative ? -magnitude : magnitude;
    return p;
}

// One number at `p` (an optional sign, then what from_chars reads), or nullptr when the
// field is not one. Inline: the readers call it for every number of every row.
inline const char* ScanNumber(const char* p, const char* end, double& value) {
    // from_chars takes a minus but no plus; "+-1" is no number either way.
    if (p != end && *p == '+') {
        ++p;
        if (p == end || *p == '-')
            return nullptr;
    }
    if (const char* next = ScanShortDecimal(p, end, value))
        return next;
    const auto [next, error] = std::from_chars(p, end, value, std::chars_format::general);
    if (error == std::errc::invalid_argument)
        return nullptr;
    if (error == std::errc::result_out_of_range) {
        const bool negative = *p == '-';
        const double magnitude = OutOfRangeMagnitude(
            std::string_view(p + negative, static_cast<std::size_t>(next - p - negative)));
        value = negative ? -magnitude : magnitude;
    }
    return next;
}

// ScanField for a field that is no number with a decimal point.
FieldNumber ScanFieldWithComma(std::string_view field, double& value);

} // namespace number_scanning

// Reads one whole field as a number: an optional sign, a decimal number as above, and
// nothing else (the caller trims blanks). With `decimalComma`, one comma may stand for the
// decimal point (`3,84944724E-005`). `value` is left alone when the field is not exactly one
// number.
inline FieldNumber ScanField(std::string_view field, bool decimalComma, double& value) {
    const char* const end = field.data() + field.size();
    double read = 0;
    const char* next = number_scanning::ScanNumber(field.data(), end, read);
    if (next != nullptr && next == end) {
        value = read;
        return FieldNumber::Point;
    }
    return decimalComma ? number_scanning::ScanFieldWithComma(field, value) : FieldNumber::None;
}

// Reads up to three numbers from the start of a line, as "%lf %lf %lf" would in the C
// locale: white space before each is skipped, each is an optional sign and a decimal
// number (the point is always the decimal separator), and the scan stops at the first field
// that is not a number. Numbers not read keep their values. Returns how many were read.
// Inline: the plain reader calls it for every line.
inline int ScanThreeNumbers(std::string_view line, double (&values)[3]) {
    const char* p = line.data();
    const char* const end = p + line.size();
    for (int field = 0; field < 3; ++field) {
        while (p != end && (*p == ' ' || (*p >= '\t' && *p <= '\r')))
            ++p;
        const char* next = number_scanning::ScanNumber(p, end, values[field]);
        if (next == nullptr)
            return field;
        p = next;
    }
    return 3;
}
