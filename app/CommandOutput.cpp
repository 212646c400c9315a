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
