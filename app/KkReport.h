#pragma once

#include "analysis/KramersKronig.h"

#include <QTextStream>

#include <cstdint>
#include <string>

// `korvane --kk FILE`: checks every sweep of the file and prints a line for each to `out`,
// returning 0, or says why the file cannot be read on `err` and returns 1.
int PrintKkReport(const std::string& file, const KkOptions& options, QTextStream& out,
                  QTextStream& err);

// The line of one sweep, without its line end:
//   kk sweep 1: 61 points, M 23, mu 0.845123, chi2 2.1e-07, noise 0.05 %,
//   largest residual 0.14 % at 3.98 Hz: valid
// with ", over 1 % from 0.1 Hz to 2.5 Hz" (or "at 0.1 Hz" for one point) before ": invalid"
// when a residual is beyond the limit, and ", 2 left out" after the points when some had no
// positive frequency or no finite impedance.
std::string KkLine(std::uint32_t sweep, const KkResult& result, double limitPercent);
