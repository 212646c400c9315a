#include "MeasurementName.h"

#include "measurement/Format.h"

#include <algorithm>

namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool endsWithIgnoringCase(std::string_view name, std::string_view ending) {
    return name.size() > ending.size() &&
           std::equal(ending.begin(), ending.end(), name.end() - ending.size(),
                      [](char e, char c) { return lower(e) == lower(c); });
}

} // namespace

bool NeverFollowed(std::string_view name) {
    return name.empty() || name.front() == '.';
}

bool HasMeasurementEnding(std::string_view name) {
    return std::ranges::any_of(MeasurementFileEndings(), [name](std::string_view ending) {
        return endsWithIgnoringCase(name, ending);
    });
}
