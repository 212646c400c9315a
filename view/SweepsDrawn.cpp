#include "SweepsDrawn.h"

#include <algorithm>

bool SweepsDrawn::shows(int sweep) const {
    return sweep >= first && sweep <= last &&
           (only.empty() || std::binary_search(only.begin(), only.end(), sweep));
}

SweepsDrawn SweepsDrawnOf(int last, const PlotChoices& choices) {
    if (last <= 1)
        return {};
    SweepsDrawn drawn{1, last, {}, {}};
    switch (choices.sweeps) {
    case SweepsShown::All:
        break;
    case SweepsShown::Last:
        drawn.first = last;
        break;
    case SweepsShown::LastFive:
        drawn.first = std::max(1, last - 4);
        break;
    case SweepsShown::Chosen:
        // Sweeps chosen of another file, beyond this one's, leave it whole.
        for (const int sweep : choices.chosenSweeps)
            if (sweep >= 1 && sweep <= last && (drawn.only.empty() || sweep > drawn.only.back()))
                drawn.only.push_back(sweep);
        if (!drawn.only.empty()) {
            drawn.first = drawn.only.front();
            drawn.last = drawn.only.back();
        }
        break;
    }
    drawn.key = SweepKey{drawn.first, drawn.last, last, {}, drawn.only};
    return drawn;
}

bool JoinsPoints(const PlotChoices& choices, bool several) {
    return choices.connectPoints.value_or(several);
}
