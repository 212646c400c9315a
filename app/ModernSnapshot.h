#pragma once

#include "analysis/KkOptions.h"
#include "chart/ChartModel.h"
#include "source/SweepFits.h"

#include <QSize>
#include <QString>

#include <optional>
#include <string>
#include <vector>

// How a snapshot is drawn: the modern look at a resolution and font size, or the classic
// picture, pixel for pixel.
struct SnapshotLook {
    bool classic = false;
    double dpi = kScreenDpi;
    double fontPt = kTextPt;
    // The Kramers-Kronig check of each sweep, its residuals in a panel under the diagram.
    std::optional<KkOptions> kk{};
    // The circuit fitted to each sweep, drawn as its line.
    std::optional<FitChoice> fit{};
    bool lines = false; // each sweep's points joined, also where one sweep is shown
    double markerPt = kMarkerPt;
};

// Why no snapshot of `files` may be written to `output`, checked before anything is read:
// an output that may not be written, or a file that cannot be read. Nothing when it may.
std::optional<QString> WhyNoSnapshot(const std::vector<std::string>& files,
                                     const std::string& output);

// The snapshot in the modern look, as WriteSnapshot writes it; `look.classic` is not looked at.
// Needs the GUI's part of the toolkit, not its widgets.
std::optional<QString> WriteModernSnapshot(const std::vector<std::string>& files,
                                           const std::string& output, bool plus, QSize size,
                                           bool equalScales, bool bode, const SnapshotLook& look);
