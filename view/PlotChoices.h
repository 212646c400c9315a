#pragma once

#include "Diagram.h"
#include "chart/AxisRange.h"

#include <optional>

// Which sweeps of a file of several the diagram shows.
enum class SweepsShown { All, Last, LastFive };

// What the user chose about the plot, held while the program runs: the diagram, equal
// scales (Nyquist only), the part of the plane to show instead of the automatic ranges, the
// sweeps and the residuals panel.

struct PlotChoices {
    bool equalScales = false;
    std::optional<PlotView> view;
    Diagram diagram = Diagram::Nyquist;
    SweepsShown sweeps = SweepsShown::All;
    // The residuals of the Kramers-Kronig check in a panel under the diagram.
    bool residuals = false;
};
