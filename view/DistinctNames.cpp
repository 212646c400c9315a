#include "DistinctNames.h"

#include <algorithm>
#include <set>
#include <string_view>

namespace {

bool separator(char c) {
    return c == '_' || c == '-' || c == '.' || c == ' ';
}

// How many leading characters all names share, cut back to the end of a word.
size_t sharedStart(const std::vector<std::string>& names) {
    size_t shared = names.front().size();
    for (const std::string& name : names)
        shared = std::min<size_t>(
            shared, std::mismatch(name.begin(), name.begin() + std::min(shared, name.size()),
                                  names.front().begin())
                            .first -
                        name.begin());
    while (shared > 0 && !separator(names.front()[shared - 1]))
        --shared;
    return shared;
}

// How many trailing characters all names share, cut back to the start of a word.
size_t sharedEnd(const std::vector<std::string>& names) {
    std::vector<std::string> reversed;
    for (const std::string& name : names)
        reversed.emplace_back(name.rbegin(), name.rend());
    return sharedStart(reversed);
}

} // namespace

std::vector<std::string> DistinctNames(const std::vector<std::string>& names) {
    if (names.size() < 2)
        return names;
    const size_t start = sharedStart(names), end = sharedEnd(names);
    std::vector<std::string> shortened;
    for (const std::string& name : names) {
        if (start + end >= name.size())
            return names;
        shortened.push_back(name.substr(start, name.size() - start - end));
    }
    if (std::set<std::string>(shortened.begin(), shortened.end()).size() != names.size())
        return names;
    return shortened;
}
