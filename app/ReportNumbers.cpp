#include "ReportNumbers.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string_view>

std::string Printed(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

std::string Significant(double value, int digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*g", digits, value);
    if (std::string_view(text).find('e') != std::string_view::npos && std::abs(value) >= 1)
        return Printed("%.0f", value);
    return text;
}

std::string Shortest(double value) {
    char text[64];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}
