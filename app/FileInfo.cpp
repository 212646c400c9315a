#include "FileInfo.h"

#include "measurement/FileSummary.h"
#include "platform/FileChoice.h"
#include "platform/WhyNotRead.h"

int PrintFileInfo(const std::string& file, QTextStream& out, QTextStream& err) {
    std::optional<IoError> error;
    std::string refusal;
    const std::optional<std::string> summary = SummarizeMeasurementFile(file, error, refusal);
    if (!summary) {
        err << "korvane: cannot read " << OneLinePath(file) << ": " << WhyNotRead(error, refusal)
            << "\n";
        return 1;
    }
    out << QString::fromStdString(*summary);
    return 0;
}
