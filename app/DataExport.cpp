#include "DataExport.h"

#include "CommandOutput.h"
#include "PointsCsv.h"

#include <unistd.h>

#include <cstring>

namespace {

std::optional<QString> whyNotCsvOutput(const std::string& path,
                                       const std::optional<FileIdentity>& keep) {
    return WhyNotOutput(path, keep, std::string(kPointsCsvHeader) + "\n",
                        QStringLiteral("a CSV file Korvane wrote"));
}

bool readFailed(const CsvExportEnd& end) {
    return end.readError != 0 || !end.refusal.empty();
}

QString readFailure(const CsvExportEnd& end) {
    return end.refusal.empty() ? QString::fromLocal8Bit(std::strerror(end.readError))
                               : QString::fromStdString(end.refusal);
}

} // namespace

std::optional<QString> ExportData(const std::string& measurement, const std::string& output) {
    if (const auto reason = WhyNotWritable(measurement, output, whyNotCsvOutput))
        return CannotWrite(output, *reason);
    const MeasurementFile file = OpenMeasurementFile(measurement);
    if (!file)
        return CannotRead(measurement, WhyNotOpened(file));

    CsvExportEnd end;
    std::optional<QString> writeFailure;
    if (output == kStandardOutput) {
        end = WritePointsCsv(file, [&writeFailure](std::string_view text) {
            writeFailure = WriteAllTo(STDOUT_FILENO, text);
            return !writeFailure;
        });
    } else {
        writeFailure = WriteThroughTemporary(output, [&](QIODevice& out) -> std::optional<QString> {
            end = WritePointsCsv(file, [&out](std::string_view text) {
                const auto size = static_cast<qint64>(text.size());
                return out.write(text.data(), size) == size;
            });
            if (end.outputFailed)
                return out.errorString();
            // Any reason cancels the file; the read's own is reported below.
            if (readFailed(end))
                return QString();
            return std::nullopt;
        });
    }
    if (readFailed(end))
        return CannotRead(measurement, readFailure(end));
    if (writeFailure)
        return CannotWrite(output, *writeFailure);
    return std::nullopt;
}
