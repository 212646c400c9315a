#pragma once

#include "AxisRange.h"
#include "DrawingTools.h"
#include "ModelLine.h"
#include "NumberStyle.h"
#include "Painter.h"
#include "model/Quantity.h"
#include "model/Series.h"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The size of a picture's text, in points, unless asked otherwise.
inline constexpr double kTextPt = 9.0;
// The diameter of a dot, in points, unless asked otherwise.
inline constexpr double kMarkerPt = 3.0;
// The diameters a dot may be given, in points.
inline constexpr AxisRange kMarkerPtRange{0.5, 72.0};

// One axis as the diagram wants it: the values it spans, how it maps them and what its
// title says ("Z′" in "Ω" becomes "Z′ / kΩ" once the labels count kilo-ohms).
struct AxisModel {
    double min = 0.0, max = 1.0;
    bool log = false;
    // Leave 4 % of the frame free beyond either end, so no dot at an extreme is cut. A view
    // chosen by zoom or pan spans the frame from edge to edge instead.
    bool pad = true;
    std::string quantity;
    std::string unit;
    Color color = kBlack;
    // A log axis labelled in units of the SI prefix that makes its largest value read
    // between 0.1 and 1000 (`|Z| / mΩ`); a linear axis always is.
    bool siPrefix = false;
    // Without labels and title, for an x axis that a panel below repeats.
    bool labelled = true;
};

// A series as the diagram draws it: which quantities go across and up, against which axis.
// How a series' marks are drawn besides their colour: files overlaid beyond the palette's
// colours are told apart by their shape.
enum class MarkShape { Circle, Square, Plus, Cross };
inline constexpr int kMarkShapes = 4;

struct SeriesModel {
    SeriesSnapshot series;
    Quantity x = Quantity::ZReal;
    Quantity y = Quantity::MinusZImag;
    bool rightAxis = false;
    Color color;
    // The sweeps drawn, by number: with more than one, each takes its colour along the
    // sweep map from the first to the last, and `color` is left aside.
    int firstSweep = 1, lastSweep = 1;
    // The file it comes from, for the readout of an overlay.
    std::string name{};
    // Rings rather than dots, for a second quantity drawn against the same axes.
    bool open = false;
    // Each sweep's points joined in the order measured, under its dots.
    bool joined = false;
    // When not empty, only these sweeps of first to last are drawn, ascending.
    std::vector<int> onlySweeps{};
    MarkShape shape = MarkShape::Circle;
    // Drawn over the dots of their sweeps, when those are drawn.
    std::vector<ModelLine> lines{};
};

// One entry of an overlay's legend.
struct LegendEntry {
    std::string name;
    Color color;
    // A mark after the name, for an entry that needs a second look.
    std::string mark{};
    // Drawn faint, for a file that shows nothing now.
    bool greyed = false;
    MarkShape shape = MarkShape::Circle;
};

// The key of a diagram whose file holds several sweeps, above the frame: the sweeps drawn,
// `first` to `last`, of `of`.
struct SweepKey {
    int first = 1, last = 1, of = 1;
    // After the key, naming the sweeps that need a second look.
    std::string mark{};
    // When not empty, the sweeps drawn of first to last, ascending.
    std::vector<int> only{};
    // The sweeps that need a second look, ascending: marked one by one where the key names each.
    std::vector<int> marked{};
};

// Up to this many sweeps the key names each in its colour; beyond, a bar of their colours.
inline constexpr std::size_t kSweepsNamed = 10;

// The Okabe–Ito colours, told apart also by colour-blind eyes.
inline constexpr Color kOkabeBlue{0, 114, 178};
inline constexpr Color kOkabeVermillion{213, 94, 0};
inline constexpr Color kOkabeGreen{0, 158, 115};
inline constexpr Color kOkabePurple{204, 121, 167};
inline constexpr Color kOkabeOrange{230, 159, 0};
inline constexpr Color kOkabeSkyBlue{86, 180, 233};
// Files overlaid take these in turn; the yellow is left out, lost on white paper.
inline constexpr Color kFileColours[] = {kOkabeBlue,   kOkabeVermillion, kOkabeGreen, kOkabePurple,
                                         kOkabeOrange, kOkabeSkyBlue,    kBlack};

// The picture's own colours, behind and around the series.
struct Paper {
    Color background = kWhite;
    Color ink = kBlack; // the frame
    Color grid{221, 221, 221};
    Color zeroLine{136, 136, 136};
    Color band{234, 234, 234}; // behind the dots, where they may lie
};

// Everything one picture of a diagram shows.
struct ChartModel {
    AxisModel x, y;
    std::optional<AxisModel> rightY;
    std::vector<SeriesModel> series;
    bool zeroLine = false; // across at y = 0
    // One unit as long across as up; with `keepYStart` the y axis grows upward only.
    bool equalScales = false;
    bool keepYStart = false;
    double fontPt = kTextPt;
    double markerPt = kMarkerPt;
    double dpi = kScreenDpi;
    // How the labels write their numbers: the window's locale may want a decimal comma.
    NumberStyle numbers;
    Paper paper;
    std::optional<SweepKey> sweeps;
    // Above the frame, in place of the sweeps' key, when several files are overlaid.
    std::vector<LegendEntry> legend;
    // The y values shaded across the frame, such as the limits residuals should keep within.
    std::optional<AxisRange> band;
    // A second diagram under this one, such as the residuals of a fit, its frame's sides lined
    // up with this one's.
    std::shared_ptr<const ChartModel> below;
    // As a diagram below another, the share of the height left above it that it takes.
    double belowShare = 0.36;
    // Where the frame's left and right sides must stand, when it lines up with another's.
    std::optional<std::pair<double, double>> frameSides;
};
