#include "FitColumns.h"

#include "PointsCsv.h"

#include <cmath>
#include <numbers>

void AppendFitCsvColumns(const Circuit& circuit, const FitResult& result, double frequency,
                         std::string& text) {
    const bool fitted = result.status == FitResult::Status::Fitted &&
                        result.values.size() == circuit.parameters().size();
    if (!fitted || !(frequency > 0) || !std::isfinite(frequency)) {
        text += ",,";
        return;
    }
    const std::complex<double> z =
        circuit.impedance(2 * std::numbers::pi * frequency, result.values);
    text += ',';
    AppendCsvNumber(z.real(), text);
    text += ',';
    AppendCsvNumber(-z.imag(), text);
}
