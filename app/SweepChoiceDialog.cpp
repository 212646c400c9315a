#include "SweepChoiceDialog.h"

#include "MainWindow.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

std::optional<std::vector<int>> AskForSweeps(QWidget* parent, int count,
                                             const std::vector<int>& chosen) {
    QDialog dialog(parent);
    dialog.setWindowTitle(MainWindow::tr("Choose Sweeps"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* list = new QListWidget(&dialog);
    list->setAccessibleName(MainWindow::tr("Sweeps"));
    for (int sweep = 1; sweep <= count; ++sweep) {
        auto* item = new QListWidgetItem(MainWindow::tr("sweep %1").arg(sweep), list);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        const bool on = chosen.empty() || std::binary_search(chosen.begin(), chosen.end(), sweep);
        item->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
    layout->addWidget(list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    // A diagram of no sweep shows nothing: at least one stays checked.
    const auto checked = [list] {
        std::vector<int> sweeps;
        for (int row = 0; row < list->count(); ++row)
            if (list->item(row)->checkState() == Qt::Checked)
                sweeps.push_back(row + 1);
        return sweeps;
    };
    QObject::connect(list, &QListWidget::itemChanged, ok,
                     [ok, checked] { ok->setEnabled(!checked().empty()); });
    ok->setEnabled(!checked().empty());
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    std::vector<int> sweeps = checked();
    if (sweeps.empty())
        return std::nullopt;
    return sweeps;
}
