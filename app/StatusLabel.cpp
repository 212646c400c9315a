#include "StatusLabel.h"

#include <QFontMetrics>

StatusLabel::StatusLabel(QWidget* parent) : QLabel(parent) {
    // The status bar gives it the room there is, not the room its text would like.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void StatusLabel::setLine(const QString& line, const QString& name) {
    line_ = line;
    name_ = name;
    fit();
}

void StatusLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    fit();
}

void StatusLabel::fit() {
    const QFontMetrics metrics(font());
    const int room = contentsRect().width();
    const qsizetype at = name_.isEmpty() ? -1 : line_.indexOf(name_);
    if (at < 0 || metrics.horizontalAdvance(line_) <= room) {
        setText(line_);
        return;
    }
    const int rest = metrics.horizontalAdvance(line_) - metrics.horizontalAdvance(name_);
    setText(line_.left(at) + metrics.elidedText(name_, Qt::ElideMiddle, std::max(0, room - rest)) +
            line_.mid(at + name_.size()));
}
