#include "CommandOutput.h"

#include "platform/FileChoice.h"

#include <unistd.h>

QString CannotRead(const std::string& file, const QString& reason) {
    return QStringLiteral("cannot read %1: %2").arg(OneLinePath(file), reason);
}

QString CannotWrite(const std::string& output, const QString& reason) {
    const QString where =
        output == kStandardOutput ? QStringLiteral("standard output") : OneLinePath(output);
    return QStringLiteral("cannot write %1: %2").arg(where, reason);
}

std::optional<QString> WhyNotWritable(const std::string& measurement, const std::string& output,
                                      OutputRules rules) {
    const auto kept = IdentityOfPath(measurement);
    if (output != kStandardOutput)
        return rules(output, kept);
    if (kept && IdentityOfDescriptor(STDOUT_FILENO) == kept)
        return QStringLiteral("it is the measurement file");
    return std::nullopt;
}

int EndCommand(int exitCode, const std::optional<QString>& problem, const QByteArray& text,
               QTextStream& err) {
    std::optional<QString> why = problem;
    if (!why && !text.isEmpty())
        if (const auto failure =
                WriteAllTo(STDOUT_FILENO,
                           std::string_view(text.constData(), static_cast<size_t>(text.size()))))
            why = CannotWrite(std::string(kStandardOutput), *failure);
    if (!why || OutputPipeClosed())
        return exitCode;
    err << "korvane: " << *why << "\n";
    return 1;
}
