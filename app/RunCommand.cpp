#include "RunCommand.h"

#include "CommandOutput.h"
#include "DataExport.h"
#include "EachFile.h"
#include "FileInfo.h"
#include "FitExport.h"
#include "FitReport.h"
#include "KkReport.h"
#include "MessageForm.h"
#include "res/Version.h"

#include <QTextStream>

std::optional<int> RunCommand(const CommandLine& command) {
    QString text; // what goes to standard output, written whole once the command is done
    QTextStream out(&text);
    QTextStream err(stderr);
    const auto ended = [&](int exitCode, const std::optional<QString>& problem = {}) {
        out.flush();
        return EndCommand(exitCode, problem, text.toUtf8(), err);
    };
    switch (command.action) {
    case CommandLine::Action::Help:
        out << UsageText();
        return ended(0);
    case CommandLine::Action::Version:
        out << "korvane " << KORVANE_VERSION << "\n";
        return ended(0);
    case CommandLine::Action::Error:
        err << "korvane: " << command.error << "\n" << kTryHelp << "\n";
        return 2;
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
    case CommandLine::Action::Snapshot:
    case CommandLine::Action::ShowDialog:
        break;
    }
    return std::nullopt;
}
