#include "PlotViewControl.h"

#include "chart/CurveChart.h"
#include "platform/ClassicChartImage.h"
#include "platform/PlotArea.h"
#include "platform/PlotPointer.h"
#include "view/ChartRanges.h"
#include "view/DiagramModels.h"
#include "view/ReadoutText.h"
#include "view/ResidualPanel.h"
#include "view/ViewNavigation.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include <cmath>

namespace {

// One wheel notch shows a quarter more or less of the plane.
constexpr double kZoomPerNotch = 1.25;

// The window writes as its axes do: real primes, and the words in its language.
ReadoutWords windowWords() {
    return {"Z\u2032", "\u2212Z\u2033",
            QCoreApplication::translate("PlotViewControl", "phase").toStdString(),
            QCoreApplication::translate("PlotViewControl", "line").toStdString()};
}

} // namespace

PlotViewControl::PlotViewControl(CCurveChart* chart, PlotArea& area, std::function<void()> reload)
    : chart_(chart), area_(area), reload_(std::move(reload)), modern_(chart == nullptr) {
    QMenu* menu = area.contextMenu();
    menu->addSeparator();
    auto* diagrams = new QActionGroup(menu);
    nyquist_ =
        diagrams->addAction(QCoreApplication::translate("PlotViewControl", "Nyquist diagram"));
    bode_ = diagrams->addAction(QCoreApplication::translate("PlotViewControl", "Bode diagram"));
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
    equalScales_ = menu->addAction(QCoreApplication::translate("PlotViewControl", "Equal scales"));
    equalScales_->setCheckable(true);
    QObject::connect(equalScales_, &QAction::toggled, [this](bool on) { setEqualScales(on); });
    resetView_ = menu->addAction(QCoreApplication::translate("PlotViewControl", "Reset view"));
    QObject::connect(resetView_, &QAction::triggered, [this] { resetView(); });
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
    if (choices_.view && canMove())
        choices_.view = shownView();
}

void PlotViewControl::setSweeps(SweepsShown shown) {
    if (choices_.sweeps == shown)
        return;
    choices_.sweeps = shown;
    if (area_.hasPicture())
        reload_();
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
    if (!modern_)
        ShowAs(*chart_, diagram);
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
    if (modern_)
        return area_.hasPicture() && drawn_ && series_ && !series_->points().empty();
    return area_.hasPicture() && chart_->count > 0;
}

PlotView PlotViewControl::shownView() const {
    if (modern_ && drawn_)
        return {{drawn_->x.min, drawn_->x.max}, {drawn_->y.min, drawn_->y.max}};
    return ShownView(*chart_);
}

PixelFrame PlotViewControl::shownFrame() const {
    if (!modern_ || !drawn_)
        return FrameOf(*chart_);
    const RectF& f = drawn_->frame;
    return {static_cast<int>(std::lround(f.left)), static_cast<int>(std::lround(f.top)),
            static_cast<int>(std::lround(f.right)), static_cast<int>(std::lround(f.bottom))};
}

LogAxes PlotViewControl::shownLogAxes() const {
    if (!modern_ || !drawn_)
        return LogAxesOf(*chart_);
    return {drawn_->x.log, drawn_->y.log};
}

void PlotViewControl::zoomAt(QPoint at, double notches) {
    if (!canMove())
        return;
    const PlotView from = choices_.view ? *choices_.view : shownView();
    std::optional<std::pair<double, double>> under;
    if (modern_ && drawn_)
        under.emplace(drawn_->x.ToValue(at.x()), drawn_->y.ToValue(at.y()));
    choices_.view = ZoomedAbout(from, shownFrame(), {at.x(), at.y()},
                                std::pow(kZoomPerNotch, notches), shownLogAxes());
    showView();
    // Labels of another width move the frame, and with it the point under the pointer: one
    // pan brings it back.
    if (under && drawn_) {
        const long dx = std::lround(at.x() - drawn_->x.ToPixel(under->first));
        const long dy = std::lround(at.y() - drawn_->y.ToPixel(under->second));
        if (dx != 0 || dy != 0) {
            choices_.view = Panned(*choices_.view, shownFrame(), static_cast<int>(dx),
                                   static_cast<int>(dy), shownLogAxes());
            showView();
        }
    }
}

void PlotViewControl::panBy(QPoint by) {
    if (!canMove())
        return;
    const PlotView from = choices_.view ? *choices_.view : shownView();
    choices_.view = Panned(from, shownFrame(), by.x(), by.y(), shownLogAxes());
    showView();
}

void PlotViewControl::showView() {
    if (modern_) {
        drawModern();
        return;
    }
    fitClassicChart();
    if (SetChosenView(*chart_, choices_))
        drawClassic();
    pictureMayHaveChanged();
}

QString PlotViewControl::readoutAt(QPoint at) const {
    if (!modern_)
        return QString::fromStdString(readout_.TextAt({at.x(), at.y()}));
    if (!drawn_)
        return {};
    const int slot = drawnIndex_.Nearest({at.x(), at.y()}, PlotReadout::kReach);
    if (slot >= 0 && static_cast<size_t>(slot) < drawn_->dots.size()) {
        const DrawnDot& dot = drawn_->dots[static_cast<size_t>(slot)];
        const SeriesModel& drawnSeries = drawnModel_->series[static_cast<size_t>(dot.series)];
        const Point& p = drawnSeries.series->points()[static_cast<size_t>(dot.index)];
        // In an overlay the readout first names the dot's file.
        const QString file = drawnModel_->legend.empty()
                                 ? QString()
                                 : QString::fromStdString(drawnSeries.name) + QLatin1Char('\n');
        return file +
               QString::fromStdString(DotReadout(p.f, p.zReal, p.minusZImag, p.line,
                                                 drawnModel_->numbers, windowWords())) +
               (drawnModel_->sweeps ? QLatin1Char('\n') + QCoreApplication::translate(
                                                              "PlotViewControl", "sweep %1 of %2")
                                                              .arg(p.sweep)
                                                              .arg(drawnModel_->sweeps->of)
                                    : QString());
    }
    const long long points = series_ ? series_->measured() : 0;
    return QCoreApplication::translate("PlotViewControl", "format: %1").arg(format_.c_str()) +
           QLatin1Char('\n') +
           (points == 1 ? QCoreApplication::translate("PlotViewControl", "1 point")
                        : QCoreApplication::translate("PlotViewControl", "%1 points").arg(points));
}

void PlotViewControl::drawModern() {
    if (!modern_ || !series_)
        return;
    ChartModel model = overlay_.size() > 1 ? OverlayModel(overlay_, plus_, choices_)
                                           : DiagramModel(series_, plus_, choices_);
    AddKkChecks(model, overlay_, choices_, kkLimit_);
    model.fontPt = fontPt_;
    model.numbers = numbers_;
    auto shared = std::make_shared<const ChartModel>(std::move(model));
    // A dark window gets the picture light on dark; the colours move no dot.
    ChartModel onScreen = *shared;
    if (area_.palette().color(QPalette::Window).lightness() < 128)
        OnDarkPaper(onScreen);
    RenderResult drawn;
    const QImage image =
        ChartImage([&](Painter& painter, double width,
                       double height) { drawn = Render(onScreen, width, height, painter); },
                   area_.size(), kScreenDpi, area_.devicePixelRatioF());
    if (image.isNull())
        return;
    drawnModel_ = shared;
    std::vector<DotIndex::Dot> dots;
    dots.reserve(drawn.dots.size());
    for (size_t i = 0; i < drawn.dots.size(); ++i)
        dots.push_back({{static_cast<int>(std::lround(drawn.dots[i].at.x)),
                         static_cast<int>(std::lround(drawn.dots[i].at.y))},
                        static_cast<int>(i)});
    drawnIndex_.Build(std::move(dots), area_.width(), area_.height());
    drawn_ = std::move(drawn);
    area_.showChart(image, [shared](Painter& painter, double width, double height) {
        Render(*shared, width, height, painter);
    });
    readoutSerial_ = area_.pictureSerial();
}

void PlotViewControl::fitClassicChart() {
    if (chart_ != nullptr)
        chart_->clientRect = {0, 0, area_.width(), area_.height()};
}

void PlotViewControl::drawClassic() {
    if (chart_ == nullptr)
        return;
    QImage image = ClassicChartImage(*chart_, area_.size());
    if (image.isNull())
        return;
    area_.showPicture(std::move(image),
                      [this](IDrawSurface& surface) { return chart_->Draw(&surface); });
}

void PlotViewControl::pictureMayHaveChanged() {
    if (area_.pictureSerial() == readoutSerial_)
        return;
    readoutSerial_ = area_.pictureSerial();
    if (chart_ != nullptr)
        readout_.Build(*chart_, series_, format_);
}

void PlotViewControl::takeSeries(SeriesSnapshot series, std::string format, bool plus) {
    series_ = std::move(series);
    format_ = std::move(format);
    plus_ = plus;
}

void PlotViewControl::newFile() {
    choices_.view.reset();
    overlay_.clear();
    readout_.Forget();
    series_.reset();
    drawn_.reset();
    drawnModel_.reset();
    drawnIndex_ = DotIndex();
    area_.clearPicture();
    readoutSerial_ = area_.pictureSerial();
}
