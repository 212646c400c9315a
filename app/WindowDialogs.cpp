#include "WindowDialogs.h"

#include "MainWindow.h"
#include "measurement/Format.h"

#include <QFileDialog>

QStringList AskForMeasurementFiles(QWidget* parent, const QString& folder) {
    QFileDialog dialog(parent, MainWindow::tr("Open measurement files"), folder);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // Several may be chosen to overlay; a file yet to appear is typed into the path field.
    dialog.setFileMode(QFileDialog::ExistingFiles);
    const QString measurements = MainWindow::tr("Measurement files (%1)")
                                     .arg(QString::fromLatin1(MeasurementFilePatterns()));
    dialog.setNameFilters({measurements, MainWindow::tr("All files (*)")});
    dialog.selectNameFilter(measurements);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

std::optional<QString> AskForFolder(QWidget* parent, const QString& folder) {
    const QString chosen =
        QFileDialog::getExistingDirectory(parent, MainWindow::tr("Follow folder"), folder);
    return chosen.isEmpty() ? std::nullopt : std::optional(chosen);
}

std::optional<QString> AskForExportPath(QWidget* parent, const QString& suggested) {
    QFileDialog dialog(parent, MainWindow::tr("Export data"), suggested);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({MainWindow::tr("CSV files (*.csv)"), MainWindow::tr("All files (*)")});
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front();
}
