#pragma once

#include "DiagramModels.h"
#include "chart/ChartModel.h"

#include <vector>

// Gives each series of `model` drawn from one of `files` the fitted lines of that file's
// sweeps, the model of each fit from the lowest to the highest frequency of its sweep.
void AddFitLines(ChartModel& model, const std::vector<ShownFile>& files);

// The line of one sweep's fit; none when the sweep was not fitted.
ModelLine FitLine(const SweepFit& fit);
