#pragma once

#include "analysis/CircuitFit.h"

#include <cstdint>
#include <string>
#include <string_view>

// The parameter table of a fit as CSV: a row a sweep, `file,sweep,points,chi2,` and then each
// parameter and its standard error, units in the header (`R1/Ohm,R1 err/Ohm`).

// How the header line starts, the mark of a table Korvane wrote.
inline constexpr std::string_view kFitCsvStart = "file,sweep,points,chi2,";

// The header line, line end included.
std::string FitCsvHeader(const Circuit& circuit);

// Appends the row of one sweep of `file`, line end included; chi2 and the parameters are
// left empty for a sweep that was not fitted.
void AppendFitCsvLine(std::string_view file, std::uint32_t sweep, std::size_t parameters,
                      const FitResult& result, std::string& text);
