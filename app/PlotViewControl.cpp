#include "PlotViewControl.h"

#include "ChartRanges.h"
#include "CurveChart.h"
#include "PlotArea.h"
#include "PlotPointer.h"
#include "ViewNavigation.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <cmath>

namespace {
// One wheel notch shows a quarter more or less of the plane.
constexpr double kZoomPerNotch = 1.25;
} // namespace

PlotViewControl::PlotViewControl(CCurveChart& chart, PlotArea& area, std::function<void()> reload)
    : chart_(chart), area_(area), reload_(std::move(reload)) {
    QMenu* menu = area.contextMenu();
    menu->addSeparator();
    auto* diagrams = new QActionGroup(menu);
    nyquist_ = diagrams->addAction(QStringLiteral("Nyquist diagram"));
    bode_ = diagrams->addAction(QStringLiteral("Bode diagram"));
    for (QAction* entry : {nyquist_, bode_}) {
        entry->setCheckable(true);
        menu->addAction(entry);
        QObject::connect(entry, &QAction::toggled, [this, entry](bool on) {
            if (on)
                setDiagram(entry == bode_ ? Diagram::Bode : Diagram::Nyquist);
        });
    }
    nyquist_->setChecked(true);
    menu->addSeparator();
    equalScales_ = menu->addAction(QStringLiteral("Equal scales"));
    equalScales_->setCheckable(true);
    QObject::connect(equalScales_, &QAction::toggled, [this](bool on) { setEqualScales(on); });
    resetView_ = menu->addAction(QStringLiteral("Reset view"));
    QObject::connect(resetView_, &QAction::triggered, [this] { resetView(); });
    area.setVectorDrawer([this](IDrawSurface& surface) { return chart_.Draw(&surface); });
    pointer_ = new PlotPointer(&area, {[this](QPoint at, double notches) { zoomAt(at, notches); },
                                       [this](QPoint by) { panBy(by); }, [this] { resetView(); },
                                       [this](QPoint at) { return readoutAt(at); }});
}

PlotViewControl::~PlotViewControl() {
    delete pointer_;
    QObject::disconnect(nyquist_, nullptr, nullptr, nullptr);
    QObject::disconnect(bode_, nullptr, nullptr, nullptr);
    QObject::disconnect(equalScales_, nullptr, nullptr, nullptr);
    QObject::disconnect(resetView_, nullptr, nullptr, nullptr);
    area_.setVectorDrawer({});
}

void PlotViewControl::setEqualScales(bool on) {
    if (equalScales_->isChecked() != on)
        equalScales_->setChecked(on); // comes back here through toggled
    if (choices_.equalScales == on)
        return;
    choices_.equalScales = on;
    if (!area_.hasPicture())
        return;
    reload_();
    // A view is widened to equal scales when shown; keep it as shown, so zoom and pan start
    // from what is on the screen.
    if (choices_.view && chart_.count > 0)
        choices_.view = ShownView(chart_);
}

void PlotViewControl::setDiagram(Diagram diagram) {
    QAction* entry = diagram == Diagram::Bode ? bode_ : nyquist_;
    if (!entry->isChecked())
        entry->setChecked(true); // comes back here through toggled
    if (choices_.diagram == diagram)
        return;
    choices_.diagram = diagram;
    // A view in one diagram's units means nothing in the other's; a Bode diagram has no
    // common unit across its axes.
    choices_.view.reset();
    equalScales_->setEnabled(diagram == Diagram::Nyquist);
    ShowAs(chart_, diagram);
    if (area_.hasPicture())
        reload_();
}

void PlotViewControl::resetView() {
    if (!choices_.view)
        return;
    choices_.view.reset();
    reload_();
}

// A chart emptied by a reload that found no file still shows its last picture: leave it.
bool PlotViewControl::canMove() const {
    return area_.hasPicture() && chart_.count > 0;
}

void PlotViewControl::zoomAt(QPoint at, double notches) {
    if (!canMove())
        return;
    const PlotView from = choices_.view ? *choices_.view : ShownView(chart_);
    choices_.view = ZoomedAbout(from, FrameOf(chart_), {at.x(), at.y()},
                                std::pow(kZoomPerNotch, notches), LogAxesOf(chart_));
    showView();
}

void PlotViewControl::panBy(QPoint by) {
    if (!canMove())
        return;
    const PlotView from = choices_.view ? *choices_.view : ShownView(chart_);
    choices_.view = Panned(from, FrameOf(chart_), by.x(), by.y(), LogAxesOf(chart_));
    showView();
}

void PlotViewControl::showView() {
    ShowChosenView(chart_, choices_);
    pictureMayHaveChanged();
}

QString PlotViewControl::readoutAt(QPoint at) const {
    return QString::fromStdString(readout_.TextAt({at.x(), at.y()}));
}

void PlotViewControl::pictureMayHaveChanged() {
    if (area_.pictureSerial() == readoutSerial_)
        return;
    readoutSerial_ = area_.pictureSerial();
    readout_.Build(chart_, series_, format_);
}

void PlotViewControl::takeSeries(SeriesSnapshot series, std::string format) {
    series_ = std::move(series);
    format_ = std::move(format);
}

void PlotViewControl::newFile() {
    choices_.view.reset();
    readout_.Forget();
    area_.clearPicture();
    readoutSerial_ = area_.pictureSerial();
}
