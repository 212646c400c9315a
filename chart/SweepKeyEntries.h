#pragma once

#include "ChartModel.h"

#include <vector>

// The key's entries when it names each sweep drawn: "sweep 1" … in each sweep's colour, the
// key's mark after the last. None for one sweep or for more than kSweepsNamed, which the key
// shows otherwise.
std::vector<LegendEntry> SweepKeyEntries(const SweepKey& key, bool darkPaper);
