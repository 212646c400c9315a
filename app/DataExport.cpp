#include "DataExport.h"

#include "CommandOutput.h"
#include "export/KkCsv.h"
#include "export/PointsCsv.h"
#include "platform/WhyNotRead.h"

#include <unistd.h>

namespace {

// The header line is the mark of Korvane's own CSV files.
bool csvMarked(std::string_view head) {
    if (!head.starts_with(kPointsCsvHeader))
        return false;
    head.remove_prefix(kPointsCsvHeader.size());
    if (head.starts_with(kKkCsvColumns))
        head.remove_prefix(kKkCsvColumns.size());
    return head.substr(0, 1) == "\n";
}

OutputKind csvKind() {
    return {QStringLiteral("a CSV file Korvane wrote"), csvMarked};
}

std::optional<QString> whyNotCsvOutput(const std::string& path,
                                       const std::optional<FileIdentity>& keep) {
    return WhyNotOutput(path, keep, csvKind());
}

} // namespace

std::optional<QString> ExportData(const std::string& measurement, const std::string& output,
                                  const KkOptions* kk,
                                  const std::function<bool(std::string_view)>& before) {
    if (const auto reason = WhyNotWritable(measurement, output, whyNotCsvOutput))
        return CannotWrite(output, *reason);
    const MeasurementFile file = OpenMeasurementFile(measurement);
    if (!file)
        return CannotRead(measurement, WhyNotRead(file.error));

    CsvExportEnd end;
    std::optional<QString> writeFailure;
    if (output == kStandardOutput) {
        end = WritePointsCsv(
            file,
            [&writeFailure](std::string_view text) {
                writeFailure = WriteAllTo(STDOUT_FILENO, text);
                return !writeFailure;
            },
            kk);
    } else {
        writeFailure = WriteThroughTemporary(
            output, IdentityOfPath(measurement), csvKind(),
            [&](const PieceOutput& out) -> std::optional<QString> {
                end = WritePointsCsv(
                    file,
                    [&](std::string_view text) { return (!before || before(text)) && out(text); },
                    kk);
                // Any reason cancels the file; a failed write is reported by the writing, the
                // read's own below.
                if (!end.complete())
                    return QString();
                return std::nullopt;
            });
    }
    if (end.readError || !end.refusal.empty())
        return CannotRead(measurement, WhyNotRead(end.readError, end.refusal));
    if (writeFailure)
        return CannotWrite(output, *writeFailure);
    return std::nullopt;
}
