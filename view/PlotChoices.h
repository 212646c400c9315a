#pragma once

#include "Diagram.h"
#include "chart/AxisRange.h"
#include "chart/ChartModel.h"

#include <optional>
#include <vector>

// Which sweeps of a file of several the diagram shows.
enum class SweepsShown { All, Last, LastFive, Chosen };

// What the user chose about the plot, held while the program runs: the diagram, equal
// scales (Nyquist only), the part of the plane to show instead of the automatic ranges, the
// sweeps and the residuals panel.

struct PlotChoices {
    bool equalScales = false;
    std::optional<PlotView> view;
    Diagram diagram = Diagram::Nyquist;
    SweepsShown sweeps = SweepsShown::All;
    // The sweeps shown when they are Chosen, by number, ascending.
    std::vector<int> chosenSweeps{};
    // Each sweep's points joined by a line; unless chosen, in an overlay or with several sweeps.
    std::optional<bool> connectPoints{};
    // The diameter of the dots, in points.
    double markerPt = kMarkerPt;
    // The residuals of the Kramers-Kronig check in a panel under the diagram.
    bool residuals = false;
};
