#pragma once

#include "DrawingTools.h"

// The colour of a sweep among several, along a perceptually uniform sequential map
// (viridis): `share` 0 for the first sweep drawn, 1 for the last. On light paper the last
// sweep is the darkest, on dark paper the lightest, so the newest always stands out most.
Color SweepColour(double share, bool darkPaper);
