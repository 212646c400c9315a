#include "SavePictureDialog.h"

#include "PictureNames.h"
#include "platform/FileChoice.h"
#include "platform/PictureOutput.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

#include <cmath>

namespace {

constexpr double kCmPerInch = 2.54;
constexpr int kMostPx = 10000;

QDoubleSpinBox* sizeBox(QWidget* parent) {
    auto* box = new QDoubleSpinBox(parent);
    box->setRange(1, kMostPx);
    return box;
}

} // namespace

SavePictureDialog::SavePictureDialog(QWidget* parent, const PictureChoice& last,
                                     const QString& suggestedPath)
    : QDialog(parent), path_(new QLineEdit(suggestedPath, this)), width_(sizeBox(this)),
      height_(sizeBox(this)), unit_(new QComboBox(this)), dpi_(new QSpinBox(this)),
      fontPt_(new QDoubleSpinBox(this)), physical_(new QLabel(this)), note_(new QLabel(this)) {
    setWindowTitle(tr("Save Picture"));
    auto* browse = new QPushButton(tr("&Browse\u2026"), this);
    connect(browse, &QPushButton::clicked, this, [this] {
        const QString chosen = QFileDialog::getSaveFileName(
            this, tr("Save Picture"), path(),
            tr("PDF document (*.pdf);;SVG drawing (*.svg);;PNG image (*.png)"), nullptr,
            QFileDialog::DontConfirmOverwrite);
        if (!chosen.isEmpty())
            path_->setText(chosen);
    });
    // Room for a folder and a name, so the name chosen is seen.
    path_->setMinimumWidth(path_->fontMetrics().averageCharWidth() * 48);
    auto* file = new QHBoxLayout;
    file->addWidget(path_, 1);
    file->addWidget(browse);
    unit_->addItems({tr("pixels"), tr("cm")});
    auto* size = new QHBoxLayout;
    size->addWidget(width_);
    size->addWidget(new QLabel(QStringLiteral("\u00d7"), this));
    size->addWidget(height_);
    size->addWidget(unit_);
    dpi_->setRange(24, 2400);
    fontPt_->setRange(4, 72);
    fontPt_->setDecimals(1);
    fontPt_->setSuffix(tr(" pt"));
    note_->setWordWrap(true);
    note_->setObjectName(QStringLiteral("pictureNote"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &SavePictureDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &SavePictureDialog::reject);
    auto* form = new QFormLayout(this);
    // A row of several fields takes a label of its own, so its shortcut reaches the first.
    const auto label = [this](const QString& text, QWidget* first) {
        auto* named = new QLabel(text, this);
        named->setBuddy(first);
        return named;
    };
    form->addRow(label(tr("&File:"), path_), file);
    form->addRow(label(tr("&Size:"), width_), size);
    form->addRow(tr("&Resolution (dpi):"), dpi_);
    form->addRow(tr("&Text size:"), fontPt_);
    form->addRow(QString(), physical_);
    form->addRow(note_);
    form->addRow(buttons);

    dpi_->setValue(static_cast<int>(std::lround(last.dpi)));
    fontPt_->setValue(last.fontPt);
    width_->setValue(last.widthPx);
    height_->setValue(last.heightPx);
    unit_->setCurrentIndex(last.inCm ? 1 : 0);
    unitChanged();
    connect(unit_, &QComboBox::currentIndexChanged, this, [this] { unitChanged(); });
    for (QDoubleSpinBox* box : {width_, height_})
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] { showPhysicalSize(); });
    connect(dpi_, &QSpinBox::valueChanged, this, [this] { showPhysicalSize(); });
    connect(path_, &QLineEdit::textEdited, note_, &QLabel::clear);
    connect(path_, &QLineEdit::editingFinished, this, [this] { offerOtherName(); });
    offerOtherName();
}

void SavePictureDialog::unitChanged() {
    const bool inCm = unit_->currentIndex() == 1;
    // The sizes keep the picture they describe: pixels at the dpi given, or centimetres.
    const double factor = inCm == inCm_ ? 1
                          : inCm        ? kCmPerInch / dpi_->value()
                                        : dpi_->value() / kCmPerInch;
    inCm_ = inCm;
    for (QDoubleSpinBox* box : {width_, height_}) {
        const double value = box->value() * factor;
        box->setDecimals(inCm ? 2 : 0);
        box->setRange(inCm ? 0.01 : 1, inCm ? kMostPx * kCmPerInch / 24 : kMostPx);
        box->setValue(value);
    }
    showPhysicalSize();
}

PictureChoice SavePictureDialog::choice() const {
    PictureChoice c;
    c.dpi = dpi_->value();
    c.fontPt = fontPt_->value();
    c.inCm = inCm_;
    const double toPx = inCm_ ? c.dpi / kCmPerInch : 1;
    c.widthPx = std::clamp(static_cast<int>(std::lround(width_->value() * toPx)), 1, kMostPx);
    c.heightPx = std::clamp(static_cast<int>(std::lround(height_->value() * toPx)), 1, kMostPx);
    const QString ending = QFileInfo(path()).suffix().toLower();
    c.ending = ending.isEmpty() ? QStringLiteral("pdf") : ending;
    return c;
}

void SavePictureDialog::showPhysicalSize() {
    const PictureChoice c = choice();
    physical_->setText(tr("%1 \u00d7 %2 pixels, %3 \u00d7 %4 cm printed")
                           .arg(c.widthPx)
                           .arg(c.heightPx)
                           .arg(locale().toString(c.widthPx / c.dpi * kCmPerInch, 'f', 2))
                           .arg(locale().toString(c.heightPx / c.dpi * kCmPerInch, 'f', 2)));
}

QString SavePictureDialog::path() const {
    return path_->text().trimmed();
}

QString SavePictureDialog::note() const {
    return note_->text();
}

bool SavePictureDialog::offerOtherName() {
    const QString chosen = path();
    const auto bytes = FileSystemPath(chosen);
    if (!bytes || PictureFormatFor(*bytes) == nullptr || !QFileInfo::exists(chosen))
        return false;
    const auto why = WhyNotPictureOutput(*bytes, std::nullopt);
    if (!why)
        return false;
    const QString free = FreeName(chosen, [](const QString& p) { return QFileInfo::exists(p); });
    note_->setText(tr("%1 is kept: %2. Save offers %3 instead.")
                       .arg(QFileInfo(chosen).fileName(), *why, QFileInfo(free).fileName()));
    path_->setText(free);
    return true;
}

bool SavePictureDialog::fileMayBeWritten() {
    if (offerOtherName())
        return false;
    const QString chosen = path();
    const auto bytes = FileSystemPath(chosen);
    if (!bytes) {
        note_->setText(tr("%1 is no name a file can have here.").arg(chosen));
        return false;
    }
    if (const auto why = WhyNotPictureOutput(*bytes, std::nullopt)) {
        note_->setText(tr("Cannot write %1: %2").arg(chosen, *why));
        return false;
    }
    return !QFileInfo::exists(chosen) ||
           QMessageBox::question(this, tr("Save Picture"),
                                 tr("%1 was drawn by Korvane before. Replace it?")
                                     .arg(QFileInfo(chosen).fileName())) == QMessageBox::Yes;
}

void SavePictureDialog::accept() {
    if (fileMayBeWritten())
        QDialog::accept();
}
