#pragma once

#include "analysis/CircuitFit.h"

#include <QString>

#include <optional>
#include <string>

// `--fit-export OUT`: fits the circuit to every sweep of the measurement file and writes the
// parameter table (export/FitCsv.h) to `output`, "-" for standard output, under the rules of
// --export: nothing over the measurement, nothing over a file that is not such a table
// Korvane wrote, and a file written through a temporary one. Returns "cannot read FILE: ..."
// or "cannot write OUT: ...", or nothing once all is written.
std::optional<QString> ExportFit(const std::string& measurement, const std::string& output,
                                 const Circuit& circuit, const FitOptions& options);
