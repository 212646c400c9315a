#pragma once

#include "measurement/Reader.h"

#include <QString>

#include <optional>
#include <string>

// Reads every row of `file` into `sink` for a report of the command line: nothing, or
// "cannot read FILE: reason" when the file cannot be read or is no measurement.
std::optional<QString> ReadEveryRow(const std::string& file, RowSink& sink);
