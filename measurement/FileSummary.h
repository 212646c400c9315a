#pragma once

#include "measurement/io/IoError.h"

#include <optional>
#include <string>

// What `korvane --info FILE` prints: what Korvane understood of the file, read once as it
// stands. The first four lines are always
//   format: <short name>
//   points: <rows read>
//   first: <f> <Z'> <-Z''>
//   last: <f> <Z'> <-Z''>
// (first and last left out when there are no rows), numbers in shortest round-trip form;
// lines about the encoding, separators, columns and sweeps follow, the first 100 sweeps each
// with its points and its first and last frequency
//   sweep 1: 61 points, 1e+05 Hz to 0.01 Hz
// and one line for the sweeps not listed. Nothing, with the failed step in `error` or why the
// file is refused in `refusal`, when the file cannot be read.
std::optional<std::string> SummarizeMeasurementFile(const std::string& path,
                                                    std::optional<IoError>& error,
                                                    std::string& refusal);

// The same text for a file's bytes.
std::string SummarizeMeasurementBytes(const std::string& bytes);
