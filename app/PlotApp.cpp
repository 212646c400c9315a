#include "PlotApp.h"

#include "CommandLine.h"
#include "FileChoice.h"
#include "PlotDlg.h"
#include "Snapshot.h"
#include "Version.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {
// Without a window, the toolkit's own chatter (a missing runtime folder, say) is not the
// user's business; the program says what went wrong itself.
void keepOnlyCriticalMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QTextStream(stderr) << text << "\n";
}
} // namespace

void CPlotApp::PrepareStart(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Only the dialog needs a display.
    if (ParseCommandLine(arguments).action == CommandLine::Action::ShowDialog)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(keepOnlyCriticalMessages);
}

bool CPlotApp::InitInstance() {
    // Enabling ActiveX containment and 3-D controls has no counterpart here: Qt hosts no
    // ActiveX controls and draws its controls itself.
    const CommandLine command = ParseCommandLine(QCoreApplication::arguments());
    QTextStream out(stdout);
    QTextStream err(stderr);
    switch (command.action) {
    case CommandLine::Action::Help:
        out << UsageText();
        return false;
    case CommandLine::Action::Version:
        out << "korvane " << KORVANE_VERSION << "\n";
        return false;
    case CommandLine::Action::Error:
        err << "korvane: " << command.error << "\n\n" << UsageText();
        m_exitCode = 2;
        return false;
    case CommandLine::Action::Snapshot:
        if (const auto problem = WriteSnapshot(FileSystemPath(command.file), command.output,
                                               command.plus, command.size, command.equal)) {
            err << "korvane: " << *problem << "\n";
            m_exitCode = 1;
        }
        return false;
    case CommandLine::Action::ShowDialog:
        break;
    }
    CPlotDlg dialog;
    dialog.OpenOnStart(command.file.isEmpty() ? std::nullopt
                                              : std::optional(FileSystemPath(command.file)),
                       command.plus, command.equal);
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    return false;
}
