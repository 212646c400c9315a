#include "FitCircuitDialog.h"

#include "MainWindow.h"
#include "analysis/Circuit.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

const char* const kPresets[] = {"R0-p(R1,C1)", "R0-p(R1,CPE1)", "R0-p(R1-W1,CPE1)",
                                "R0-p(R1,CPE1)-p(R2,CPE2)", "R0-p(R1-Wo1,CPE1)"};

} // namespace

std::optional<FitSetting> AskForFitCircuit(QWidget* parent, const FitSetting& current) {
    QDialog dialog(parent);
    dialog.setWindowTitle(MainWindow::tr("Fit Circuit"));
    auto* form = new QFormLayout(&dialog);
    auto* circuit = new QComboBox(&dialog);
    circuit->setEditable(true);
    // What is typed stays as typed: no preset completes it, and Enter adds no entry.
    circuit->setCompleter(nullptr);
    circuit->setInsertPolicy(QComboBox::NoInsert);
    circuit->addItem(MainWindow::tr("None"), QString());
    for (const char* preset : kPresets)
        circuit->addItem(QLatin1String(preset), QLatin1String(preset));
    circuit->setItemText(3, circuit->itemText(3) + MainWindow::tr(" (Randles)"));
    const int known = circuit->findData(current.circuit);
    if (known >= 0)
        circuit->setCurrentIndex(known);
    else
        circuit->setEditText(current.circuit);
    form->addRow(MainWindow::tr("&Circuit:"), circuit);
    auto* fault = new QLabel(&dialog);
    fault->setWordWrap(true);
    form->addRow(fault);
    auto* weight = new QComboBox(&dialog);
    weight->addItems({MainWindow::tr("Unit"), MainWindow::tr("Modulus (1/|Z|\u00b2)"),
                      MainWindow::tr("Proportional")});
    weight->setCurrentIndex(std::clamp(current.weight, 0, 2));
    form->addRow(MainWindow::tr("&Weighting:"), weight);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    form->addRow(buttons);

    // A preset shows its name with a note; what is fitted is its data, or the text typed.
    const auto chosen = [circuit] {
        const int index = circuit->findText(circuit->currentText());
        return index >= 0 ? circuit->itemData(index).toString() : circuit->currentText().trimmed();
    };
    const auto check = [=] {
        const QString text = chosen();
        const ParsedCircuit parsed =
            text.isEmpty() ? ParsedCircuit{} : ParseCircuit(text.toStdString());
        fault->setText(QString::fromStdString(parsed.error));
        buttons->button(QDialogButtonBox::Ok)->setEnabled(parsed.error.empty());
    };
    QObject::connect(circuit, &QComboBox::editTextChanged, &dialog, check);
    check();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return FitSetting{chosen(), weight->currentIndex()};
}

FitChoice ChoiceOf(const FitSetting& setting) {
    ParsedCircuit parsed = ParseCircuit(setting.circuit.toStdString());
    if (setting.circuit.isEmpty() || !parsed.error.empty())
        return {};
    FitChoice choice;
    choice.circuit = std::make_shared<const Circuit>(std::move(parsed.circuit));
    choice.options.weight = static_cast<FitWeight>(std::clamp(setting.weight, 0, 2));
    return choice;
}
