#include "GreyedEntryClicks.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>

GreyedEntryClicks::GreyedEntryClicks(QMenu& menu, std::function<void(QAction*)> picked)
    : QObject(&menu), menu_(menu), picked_(std::move(picked)) {
    menu_.installEventFilter(this);
}

bool GreyedEntryClicks::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &menu_ || event->type() != QEvent::MouseButtonRelease)
        return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    QAction* entry = menu_.actionAt(mouse->position().toPoint());
    if (mouse->button() != Qt::LeftButton || entry == nullptr || entry->isEnabled() ||
        entry->isSeparator())
        return false;
    menu_.close();
    picked_(entry);
    return true;
}
