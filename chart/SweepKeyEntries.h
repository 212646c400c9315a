#pragma once

#include "ChartModel.h"

#include <vector>

// After a sweep named in the key that needs a second look.
inline constexpr const char* kMarkedEntry = " \u2717";

// The key's entries when it names each sweep drawn: "sweep 1" … in each sweep's colour, those
// marked with kMarkedEntry. None for one sweep or for more than kSweepsNamed, which the key
// shows otherwise.
std::vector<LegendEntry> SweepKeyEntries(const SweepKey& key, bool darkPaper);
