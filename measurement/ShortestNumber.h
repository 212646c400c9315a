#pragma once

#include <charconv>
#include <cmath>
#include <string>

// Appends the shortest text that reads back to `value`; for a value the file stores as
// float32, the shortest that reads back to the same float32, not to the double it widens to
// (199998.14, not 199998.140625).
inline void AppendShortest(double value, bool float32, std::string& text) {
    // A NaN's sign bit means nothing; "-nan" would only puzzle.
    if (std::isnan(value)) {
        text += "nan";
        return;
    }
    char digits[64];
    const auto result =
        float32 ? std::to_chars(digits, digits + sizeof digits, static_cast<float>(value))
                : std::to_chars(digits, digits + sizeof digits, value);
    text.append(digits, result.ptr);
}
