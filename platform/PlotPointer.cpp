#include "PlotPointer.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWheelEvent>
#include <QWidget>

namespace {
// One notch of a common mouse wheel.
constexpr double kEighthsOfDegreePerNotch = 120.0;
// How far the pointer may wander before a readout goes.
constexpr int kSpot = 4;
} // namespace

PlotPointer::PlotPointer(QWidget* area, Handlers handlers)
    : QObject(area), area_(area), handlers_(std::move(handlers)) {
    area_->installEventFilter(this);
}

bool PlotPointer::eventFilter(QObject* watched, QEvent* event) {
    if (watched != area_)
        return false;
    switch (event->type()) {
    case QEvent::Wheel: {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        const double notches = wheel->angleDelta().y() / kEighthsOfDegreePerNotch;
        if (notches != 0.0 && handlers_.zoom)
            handlers_.zoom(wheel->position().toPoint(), notches);
        return true;
    }
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        dragFrom_ = dragStart_ = mouse->position().toPoint();
        dragged_ = false;
        return true;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!dragFrom_ || !(mouse->buttons() & Qt::LeftButton))
            return false;
        const QPoint at = mouse->position().toPoint();
        const QPoint by = at - *dragFrom_;
        dragFrom_ = at;
        dragged_ = dragged_ || !by.isNull();
        if (!by.isNull() && handlers_.pan)
            handlers_.pan(by, *dragStart_);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        const bool clicked = dragFrom_ && !dragged_;
        dragFrom_.reset();
        if (clicked && handlers_.click)
            handlers_.click(mouse->position().toPoint());
        return false;
    }
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        dragFrom_.reset();
        if (handlers_.reset)
            handlers_.reset();
        return true;
    case QEvent::ToolTip: {
        const auto* help = static_cast<QHelpEvent*>(event);
        const QString text = handlers_.readout ? handlers_.readout(help->pos()) : QString();
        if (text.isEmpty())
            QToolTip::hideText();
        else
            // Moving off the spot hides it, so the next rest reads out afresh.
            QToolTip::showText(
                help->globalPos(), text, area_,
                QRect(help->pos() - QPoint(kSpot, kSpot), QSize(2 * kSpot + 1, 2 * kSpot + 1)));
        return true;
    }
    default:
        return false;
    }
}
