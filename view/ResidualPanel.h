#pragma once

#include "DiagramModels.h"
#include "PlotChoices.h"
#include "chart/ChartModel.h"

#include <vector>

// What the Kramers-Kronig checks add to a diagram of `files`, as OverlayModel drew it: a mark
// in the key or legend for each sweep or file drawn that the check finds invalid, and with
// `choices.residuals` the residuals panel under the frame. `limitPercent` is the checks' limit.
void AddKkChecks(ChartModel& model, const std::vector<ShownFile>& files, const PlotChoices& choices,
                 double limitPercent);

// The residuals panel: Δ′ as dots and Δ″ as rings in % against the frequency on a log axis,
// over a band of ±`limitPercent`, coloured by sweep as a file of several is and by file in an
// overlay, of whatever the diagram of the files draws.
ChartModel ResidualModel(const std::vector<ShownFile>& files, const PlotChoices& choices,
                         double limitPercent);
