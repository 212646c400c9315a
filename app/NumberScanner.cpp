#include "NumberScanner.h"

#include <algorithm>
#include <charconv>
#include <limits>

namespace {

bool isSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// What strtod gives for a magnitude beyond the double range: infinity when too large, zero
// when too small. Which it is follows from the decimal position of the first significant
// digit plus the exponent.
double outOfRangeMagnitude(std::string_view number) {
    long long position = 0;
    bool seenPoint = false, seenSignificant = false;
    for (size_t i = 0; i < number.size(); ++i) {
        const char c = number[i];
        if (c == '.') {
            seenPoint = true;
        } else if (isDigit(c)) {
            seenSignificant = seenSignificant || c != '0';
            if (!seenPoint && seenSignificant)
                ++position;
            if (seenPoint && !seenSignificant)
                --position;
        } else if (c == 'e' || c == 'E') {
            std::string_view digits = number.substr(i + 1);
            const bool negative = !digits.empty() && digits.front() == '-';
            if (!digits.empty() && (digits.front() == '-' || digits.front() == '+'))
                digits.remove_prefix(1);
            long long exponent = 0;
            const auto parsed =
                std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
            // Far beyond any double either way, and far from overflowing the sum below.
            constexpr long long kFar = 1'000'000'000'000'000;
            exponent = parsed.ec == std::errc::result_out_of_range
                           ? kFar
                           : std::clamp(exponent, -kFar, kFar);
            position += negative ? -exponent : exponent;
            break;
        }
    }
    return position > 0 ? std::numeric_limits<double>::infinity() : 0.0;
}

// One number at `p`, or nullptr when the field is not one.
const char* scanNumber(const char* p, const char* end, double& value) {
    // from_chars takes a minus but no plus; "+-1" is no number either way.
    if (p != end && *p == '+') {
        ++p;
        if (p == end || *p == '-')
            return nullptr;
    }
    const auto [next, error] = std::from_chars(p, end, value, std::chars_format::general);
    if (error == std::errc::invalid_argument)
        return nullptr;
    if (error == std::errc::result_out_of_range) {
        const bool negative = *p == '-';
        const double magnitude = outOfRangeMagnitude(
            std::string_view(p + negative, static_cast<size_t>(next - p - negative)));
        value = negative ? -magnitude : magnitude;
    }
    return next;
}

} // namespace

int ScanThreeNumbers(std::string_view line, double (&values)[3]) {
    const char* p = line.data();
    const char* const end = p + line.size();
    for (int field = 0; field < 3; ++field) {
        while (p != end && isSpace(*p))
            ++p;
        const char* next = scanNumber(p, end, values[field]);
        if (next == nullptr)
            return field;
        p = next;
    }
    return 3;
}
