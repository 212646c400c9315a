#include "PlotApp.h"

#include "CommandOutput.h"
#include "MainWindow.h"
#include "Snapshot.h"
#include "Translation.h"
#include "WindowSettings.h"
#include "classic/PlotDlg.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTextStream>
#include <filesystem>

bool CPlotApp::Show(const CommandLine& command) {
    if (command.action == CommandLine::Action::Snapshot) {
        if (!command.classic)
            return PictureApp::Show(command);
        QTextStream err(stderr);
        m_exitCode =
            EndCommand(0,
                       WriteSnapshot(command.files, command.output, command.plus, command.size,
                                     command.equal, command.bode, {.classic = true}),
                       {}, err);
        return false;
    }
    // Without the widgets (which the arguments always bring for a window) there is nothing
    // to show a window with.
    if (m_offscreenChosen || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr)
        return CommandApp::Show(command);
    // Enabling ActiveX containment and 3-D controls has no counterpart here: Qt hosts no
    // ActiveX controls and draws its controls itself.
    if (!command.classic) {
        InstallTranslation(QLocale());
        MainWindow window(UserSettings(), command.fontPt);
        window.startWith(command.plus, command.equal, command.bode);
        window.startDrawing(command.lines, command.markerPt);
        // A folder is followed: its newest measurement is shown.
        std::error_code ignored;
        if (command.files.size() == 1 && std::filesystem::is_directory(command.file, ignored))
            window.followFolder(command.file);
        else
            window.openFiles(command.files);
        window.show();
        QApplication::exec();
        return false;
    }
    CPlotDlg dialog;
    dialog.OpenOnStart(command.file.empty() ? std::nullopt : std::optional(command.file),
                       command.plus, command.equal, command.bode);
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return false;
}
