#pragma once

#include "FitColumns.h"
#include "analysis/KkOptions.h"
#include "measurement/MeasurementFile.h"
#include "measurement/Reader.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The first line of every CSV file of points Korvane writes. A file is only ever replaced by
// an export when it begins with this line.
inline constexpr std::string_view kPointsCsvHeader = "f/Hz,Z'/Ohm,-Z''/Ohm,|Z|/Ohm,phase/deg,line";

// Appends one row's line, line end included: f, Z', -Z'', |Z|, the phase in degrees and the
// row's line in the file. Numbers in shortest round-trip form whatever the locale; zero is
// always 0, a NaN is nan, infinities are inf and -inf. With `float32`, f, Z' and -Z'' are
// the float32 values of a file that stores them so, each in the shortest form that reads back
// to the same float32.
//
// The phase is that of Z = Z' + jZ'', from -180 to 180 degrees, so a capacitive arc has a
// negative phase: exactly the negation of the Bode diagram's "-phase" axis.
void AppendCsvLine(const Row& row, std::string& text, bool float32 = false);

// Appends one number of such a line.
void AppendCsvNumber(double value, std::string& text);

// Takes the text a piece at a time; false when a piece could not be written.
using TextOutput = std::function<bool(std::string_view)>;

// How an export ended: all written, or what stopped it.
struct CsvExportEnd {
    std::optional<IoError> readError; // the failed step of reading the measurement
    std::string refusal;              // why the file is no measurement Korvane reads
    bool outputFailed = false;
    bool complete() const { return !readError && refusal.empty() && !outputFailed; }
};

// Reads `file` whole as it stands and sends the header and one line per row read to `out`.
// Nothing at all is sent when the head cannot be read or the file is refused; a failed
// piece of output ends the read. With `kk`, each sweep is checked as KkCsv.h says, and with
// `fit` the circuit is fitted to it as FitColumns.h says; its rows are sent once the sweep is
// read.
CsvExportEnd WritePointsCsv(const MeasurementFile& file, const TextOutput& out,
                            const KkOptions* kk = nullptr, const CsvFit* fit = nullptr);
