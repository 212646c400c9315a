#include "FileInfo.h"

#include "measurement/FileSummary.h"
#include "platform/FileChoice.h"

#include <cstring>

int PrintFileInfo(const std::string& file, QTextStream& out, QTextStream& err) {
    int error = 0;
    std::string refusal;
    const std::optional<std::string> summary = SummarizeMeasurementFile(file, error, refusal);
    if (!summary) {
        const QString reason = !refusal.empty() ? QString::fromStdString(refusal)
                               : error == 0     ? QStringLiteral("not a regular file")
                                                : QString::fromLocal8Bit(std::strerror(error));
        err << "korvane: cannot read " << OneLinePath(file) << ": " << reason << "\n";
        return 1;
    }
    out << QString::fromStdString(*summary);
    return 0;
}
