#include "PlotApp.h"

#include "ArgumentText.h"
#include "CommandLine.h"
#include "CommandOutput.h"
#include "DataExport.h"
#include "DisplayChoice.h"
#include "EachFile.h"
#include "FileInfo.h"
#include "FitExport.h"
#include "FitReport.h"
#include "KkReport.h"
#include "MainWindow.h"
#include "MessageForm.h"
#include "Snapshot.h"
#include "Translation.h"
#include "WindowSettings.h"
#include "classic/PlotDlg.h"
#include "measurement/ParallelRead.h"
#include "platform/ChartFontOnly.h"
#include "res/Version.h"
#include "source/ReadAhead.h"

#include <QApplication>
#include <QLocale>
#include <QSettings>
#include <QTextStream>
#include <filesystem>

#include <clocale>
#include <cstdio>

namespace {
// Without a window, the toolkit's own chatter (a missing runtime folder, say) is not the
// user's business; the program says what went wrong itself.
void keepOnlyCriticalMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QTextStream(stderr) << "korvane: " << LowerFirstLetter(text) << "\n";
}
// A modern picture's files are read while the toolkit starts, which takes about as long.
void readPictureFilesAhead(const std::vector<std::string>& arguments) {
    QStringList texts;
    for (const std::string& argument : arguments)
        texts << ArgumentText(argument);
    const CommandLine command = ParseCommandLine(texts);
    if (command.action != CommandLine::Action::Snapshot || command.classic)
        return;
    if (command.threads != 0)
        SetWholeReadThreads(command.threads);
    BeginReadingAhead(command.files);
}
} // namespace

void CPlotApp::PrepareStart(int argc, char** argv) {
    // Only the dialog needs a display; the toolkit's own options are not known yet, so the
    // arguments are only looked through, not parsed.
    const bool display =
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    const std::vector<std::string> arguments(argv, argv + argc);
    m_offscreenChosen =
        ChoosesOffscreen(arguments, display, !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"));
    if (m_offscreenChosen)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    m_needs = ToolkitPartFor(arguments, IsOwnOption);
    if (m_needs == ToolkitPart::Gui) {
        LoadOnlyChartFont();
        readPictureFilesAhead(arguments);
    }
    // An answer on the command line carries only Korvane's own lines, whatever the platform.
    if (m_offscreenChosen || AsksForNoWindow(arguments))
        qInstallMessageHandler(keepOnlyCriticalMessages);
}

int CPlotApp::OnNoDisplay() {
    std::fprintf(stderr, "%s\n", kNeedsDisplay);
    return 1;
}

bool CPlotApp::InitInstance() {
    // Enabling ActiveX containment and 3-D controls has no counterpart here: Qt hosts no
    // ActiveX controls and draws its controls itself.
    QStringList arguments;
    for (const std::string& argument : Arguments())
        arguments << ArgumentText(argument);
    const CommandLine command = ParseCommandLine(arguments);
    // The command line speaks English in full, the system's words for a failure included.
    if (command.action != CommandLine::Action::ShowDialog)
        std::setlocale(LC_MESSAGES, "C");
    QString text; // what goes to standard output, written whole once the command is done
    QTextStream out(&text);
    QTextStream err(stderr);
    const auto ended = [&](int exitCode, const std::optional<QString>& problem = {}) {
        out.flush();
        m_exitCode = EndCommand(exitCode, problem, text.toUtf8(), err);
        return false;
    };
    if (command.threads != 0)
        SetWholeReadThreads(command.threads);
    switch (command.action) {
    case CommandLine::Action::Help:
        out << UsageText();
        return ended(0);
    case CommandLine::Action::Version:
        out << "korvane " << KORVANE_VERSION << "\n";
        return ended(0);
    case CommandLine::Action::Error:
        err << "korvane: " << command.error << "\n" << kTryHelp << "\n";
        m_exitCode = 2;
        return false;
    case CommandLine::Action::Snapshot:
        // PNG, SVG and PDF are the toolkit's own: no image plugin needs to be looked for.
        if (m_needs == ToolkitPart::Gui)
            QCoreApplication::setLibraryPaths({});
        return ended(
            0, WriteSnapshot(command.files, command.output, command.plus, command.size,
                             command.equal, command.bode,
                             {command.classic, command.dpi, command.fontPt,
                              command.kk ? std::optional(command.kkOptions) : std::nullopt,
                              command.fit ? std::optional(FitChoice{
                                                std::make_shared<const Circuit>(command.circuit),
                                                command.fitOptions})
                                          : std::nullopt,
                              command.lines, command.markerPt.value_or(kMarkerPt)}));
    case CommandLine::Action::Export: {
        const CsvFit fit{command.circuit, command.fitOptions};
        const auto exportOne = [&](const std::string& file, const std::string& output) {
            return ExportData(file, output, command.kk ? &command.kkOptions : nullptr, {},
                              command.fit ? &fit : nullptr);
        };
        if (command.intoFolder)
            return ended(WriteEach(command.files, command.output, err, exportOne));
        return ended(0, exportOne(command.file, command.output));
    }
    case CommandLine::Action::Info:
        return ended(PrintEach(command.files, out, [&](const std::string& file, QTextStream& to) {
            return PrintFileInfo(file, to, err);
        }));
    case CommandLine::Action::Kk:
        return ended(PrintEach(command.files, out, [&](const std::string& file, QTextStream& to) {
            return PrintKkReport(file, command.kkOptions, to, err);
        }));
    case CommandLine::Action::Fit:
        if (command.intoFolder)
            return ended(WriteEach(command.files, command.output, err,
                                   [&](const std::string& file, const std::string& output) {
                                       return ExportFit(file, output, command.circuit,
                                                        command.fitOptions);
                                   }));
        if (command.output.empty())
            return ended(
                PrintEach(command.files, out, [&](const std::string& file, QTextStream& to) {
                    return PrintFitReport(file, command.circuit, command.fitOptions, to, err);
                }));
        return ended(0,
                     ExportFit(command.file, command.output, command.circuit, command.fitOptions));
    case CommandLine::Action::ShowDialog:
        break;
    }
    // Without the widgets (which the arguments always bring for a window) there is nothing
    // to show a window with.
    if (m_offscreenChosen || qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        m_exitCode = OnNoDisplay();
        return false;
    }
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
