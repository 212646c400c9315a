#pragma once

#include "AxisRange.h"
#include "Diagram.h"

#include <optional>

// What the user chose about the plot, held while the program runs: the diagram, equal
// scales (Nyquist only), and the part of the plane to show instead of the automatic ranges.
struct PlotChoices {
    bool equalScales = false;
    std::optional<PlotView> view;
    Diagram diagram = Diagram::Nyquist;
};
