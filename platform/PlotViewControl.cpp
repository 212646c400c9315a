#include "PlotViewControl.h"

#include "PlotArea.h"
#include "PlotPointer.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

#include <algorithm>
#include <cmath>

namespace {

// One wheel notch shows a quarter more or less of the plane.
constexpr double kZoomPerNotch = 1.25;

// How close the pointer must come to a dot, in pixels.
constexpr int kReach = 4;
} // namespace

PlotViewControl::PlotViewControl(std::unique_ptr<PlotLook> look, PlotArea& area,
                                 std::function<void()> reload)
    : look_(std::move(look)), area_(area), reload_(std::move(reload)), pinned_(area) {
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
                                       [this](QPoint at) { return readoutAt(at); },
                                       [this](QPoint at) { pinAt(at); }});
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
    if (area_.hasPicture())
        reload_();
}

void PlotViewControl::resetView() {
    if (!choices_.view)
        return;
    choices_.view.reset();
    reload_();
}

// A file that gave no points still shows its last picture: leave it.
bool PlotViewControl::canMove() const {
    return area_.hasPicture() && drawn_ && content_.series && !content_.series->points().empty();
}

PlotView PlotViewControl::shownView() const {
    return {{drawn_->x.min, drawn_->x.max}, {drawn_->y.min, drawn_->y.max}};
}

PixelFrame PlotViewControl::shownFrame() const {
    const RectF& f = drawn_->frame;
    return {static_cast<int>(std::lround(f.left)), static_cast<int>(std::lround(f.top)),
            static_cast<int>(std::lround(f.right)), static_cast<int>(std::lround(f.bottom))};
}

LogAxes PlotViewControl::shownLogAxes() const {
    return {drawn_->x.log, drawn_->y.log};
}

void PlotViewControl::zoomAt(QPoint at, double notches) {
    if (!canMove())
        return;
    const PlotView from = choices_.view ? *choices_.view : shownView();
    const std::pair under(drawn_->x.ToValue(at.x()), drawn_->y.ToValue(at.y()));
    choices_.view = ZoomedAbout(from, shownFrame(), {at.x(), at.y()},
                                std::pow(kZoomPerNotch, notches), shownLogAxes());
    draw();
    // Labels of another width move the frame, and with it the point under the pointer: one
    // pan brings it back.
    if (drawn_) {
        const long dx = std::lround(at.x() - drawn_->x.ToPixel(under.first));
        const long dy = std::lround(at.y() - drawn_->y.ToPixel(under.second));
        if (dx != 0 || dy != 0) {
            choices_.view = Panned(*choices_.view, shownFrame(), static_cast<int>(dx),
                                   static_cast<int>(dy), shownLogAxes());
            draw();
        }
    }
}

void PlotViewControl::panBy(QPoint by) {
    if (!canMove())
        return;
    const PlotView from = choices_.view ? *choices_.view : shownView();
    choices_.view = Panned(from, shownFrame(), by.x(), by.y(), shownLogAxes());
    draw();
}

QString PlotViewControl::readoutAt(QPoint at) const {
    if (!drawn_)
        return {};
    const int slot = drawnIndex_.Nearest({at.x(), at.y()}, kReach);
    if (slot >= 0 && static_cast<size_t>(slot) < drawn_->dots.size())
        return look_->dotReadout(drawn_->dots[static_cast<size_t>(slot)]);
    // Over a line, the corner nearer the pointer of the piece of line within reach; lines have
    // few corners, so each piece is looked at.
    const DrawnLinePoint* nearest = nullptr;
    double best = kReach;
    const auto& corners = drawn_->linePoints;
    for (std::size_t i = 0; i + 1 < corners.size(); ++i) {
        const DrawnLinePoint &a = corners[i], &b = corners[i + 1];
        if (a.series != b.series || a.line != b.line || b.index != a.index + 1)
            continue;
        const QPointF p(at), from(a.at.x, a.at.y), along = QPointF(b.at.x, b.at.y) - from;
        const double length2 = QPointF::dotProduct(along, along);
        const double share =
            length2 > 0 ? std::clamp(QPointF::dotProduct(p - from, along) / length2, 0.0, 1.0) : 0;
        const QPointF off = from + share * along - p;
        const double distance = std::hypot(off.x(), off.y());
        if (distance <= best) {
            best = distance;
            nearest = share < 0.5 ? &a : &b;
        }
    }
    if (nearest)
        return look_->lineReadout(*nearest);
    return look_->fileReadout(drawnFormat_, drawnPoints_);
}

void PlotViewControl::pinAt(QPoint at) {
    const int slot = drawn_ ? drawnIndex_.Nearest({at.x(), at.y()}, kReach) : -1;
    if (slot >= 0 && static_cast<size_t>(slot) < drawn_->dots.size())
        pinned_.pin(at, look_->dotReadout(drawn_->dots[static_cast<size_t>(slot)]));
    else
        pinned_.unpin();
}

void PlotViewControl::draw() {
    std::optional<RenderResult> drawn = look_->draw(content_, choices_, area_);
    if (!drawn)
        return;
    // The dots are indexed in drawing order, so of two on one place the later, on top, wins.
    std::vector<DotIndex::Dot> dots;
    dots.reserve(drawn->dots.size());
    for (size_t i = 0; i < drawn->dots.size(); ++i)
        dots.push_back({{static_cast<int>(std::lround(drawn->dots[i].at.x)),
                         static_cast<int>(std::lround(drawn->dots[i].at.y))},
                        static_cast<int>(i)});
    drawnIndex_.Build(std::move(dots), area_.width(), area_.height());
    drawn_ = std::move(drawn);
    drawnFormat_ = format_;
    drawnPoints_ = content_.series ? content_.series->measured() : 0;
}

void PlotViewControl::takeSeries(SeriesSnapshot series, std::string format, bool plus) {
    content_.series = std::move(series);
    format_ = std::move(format);
    content_.plus = plus;
}

void PlotViewControl::newFile() {
    choices_.view.reset();
    content_.overlay.clear();
    content_.series.reset();
    drawn_.reset();
    drawnIndex_ = DotIndex();
    pinned_.unpin();
    area_.clearPicture();
}
