#pragma once

#include "analysis/KkOptions.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Writes every row of the measurement file as CSV (PointsCsv.h) to `output`, "-" for
// standard output; both are the file system's bytes. Returns "cannot read FILE: ..." or
// "cannot write OUT: ...", or nothing once all is written. Before anything is read, an
// output that may not be written is refused: the measurement itself, or a file that is not a
// CSV file Korvane wrote. A file is written through a temporary one, so a failure leaves
// whatever was there before; standard output takes the text as it is read, so a read that
// fails part-way leaves the rows before it there. With `kk`, the columns of the Kramers-Kronig
// check of each sweep follow (export/KkCsv.h). `before` sees each piece bound for a file
// before it is written, and may stop the export by returning false: no file is then left.
std::optional<QString> ExportData(const std::string& measurement, const std::string& output,
                                  const KkOptions* kk = nullptr,
                                  const std::function<bool(std::string_view)>& before = {});
