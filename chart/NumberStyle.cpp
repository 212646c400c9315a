#include "NumberStyle.h"

#include <array>
#include <charconv>

namespace {

// Room for the 309 digits of the largest double and 17 decimals.
using Buffer = std::array<char, 400>;

template <typename... Format>
std::string_view written(Buffer& buffer, double value, Format... format) {
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, format...);
    return error == std::errc() ? std::string_view(buffer.data(), end) : std::string_view();
}

} // namespace

std::string NumberStyle::styled(std::string_view c) const {
    std::string text;
    text.reserve(c.size() + minus.size() + decimalMark.size());
    for (const char ch : c) {
        if (ch == '.')
            text += decimalMark;
        else if (ch == '-')
            text += minus;
        else
            text += ch;
    }
    return text;
}

std::string NumberStyle::Shortest(double value) const {
    Buffer buffer;
    return styled(written(buffer, value));
}

std::string NumberStyle::ShortestFloat32(float value) const {
    Buffer buffer;
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc() ? styled(std::string_view(buffer.data(), end)) : std::string();
}

std::string NumberStyle::Fixed(double value, int decimals) const {
    Buffer buffer;
    return styled(written(buffer, value, std::chars_format::fixed, decimals));
}

std::string NumberStyle::Significant(double value, int digits) const {
    Buffer buffer;
    return styled(written(buffer, value, std::chars_format::general, digits));
}

std::string NumberStyle::Scientific(double value, int decimals) const {
    Buffer buffer;
    return styled(written(buffer, value, std::chars_format::scientific, decimals));
}

std::string NumberStyle::Whole(std::int64_t value) const {
    std::array<char, 24> buffer;
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return styled(std::string_view(buffer.data(), end));
}
