#include "PlotKeys.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

PlotKeys::PlotKeys(QWidget* area, Handlers handlers)
    : QObject(area), area_(area), handlers_(std::move(handlers)) {
    area_->installEventFilter(this);
}

bool PlotKeys::eventFilter(QObject* watched, QEvent* event) {
    if (watched != area_ || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QPoint middle = area_->rect().center();
    const int across = std::max(area_->width() / 10, 1);
    const int up = std::max(area_->height() / 10, 1);
    // An arrow moves the view its way: the plane slides the other way, as if dragged so.
    const auto pan = [this](QPoint by) {
        if (handlers_.pan)
            handlers_.pan(by);
    };
    const auto zoom = [this, middle](double notches) {
        if (handlers_.zoom)
            handlers_.zoom(middle, notches);
    };
    switch (key->key()) {
    case Qt::Key_Left:
        pan({across, 0});
        return true;
    case Qt::Key_Right:
        pan({-across, 0});
        return true;
    case Qt::Key_Up:
        pan({0, up});
        return true;
    case Qt::Key_Down:
        pan({0, -up});
        return true;
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoom(1);
        return true;
    case Qt::Key_Minus:
        zoom(-1);
        return true;
    case Qt::Key_Home:
        if (handlers_.reset)
            handlers_.reset();
        return true;
    case Qt::Key_F10:
        if (key->modifiers() & Qt::ShiftModifier) {
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, middle, area_->mapToGlobal(middle));
            QCoreApplication::sendEvent(area_, &menu);
            return true;
        }
        return false;
    default:
        return false;
    }
}
