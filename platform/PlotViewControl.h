#pragma once

#include "PinnedReadout.h"
#include "PlotLook.h"
#include "view/DotIndex.h"
#include "view/ViewNavigation.h"

#include <QPoint>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class PlotArea;
class PlotPointer;
class QAction;

// The user's hold on the plot: the "Nyquist diagram" / "Bode diagram", "Equal scales" and
// "Reset view" entries of its context menu, zoom and pan with the pointer, and the readout tooltip.
// The choices last while the program runs; changing them reloads through `reload`, zoom and pan
// redraw at once. Every picture is drawn in `look`, whose result zoom, pan and the readout go by.
class PlotViewControl {
  public:
    PlotViewControl(std::unique_ptr<PlotLook> look, PlotArea& area, std::function<void()> reload);
    // Takes its hooks off the plot area, which outlives it within the dialog.
    ~PlotViewControl();
    PlotViewControl(const PlotViewControl&) = delete;
    PlotViewControl& operator=(const PlotViewControl&) = delete;

    const PlotChoices& choices() const { return choices_; }
    // The points the next picture is drawn from, with −Z'' from 0 while `plus`, read as
    // `format`.
    void takeSeries(SeriesSnapshot series, std::string format, bool plus = false);
    // The size of the picture's text, in points, where the look lets it change.
    void setFontSize(double fontPt) { content_.fontPt = fontPt; }
    // How the picture's labels and its readout write numbers, where the look writes them.
    void setNumberStyle(NumberStyle numbers) { content_.numbers = std::move(numbers); }
    // Draws the picture of the series taken under the current choices.
    void draw();
    // What the last picture drew.
    const std::optional<RenderResult>& drawn() const { return drawn_; }
    QAction* nyquistAction() const { return nyquist_; }
    QAction* bodeAction() const { return bode_; }
    QAction* equalScalesAction() const { return equalScales_; }
    QAction* resetViewAction() const { return resetView_; }

    // Shows the other diagram: its look at once, its picture through `reload`; the view is
    // dropped, and equal scales wait while Bode is shown.
    void setDiagram(Diagram diagram);
    void setEqualScales(bool on);
    // Which sweeps of a file of several are drawn; the readout names a dot's sweep.
    void setSweeps(SweepsShown shown);
    // The sweeps drawn when they are Chosen, by number, ascending.
    void setChosenSweeps(std::vector<int> sweeps);
    // Each sweep's points joined by a line, or as the sweeps and files shown suggest.
    void setConnectPoints(std::optional<bool> on);
    void setMarkerSize(double points);
    // Every file shown, the file's own series first, each with its name and its sweeps'
    // checks; more than one are overlaid.
    void setOverlay(std::vector<ShownFile> files) { content_.overlay = std::move(files); }
    // The residuals panel under the diagram, of the checks the files carry, and the limit
    // whose band it shades.
    void setResiduals(bool on) { choices_.residuals = on; }
    void setKkLimit(double percent) { content_.kkLimit = percent; }
    void resetView();
    void zoomAt(QPoint at, double notches);
    // Moves the panel the drag started in, `at`, or the upper one.
    void panBy(QPoint by, std::optional<QPoint> at = std::nullopt);
    QString readoutAt(QPoint at) const;
    // Pins the readout of the dot at `at`, or takes a pinned one away off the dots.
    void pinAt(QPoint at);
    // The readout pinned, empty when none is.
    const QString& pinnedReadout() const { return pinned_.text(); }

    // Another file was chosen: the plot goes back to its look before any data, the view
    // and readout are dropped.
    void newFile();

  private:
    bool canMove() const;
    // The view shown, from the last picture.
    PlotView shownView() const;
    // The view zoom and pan start from: the chosen one, or the one shown.
    PlotView currentView() const;
    // The panel under the upper one that shares its x axis, in a Bode diagram.
    const RenderResult* sharingPanel() const;
    bool inLowerPanel(QPoint at) const;

    std::unique_ptr<PlotLook> look_;
    PlotArea& area_;
    std::function<void()> reload_;
    PlotChoices choices_;
    PlotContent content_;
    std::string format_;
    // What the last picture drew, its dots indexed, and what its file readout names.
    std::optional<RenderResult> drawn_;
    DotIndex drawnIndex_;
    // The dots the readout finds: those of the panels whose dots stand for the series.
    std::vector<DrawnDot> readable_;
    std::string drawnFormat_;
    long long drawnPoints_ = 0;
    QAction* nyquist_;
    QAction* bode_;
    QAction* equalScales_;
    QAction* resetView_;
    PlotPointer* pointer_;
    PinnedReadout pinned_;
};
