#include "NumberScanner.h"

#include <algorithm>
#include <charconv>
#include <cstring>
#include <limits>

double number_scanning::OutOfRangeMagnitude(std::string_view number) {
    long long position = 0;
    bool seenPoint = false, seenSignificant = false;
    for (size_t i = 0; i < number.size(); ++i) {
        const char c = number[i];
        if (c == '.') {
            seenPoint = true;
        } else if (IsDigit(c)) {
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

FieldNumber number_scanning::ScanFieldWithComma(std::string_view field, double& value) {
    const char* p = field.data();
    const auto* comma = static_cast<const char*>(std::memchr(p, ',', field.size()));
    // Numbers are short; a longer field with a comma is no number.
    char copy[64];
    if (field.empty() || comma == nullptr || field.size() > sizeof copy)
        return FieldNumber::None;
    std::memcpy(copy, p, field.size());
    copy[comma - p] = '.';
    double read = 0;
    const char* next = ScanNumber(copy, copy + field.size(), read);
    if (next == nullptr || next != copy + field.size())
        return FieldNumber::None;
    value = read;
    return FieldNumber::Comma;
}
