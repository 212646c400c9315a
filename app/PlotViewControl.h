#pragma once

#include "chart/Render.h"
#include "model/Series.h"
#include "view/DiagramModels.h"
#include "view/PlotChoices.h"
#include "view/PlotReadout.h"
#include "view/ViewNavigation.h"

#include <QPoint>
#include <QString>

#include <functional>

class CCurveChart;
class PlotArea;
class PlotPointer;
class QAction;

// The user's hold on the plot: the "Nyquist diagram" / "Bode diagram", "Equal scales" and
// "Reset view" entries of its context menu, zoom and pan with the pointer, and the readout tooltip.
// The choices last while the program runs; changing them reloads through `reload`, zoom and pan
// redraw at once. Without a classic chart it shows the modern look only.
class PlotViewControl {
  public:
    PlotViewControl(CCurveChart* chart, PlotArea& area, std::function<void()> reload);
    // Takes its hooks off the plot area, which outlives it within the dialog.
    ~PlotViewControl();
    PlotViewControl(const PlotViewControl&) = delete;
    PlotViewControl& operator=(const PlotViewControl&) = delete;

    const PlotChoices& choices() const { return choices_; }
    // The points the next picture is drawn from, for the readout, and for the modern look
    // the picture itself, with −Z'' from 0 while `plus`.
    void takeSeries(SeriesSnapshot series, std::string format, bool plus = false);
    // The size of the modern picture's text, in points.
    void setFontSize(double fontPt) { fontPt_ = fontPt; }
    // How the modern picture's labels and its readout write numbers.
    void setNumberStyle(NumberStyle numbers) { numbers_ = std::move(numbers); }
    // Draws the modern picture of the series taken under the current choices.
    void drawModern();
    // Sizes the classic chart to the plot area, whose frame equal scales follow.
    void fitClassicChart();
    // Shows the classic chart as it stands on the plot area.
    void drawClassic();
    // What the last modern picture drew.
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
    // Every file shown, the file's own series first, each with its name and its sweeps'
    // checks; more than one are overlaid.
    void setOverlay(std::vector<ShownFile> files) { overlay_ = std::move(files); }
    // The residuals panel under the diagram, of the checks the files carry, and the limit
    // whose band it shades.
    void setResiduals(bool on) { choices_.residuals = on; }
    void setKkLimit(double percent) { kkLimit_ = percent; }
    void resetView();
    void zoomAt(QPoint at, double notches);
    void panBy(QPoint by);
    QString readoutAt(QPoint at) const;

    // Takes in the picture of a reload, if one was drawn.
    void pictureMayHaveChanged();
    // Another file was chosen: the plot goes back to its look before any data, the view
    // and readout are dropped.
    void newFile();

  private:
    bool canMove() const;
    void showView();
    // The view shown, its frame and which axes are logarithmic, from whichever look drew it.
    PlotView shownView() const;
    PixelFrame shownFrame() const;
    LogAxes shownLogAxes() const;

    CCurveChart* chart_;
    PlotArea& area_;
    std::function<void()> reload_;
    PlotChoices choices_;
    SeriesSnapshot series_;
    std::vector<ShownFile> overlay_;
    std::string format_;
    bool plus_ = false;
    double kkLimit_ = KkOptions{}.limitPercent;
    // Without a classic chart, the renderer's modern picture of the series taken.
    const bool modern_;
    double fontPt_ = kTextPt;
    NumberStyle numbers_;
    // What the last modern picture drew, and the model it drew it from.
    std::optional<RenderResult> drawn_;
    std::shared_ptr<const ChartModel> drawnModel_;
    DotIndex drawnIndex_;
    PlotReadout readout_;
    unsigned long long readoutSerial_ = 0;
    QAction* nyquist_;
    QAction* bode_;
    QAction* equalScales_;
    QAction* resetView_;
    PlotPointer* pointer_;
};
