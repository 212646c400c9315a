#include "StatusLabel.h"

#include <QFontMetrics>
#include <QRegularExpression>

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
    // What must stay whole runs to the first time after the name; what follows it, a
    // verdict say, may run off the end.
    static const QRegularExpression time(QStringLiteral("\\d\\d:\\d\\d:\\d\\d"));
    const QRegularExpressionMatch found = time.match(line_, at + name_.size());
    const qsizetype kept = found.hasMatch() ? found.capturedEnd() : line_.size();
    const int rest = metrics.horizontalAdvance(line_.left(kept)) - metrics.horizontalAdvance(name_);
    // A few letters of each end stay, however narrow, so the file can still be told.
    const int fewest = metrics.horizontalAdvance(name_.left(3) + QChar(0x2026) + name_.right(3));
    setText(line_.left(at) +
            metrics.elidedText(name_, Qt::ElideMiddle, std::max(fewest, room - rest)) +
            line_.mid(at + name_.size()));
}
