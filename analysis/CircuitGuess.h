#pragma once

#include "Circuit.h"

#include <span>
#include <vector>

// A start for a fit read from the spectrum itself, so no one need guess: R0 from the
// high-frequency intercept, each parallel arc's width from the real-axis span or its apex
// height, its capacitance from the apex frequency (omega R C = 1), exponents 0.9, Warburg
// sizes from the low-frequency slope. `omega`, `real` and `imag` (Z'') are the sweep's points
// sorted by falling frequency.
std::vector<double> GuessParameters(const Circuit& circuit, std::span<const double> omega,
                                    std::span<const double> real, std::span<const double> imag);
