#include "AboutKorvane.h"

#include "MainWindow.h"
#include "res/Version.h"

#include <QMessageBox>
#include <QUrl>

void ShowAboutKorvane(QWidget* parent) {
    QMessageBox::about(
        parent, MainWindow::tr("About Korvane"),
        MainWindow::tr(
            "<p><b>Korvane %1</b></p>"
            "<p>Watches an impedance measurement file and draws it as a Nyquist or Bode "
            "diagram, read anew every 2 seconds while the instrument writes it.</p>"
            "<p>Reads files of %2.</p>"
            "<p>The <a href=\"%3\">README</a> tells how to use it.</p>"
            "<p>The example files in samples/ are Korvane's own. The instrument files among "
            "the tests keep their makers' licences: MIT (impedance.py, AutoEIS, Zahner, a "
            "PalmSens session), BSD-3-Clause (hybrid-drt, PalmSens) and CC-BY-4.0 (galvani); "
            "tests/measurement/samples/NOTICE.md holds every notice.</p>")
            .arg(QStringLiteral(KORVANE_VERSION),
                 MainWindow::tr("Gamry, BioLogic (also its .mpr while EC-Lab writes it), Zahner, "
                                "ZView, CH Instruments, Metrohm Nova and PalmSens, CSV and plain "
                                "columns of numbers"),
                 QUrl::fromLocalFile(QStringLiteral(KORVANE_README_PATH)).toString()));
}
