#include "CommandApp.h"

#include "ArgumentText.h"
#include "DisplayChoice.h"
#include "MessageForm.h"
#include "RunCommand.h"
#include "measurement/ParallelRead.h"

#include <QTextStream>

#include <clocale>
#include <cstdio>

namespace {
// Without a window, the toolkit's own chatter (a missing runtime folder, say) is not the
// user's business; the program says what went wrong itself.
void keepOnlyCriticalMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        QTextStream(stderr) << "korvane: " << LowerFirstLetter(text) << "\n";
}
} // namespace

void CommandApp::PrepareStart(int argc, char** argv) {
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
    // An answer on the command line carries only Korvane's own lines, whatever the platform.
    if (m_offscreenChosen || AsksForNoWindow(arguments))
        qInstallMessageHandler(keepOnlyCriticalMessages);
}

int CommandApp::OnNoDisplay() {
    std::fprintf(stderr, "%s\n", kNeedsDisplay);
    return 1;
}

bool CommandApp::InitInstance() {
    QStringList arguments;
    for (const std::string& argument : Arguments())
        arguments << ArgumentText(argument);
    const CommandLine command = ParseCommandLine(arguments);
    // The command line speaks English in full, the system's words for a failure included.
    if (command.action != CommandLine::Action::ShowDialog)
        std::setlocale(LC_MESSAGES, "C");
    if (command.threads != 0)
        SetWholeReadThreads(command.threads);
    if (const std::optional<int> exitCode = RunCommand(command)) {
        m_exitCode = *exitCode;
        return false;
    }
    return Show(command);
}
