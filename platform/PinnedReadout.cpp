#include "PinnedReadout.h"

#include <QLabel>

namespace {
// How far from the click the readout stands, clear of the pointer.
constexpr int kOffset = 12;
} // namespace

void PinnedReadout::pin(QPoint at, const QString& text) {
    if (label_ == nullptr) {
        label_ = new QLabel(&area_);
        label_->setObjectName(QStringLiteral("pinnedReadout"));
        label_->setTextFormat(Qt::PlainText);
        label_->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label_->setFrameShape(QFrame::Box);
        label_->setAutoFillBackground(true);
        label_->setBackgroundRole(QPalette::ToolTipBase);
        label_->setForegroundRole(QPalette::ToolTipText);
        label_->setMargin(3);
    }
    text_ = text;
    label_->setText(text);
    label_->adjustSize();
    // Kept inside the plot, left of or above the click where the right or bottom is near.
    QPoint place = at + QPoint(kOffset, kOffset);
    if (place.x() + label_->width() > area_.width())
        place.setX(std::max(0, at.x() - kOffset - label_->width()));
    if (place.y() + label_->height() > area_.height())
        place.setY(std::max(0, at.y() - kOffset - label_->height()));
    label_->move(place);
    label_->show();
    label_->raise();
}

void PinnedReadout::unpin() {
    text_.clear();
    if (label_ != nullptr)
        label_->hide();
}
