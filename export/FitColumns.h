#pragma once

#include "analysis/CircuitFit.h"

#include <string>
#include <string_view>

// What an export with a circuit fit adds after `line` and any check's columns: the fitted
// model's Z' and -Z'' at the row's frequency.
inline constexpr std::string_view kFitCsvColumns = ",fit Z'/Ohm,fit -Z''/Ohm";

// The circuit an export fits to each sweep, and how.
struct CsvFit {
    const Circuit& circuit;
    const FitOptions& options;
};

// Appends the two columns of a row at `frequency` Hz; left empty where the sweep was not
// fitted or the frequency has no model.
void AppendFitCsvColumns(const Circuit& circuit, const FitResult& result, double frequency,
                         std::string& text);
