#include "FitCsv.h"

#include "PointsCsv.h"

namespace {

// A name with a separator, a quote or a line end is quoted, its quotes doubled.
void appendField(std::string_view field, std::string& text) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        text += field;
        return;
    }
    text += '"';
    for (char c : field) {
        if (c == '"')
            text += '"';
        text += c;
    }
    text += '"';
}

} // namespace

std::string FitCsvHeader(const Circuit& circuit) {
    std::string header(kFitCsvStart.substr(0, kFitCsvStart.size() - 1));
    for (const CircuitParameter& p : circuit.parameters()) {
        const std::string unit = p.unit.empty() ? "" : "/" + p.unit;
        header += "," + p.name + unit + "," + p.name + " err" + unit;
    }
    return header + "\n";
}

void AppendFitCsvLine(std::string_view file, std::uint32_t sweep, std::size_t parameters,
                      const FitResult& result, std::string& text) {
    appendField(file, text);
    text += "," + std::to_string(sweep) + "," + std::to_string(result.points) + ",";
    const bool fitted = result.status == FitResult::Status::Fitted;
    if (fitted)
        AppendCsvNumber(result.chi2, text);
    for (std::size_t i = 0; i < parameters; ++i) {
        text += ',';
        if (fitted)
            AppendCsvNumber(result.values[i], text);
        text += ',';
        if (fitted)
            AppendCsvNumber(result.errors[i], text);
    }
    text += '\n';
}
