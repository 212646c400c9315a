#pragma once

#include "PlotChoices.h"
#include "chart/ChartModel.h"

#include <optional>
#include <vector>

// The sweeps to draw of a file's `last` under the user's choice, and the key that names them;
// no key for a file of one sweep.
struct SweepsDrawn {
    int first = 1, last = 1;
    std::vector<int> only; // when not empty, the ones of first to last drawn
    std::optional<SweepKey> key;
    bool shows(int sweep) const;
};

SweepsDrawn SweepsDrawnOf(int last, const PlotChoices& choices);

// Whether each sweep's points are joined: as chosen, or else where there are several lines
// to tell apart.
bool JoinsPoints(const PlotChoices& choices, bool several);
