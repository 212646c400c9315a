#include "SweepKeyEntries.h"

#include "SweepColours.h"

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
    entries.back().mark = key.mark;
    return entries;
}
