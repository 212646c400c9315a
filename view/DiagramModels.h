#pragma once

#include "PlotChoices.h"
#include "chart/ChartModel.h"
#include "model/Series.h"
#include "source/SweepChecks.h"
#include "source/SweepFits.h"

#include <memory>
#include <string>
#include <vector>

// What the picture should show of a series under the user's choices, in the modern look.

// Z' across and −Z'' up over the data's extents (−Z'' from 0 with `plus`), or over the
// chosen view; equal scales as chosen.
ChartModel NyquistModel(const SeriesSnapshot& series, bool plus, const PlotChoices& choices);

// |Z| above and −φ in the panel below against the frequency, the frequency and |Z| on log
// axes over their positive values (or the chosen view), each y axis coloured like its series.
ChartModel BodeModel(const SeriesSnapshot& series, const PlotChoices& choices);

// The model of the chosen diagram.
ChartModel DiagramModel(const SeriesSnapshot& series, bool plus, const PlotChoices& choices);

// A file shown in an overlay: its series and its name.
struct ShownFile {
    SeriesSnapshot series;
    std::string name;
    // The Kramers-Kronig check of each of its sweeps.
    SweepChecks checks{};
    // Its look (FileLookAt), kept while it is shown; -1 takes its place in the list.
    int look = -1;
    // The circuit fitted to each of its sweeps.
    SweepFits fits{};
    // Why it shows nothing new, after its name in the legend: "waiting", "gone"…
    std::string state{};
};

// Several files in one diagram, each in its colour and named in the legend with its state,
// greyed while it has no point, the axes spanning them all. A file of several sweeps shows its
// last. One file is drawn as DiagramModel draws it.
ChartModel OverlayModel(const std::vector<ShownFile>& files, bool plus, const PlotChoices& choices);

// A log axis over the positive values of `e`; one value gets half a decade either side, none
// a decade from 1.
AxisRange LogRangeOf(const Extent& e);

// The same picture light on dark, for a window of a dark palette: black turns light and the
// series take the palette's lighter colours. Pictures saved or copied keep the white paper.
void OnDarkPaper(ChartModel& model);
