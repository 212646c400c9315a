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
    pointer_ = new PlotPointer(
        &area, {[this](QPoint at, double notches) { zoomAt(at, notches); },
                [this](QPoint by, QPoint at) { panBy(by, at); }, [this] { resetView(); },
                [this](QPoint at) { return readoutAt(at); }, [this](QPoint at) { pinAt(at); }});
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

void PlotViewControl::setChosenSweeps(std::vector<int> sweeps) {
    choices_.chosenSweeps = std::move(sweeps);
    choices_.sweeps = SweepsShown::Chosen;
    if (area_.hasPicture())
        reload_();
}

void PlotViewControl::setConnectPoints(std::optional<bool> on) {
    choices_.connectPoints = on;
    if (area_.hasPicture())
        reload_();
}

void PlotViewControl::setMarkerSize(double points) {
    choices_.markerPt = points;
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
    PlotView view{{drawn_->x.min, drawn_->x.max}, {drawn_->y.min, drawn_->y.max}};
    if (const RenderResult* lower = sharingPanel())
        view.lowerY = AxisRange{lower->y.min, lower->y.max};
    return view;
}

PlotView PlotViewControl::currentView() const {
    PlotView view = choices_.view ? *choices_.view : shownView();
    if (!view.lowerY)
        view.lowerY = shownView().lowerY;
    return view;
}

const RenderResult* PlotViewControl::sharingPanel() const {
    return drawn_ && choices_.diagram == Diagram::Bode && drawn_->below ? drawn_->below.get()
                                                                        : nullptr;
}

bool PlotViewControl::inLowerPanel(QPoint at) const {
    const RenderResult* lower = sharingPanel();
    if (!lower || at.y() < (drawn_->frame.bottom + lower->frame.top) / 2)
        return false;
    return !lower->below || at.y() < (lower->frame.bottom + lower->below->frame.top) / 2;
}

namespace {

PixelFrame pixelFrame(const RectF& f) {
    return {static_cast<int>(std::lround(f.left)), static_cast<int>(std::lround(f.top)),
            static_cast<int>(std::lround(f.right)), static_cast<int>(std::lround(f.bottom))};
}

// The view moved as `move` moves the x axis and the y axis of one panel: the upper, or the
// lower one, which shares the x axis.
template <typename Move> PlotView movedIn(const PlotView& view, bool lower, Move move) {
    const PlotView moved = move(PlotView{view.x, lower ? *view.lowerY : view.y});
    PlotView result = view;
    result.x = moved.x;
    (lower ? *result.lowerY : result.y) = moved.y;
    return result;
}

} // namespace

void PlotViewControl::zoomAt(QPoint at, double notches) {
    if (!canMove())
        return;
    const bool lower = inLowerPanel(at);
    const auto panel = [&]() -> const RenderResult& { return lower ? *drawn_->below : *drawn_; };
    const std::pair under(panel().x.ToValue(at.x()), panel().y.ToValue(at.y()));
    const PixelFrame frame = pixelFrame(panel().frame);
    const LogAxes log{panel().x.log, panel().y.log};
    choices_.view = movedIn(currentView(), lower, [&](const PlotView& from) {
        return ZoomedAbout(from, frame, {at.x(), at.y()}, std::pow(kZoomPerNotch, notches), log);
    });
    draw();
    // Labels of another width move the frame, and with it the point under the pointer: one
    // pan brings it back.
    if (drawn_ && (!lower || drawn_->below)) {
        const long dx = std::lround(at.x() - panel().x.ToPixel(under.first));
        const long dy = std::lround(at.y() - panel().y.ToPixel(under.second));
        const PixelFrame now = pixelFrame(panel().frame);
        if (dx != 0 || dy != 0) {
            choices_.view = movedIn(*choices_.view, lower, [&](const PlotView& from) {
                return Panned(from, now, static_cast<int>(dx), static_cast<int>(dy), log);
            });
            draw();
        }
    }
}

void PlotViewControl::panBy(QPoint by, std::optional<QPoint> at) {
    if (!canMove())
        return;
    const bool lower = at && inLowerPanel(*at);
    const RenderResult& panel = lower ? *drawn_->below : *drawn_;
    const PixelFrame frame = pixelFrame(panel.frame);
    const LogAxes log{panel.x.log, panel.y.log};
    choices_.view = movedIn(currentView(), lower, [&](const PlotView& from) {
        return Panned(from, frame, by.x(), by.y(), log);
    });
    draw();
}

QString PlotViewControl::readoutAt(QPoint at) const {
    if (!drawn_)
        return {};
    const int slot = drawnIndex_.Nearest({at.x(), at.y()}, kReach);
    if (slot >= 0 && static_cast<size_t>(slot) < readable_.size())
        return look_->dotReadout(readable_[static_cast<size_t>(slot)]);
    // Over a line, the corner nearer the pointer of the piece of line within reach; lines have
    // few corners, so each piece is looked at.
    const DrawnLinePoint* nearest = nullptr;
    double best = kReach;
    for (const RenderResult* panel : {&*drawn_, drawn_->below ? &*drawn_->below : nullptr}) {
        const auto& corners = panel ? panel->linePoints : std::vector<DrawnLinePoint>{};
        for (std::size_t i = 0; i + 1 < corners.size(); ++i) {
            const DrawnLinePoint &a = corners[i], &b = corners[i + 1];
            if (a.series != b.series || a.line != b.line || b.index != a.index + 1)
                continue;
            const QPointF p(at), from(a.at.x, a.at.y), along = QPointF(b.at.x, b.at.y) - from;
            const double length2 = QPointF::dotProduct(along, along);
            const double share =
                length2 > 0 ? std::clamp(QPointF::dotProduct(p - from, along) / length2, 0.0, 1.0)
                            : 0;
            const QPointF off = from + share * along - p;
            const double distance = std::hypot(off.x(), off.y());
            if (distance <= best) {
                best = distance;
                nearest = share < 0.5 ? &a : &b;
            }
        }
    }
    if (nearest)
        return look_->lineReadout(*nearest);
    return look_->fileReadout(drawnFormat_, drawnPoints_);
}

void PlotViewControl::pinAt(QPoint at) {
    const int slot = drawn_ ? drawnIndex_.Nearest({at.x(), at.y()}, kReach) : -1;
    if (slot >= 0 && static_cast<size_t>(slot) < readable_.size())
        pinned_.pin(at, look_->dotReadout(readable_[static_cast<size_t>(slot)]));
    else
        pinned_.unpin();
}

void PlotViewControl::draw() {
    std::optional<RenderResult> drawn = look_->draw(content_, choices_, area_);
    if (!drawn)
        return;
    // The dots are indexed in drawing order, so of two on one place the later, on top, wins.
    // A Bode diagram's −φ panel reads out its dots as the upper one does.
    readable_ = drawn->dots;
    if (choices_.diagram == Diagram::Bode && drawn->below)
        readable_.insert(readable_.end(), drawn->below->dots.begin(), drawn->below->dots.end());
    std::vector<DotIndex::Dot> dots;
    dots.reserve(readable_.size());
    for (size_t i = 0; i < readable_.size(); ++i)
        dots.push_back({{static_cast<int>(std::lround(readable_[i].at.x)),
                         static_cast<int>(std::lround(readable_[i].at.y))},
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
    readable_.clear();
    drawnIndex_ = DotIndex();
    pinned_.unpin();
    area_.clearPicture();
}
