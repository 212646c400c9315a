#include "SweepKeyEntries.h"

#include "SweepColours.h"

#include <algorithm>

std::vector<LegendEntry> SweepKeyEntries(const SweepKey& key, bool darkPaper) {
    std::vector<int> drawn = key.only;
    if (drawn.empty() && key.last > key.first && key.last - key.first < int(kSweepsNamed))
        for (int sweep = key.first; sweep <= key.last; ++sweep)
            drawn.push_back(sweep);
    if (drawn.size() < 2 || drawn.size() > kSweepsNamed || key.last <= key.first)
        return {};
    std::vector<LegendEntry> entries;
    for (const int sweep : drawn)
        entries.push_back(
            {"sweep " + std::to_string(sweep),
             SweepColour(double(sweep - key.first) / (key.last - key.first), darkPaper)});
    for (size_t i = 0; i < entries.size(); ++i)
        if (std::binary_search(key.marked.begin(), key.marked.end(), drawn[i]))
            entries[i].mark = kMarkedEntry;
    return entries;
}
