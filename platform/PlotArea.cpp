#include "PlotArea.h"

#include "PictureOutput.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>

#include <utility>

namespace {
QString askForPicturePath(QWidget* parent) {
    const struct {
        QString filter, suffix;
    } kinds[] = {{PlotArea::tr("PNG image (*.png)"), QStringLiteral("png")},
                 {PlotArea::tr("SVG drawing (*.svg)"), QStringLiteral("svg")},
                 {PlotArea::tr("PDF document (*.pdf)"), QStringLiteral("pdf")}};
    QStringList filters;
    for (const auto& kind : kinds)
        filters << kind.filter;
    QFileDialog dialog(parent, PlotArea::tr("Save picture as"));
    dialog.setNameFilters(filters);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Added before the dialog asks about replacing, so "figure" asks about figure.png, or
    // figure.svg once SVG is chosen.
    dialog.setDefaultSuffix(kinds[0].suffix);
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& chosen) {
        for (const auto& kind : kinds)
            if (kind.filter == chosen)
                dialog.setDefaultSuffix(kind.suffix);
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().front();
}
} // namespace

PlotArea::PlotArea(QWidget* parent)
    : QWidget(parent), menu_(new QMenu(this)),
      chooseSavePath_([this] { return askForPicturePath(this); }) {
    menu_->addAction(tr("Copy picture"), this, &PlotArea::copyPicture);
    menu_->addAction(tr("Save picture as\u2026"), this, &PlotArea::savePicture);
}

void PlotArea::clearPicture() {
    hasPicture_ = false;
    picture_ = QImage();
    outputs_ = {};
    update();
}

QImage PlotArea::showPicture(QImage image, PictureOutputs outputs) {
    QImage before = std::exchange(picture_, std::move(image));
    outputs_ = std::move(outputs);
    hasPicture_ = true;
    ++pictureSerial_;
    update();
    return before;
}

void PlotArea::copyPicture() const {
    if (outputs_.copy)
        outputs_.copy(size());
}

void PlotArea::savePicture() {
    const QString path = chooseSavePath_();
    if (path.isEmpty())
        return;
    const std::string bytes = QFile::encodeName(path).toStdString();
    // No measurement is a picture Korvane wrote, so the marks alone keep them.
    auto reason = WhyNotPictureOutput(bytes, std::nullopt);
    if (!reason)
        reason = outputs_.write ? outputs_.write(size(), bytes)
                                : QStringLiteral("there is no diagram to draw");
    if (reason)
        QMessageBox::warning(this, QCoreApplication::applicationName(),
                             tr("Cannot write %1: %2").arg(path, *reason));
}

std::optional<QString> PlotArea::printPicture(QSize sizePx, double dpi, double fontPt,
                                              const std::string& path) const {
    if (!outputs_.print)
        return QStringLiteral("there is no diagram to draw");
    if (auto reason = WhyNotPictureOutput(path, std::nullopt))
        return reason;
    return outputs_.print(sizePx, dpi, fontPt, path);
}

void PlotArea::setPlaceholder(QString text) {
    placeholder_ = std::move(text);
    update();
}

void PlotArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (resized_)
        resized_();
}

void PlotArea::contextMenuEvent(QContextMenuEvent* event) {
    // Before the first picture there is nothing to copy or save. From the keyboard the menu
    // opens over the plot's middle, not wherever the pointer rests.
    if (hasPicture_)
        menu_->exec(event->reason() == QContextMenuEvent::Keyboard ? mapToGlobal(rect().center())
                                                                   : event->globalPos());
}

void PlotArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (hasPicture_) {
        painter.drawImage(0, 0, picture_);
        return;
    }
    if (placeholder_) {
        painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, *placeholder_);
        return;
    }
    // A static text control: its caption, left-aligned on the dialog's background.
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QStringLiteral("Static"));
}
