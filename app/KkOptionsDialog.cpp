#include "KkOptionsDialog.h"

#include "MainWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>

std::optional<KkOptions> AskForKkOptions(QWidget* parent, const KkOptions& current) {
    QDialog dialog(parent);
    dialog.setWindowTitle(MainWindow::tr("Options"));
    auto* form = new QFormLayout(&dialog);
    auto* fit = new QComboBox(&dialog);
    fit->addItems(
        {MainWindow::tr("Complex"), MainWindow::tr("Real part"), MainWindow::tr("Imaginary part")});
    fit->setCurrentIndex(static_cast<int>(current.fit));
    form->addRow(MainWindow::tr("Kramers\u2013Kronig &fit:"), fit);
    auto* mu = new QDoubleSpinBox(&dialog);
    mu->setRange(0.01, 1.0);
    mu->setSingleStep(0.01);
    mu->setValue(current.muLimit);
    form->addRow(MainWindow::tr("Elements added until &mu is at most:"), mu);
    auto* limit = new QDoubleSpinBox(&dialog);
    limit->setRange(0.01, 100.0);
    limit->setSuffix(QStringLiteral(" %"));
    limit->setValue(current.limitPercent);
    form->addRow(MainWindow::tr("&Largest residual of a valid sweep:"), limit);
    auto* capacitance =
        new QCheckBox(MainWindow::tr("&Series capacitance (blocking electrodes)"), &dialog);
    capacitance->setChecked(current.capacitance);
    form->addRow(capacitance);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    KkOptions chosen = current;
    chosen.fit = static_cast<KkFit>(fit->currentIndex());
    chosen.muLimit = mu->value();
    chosen.limitPercent = limit->value();
    chosen.capacitance = capacitance->isChecked();
    return chosen;
}
