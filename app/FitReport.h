#pragma once

#include "analysis/CircuitFit.h"

#include <QTextStream>

#include <cstdint>
#include <string>

// `korvane --fit CIRCUIT FILE`: fits the circuit to every sweep of the file and prints a block
// for each to `out`, returning 0, or says why the file cannot be read on `err` and returns 1.
int PrintFitReport(const std::string& file, const Circuit& circuit, const FitOptions& options,
                   QTextStream& out, QTextStream& err);

// The block of one sweep, each line ended:
//   fit sweep 1: 57 points, R0-p(R1,C1), weight unit, chi2 1.41e-05, 38 iterations, converged
//   R0 = 0.016533 Ohm ± 0.21 %
// one line a parameter, the value in shortest round-trip form; "not converged" with the best
// values found, or one line "fit sweep 2: 5 points: too few for 7 parameters".
std::string FitBlock(std::uint32_t sweep, const Circuit& circuit, FitWeight weight,
                     const FitResult& result);

// The name --fit-weight takes for `weight`.
const char* FitWeightName(FitWeight weight);
