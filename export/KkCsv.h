#pragma once

#include "analysis/KramersKronig.h"

#include <string>
#include <string_view>

// What an export with the Kramers-Kronig check adds after `line`: the fit's Z' and -Z'' and the
// two residuals of each row.
inline constexpr std::string_view kKkCsvColumns = ",kk Z'/Ohm,kk -Z''/Ohm,kk res'/%,kk res''/%";

// Appends the four columns of the `index`th row of the rows `result` covers; left empty for a
// row the check did not fit.
void AppendKkCsvColumns(const KkResult& result, std::size_t index, std::string& text);
