#pragma once

#include "analysis/KramersKronig.h"
#include "measurement/Reader.h"

#include <span>
#include <string>
#include <string_view>

// What an export with the Kramers-Kronig check adds after `line`: the fit's Z' and -Z'' and the
// two residuals of each row.
inline constexpr std::string_view kKkCsvColumns = ",kk Z'/Ohm,kk -Z''/Ohm,kk res'/%,kk res''/%";

// Appends the lines of `rows`, a sweep or a piece of one, each with its four columns from
// `result`; left empty for a row the check did not fit. `float32` as for AppendCsvLine.
void AppendKkCsvLines(std::span<const Row> rows, const KkResult& result, std::string& text,
                      bool float32 = false);
