#pragma once

#include "analysis/KkOptions.h"
#include "chart/NumberStyle.h"
#include "chart/Render.h"
#include "view/DiagramModels.h"
#include "view/PlotChoices.h"

#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class PlotArea;

// What the plot shows: the series taken, with −Z'' from 0 while `plus`, every file shown
// (more than one are overlaid) with its sweeps' checks, the size of the text, how numbers are
// written and the checks' limit.
struct PlotContent {
    SeriesSnapshot series;
    std::vector<ShownFile> overlay;
    bool plus = false;
    double fontPt = kTextPt;
    NumberStyle numbers;
    double kkLimit = KkOptions{}.limitPercent;
};

// One look of the plot: how it draws the content under the user's choices onto the plot
// area, and how the dots of its last picture read out.
class PlotLook {
  public:
    virtual ~PlotLook() = default;
    // Draws the picture and shows it on `area`: what it drew, or nothing when no picture
    // could be made (the area then keeps the one it has).
    virtual std::optional<RenderResult> draw(const PlotContent& content, const PlotChoices& choices,
                                             PlotArea& area) = 0;
    // A dot of the last picture drawn.
    virtual QString dotReadout(const DrawnDot& dot) const = 0;
    // A corner of a model line of the last picture, away from the dots.
    virtual QString lineReadout(const DrawnLinePoint&) const { return {}; }
    // Away from the dots: the file's format and how many points it holds.
    virtual QString fileReadout(const std::string& format, long long points) const = 0;
};

// The renderer's look: the diagram models drawn by Render, with the window's language and
// number style in the readout.
std::unique_ptr<PlotLook> ModernLook();
