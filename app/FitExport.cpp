#include "FitExport.h"

#include "CommandOutput.h"
#include "ReadEveryRow.h"
#include "export/FitCsv.h"
#include "export/FitSweeps.h"

#include <unistd.h>

namespace {

OutputKind fitTableKind() {
    return {QStringLiteral("a CSV file Korvane wrote"),
            [](std::string_view head) { return head.starts_with(kFitCsvStart); }};
}

std::optional<QString> whyNotFitTable(const std::string& path,
                                      const std::optional<FileIdentity>& keep) {
    return WhyNotOutput(path, keep, fitTableKind());
}

} // namespace

std::optional<QString> ExportFit(const std::string& measurement, const std::string& output,
                                 const Circuit& circuit, const FitOptions& options) {
    if (const auto reason = WhyNotWritable(measurement, output, whyNotFitTable))
        return CannotWrite(output, *reason);
    std::string table = FitCsvHeader(circuit);
    FitSweeps sweeps(
        circuit, options, [&](std::uint32_t sweep, std::span<const Row>, const FitResult& result) {
            AppendFitCsvLine(measurement, sweep, circuit.parameters().size(), result, table);
        });
    if (const auto problem = ReadEveryRow(measurement, sweeps))
        return problem;
    sweeps.Finish();
    const std::optional<QString> failure =
        output == kStandardOutput
            ? WriteAllTo(STDOUT_FILENO, table)
            : WriteThroughTemporary(output, IdentityOfPath(measurement), fitTableKind(),
                                    [&table](const PieceOutput& out) -> std::optional<QString> {
                                        if (!out(table))
                                            return QString();
                                        return std::nullopt;
                                    });
    if (failure)
        return CannotWrite(output, *failure);
    return std::nullopt;
}
