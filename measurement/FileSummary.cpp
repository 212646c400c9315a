#include "FileSummary.h"

#include "Encoding.h"
#include "MeasurementFile.h"
#include "ShortestNumber.h"

#include <algorithm>
#include <vector>

namespace {

// Sweeps beyond this many are counted, not listed: a file may hold a sweep every few rows.
constexpr std::uint32_t kListedSweeps = 100;

struct SweepSummary {
    std::uint64_t points = 0;
    double first = 0, last = 0; // frequencies
};

// Counts the rows and keeps the first and the last, the points and frequency range of the
// first sweeps, and the names of the columns used.
class SummarySink final : public RowSink {
  public:
    void OnRow(const Row& row) override {
        if (rows == 0)
            first = row;
        last = row;
        ++rows;
        if (row.sweep == 0 || row.sweep > kListedSweeps)
            return;
        if (sweeps.size() < row.sweep)
            sweeps.resize(row.sweep);
        SweepSummary& sweep = sweeps[row.sweep - 1];
        if (sweep.points++ == 0)
            sweep.first = row.frequency;
        sweep.last = row.frequency;
    }
    void OnHeader(const ColumnMap& map, const ColumnNames& names) override {
        columns.clear();
        auto add = [&](ColumnRole role, const char* what) {
            const int r = static_cast<int>(role);
            if (map.column[r] < 0)
                return;
            if (!columns.empty())
                columns += ", ";
            columns += what;
            columns += " = ";
            columns += names.name[r];
            columns += " (column " + std::to_string(map.column[r] + 1) + ")";
        };
        add(ColumnRole::Frequency, "f");
        add(ColumnRole::Real, "Z'");
        add(ColumnRole::Imaginary,
            map.negated[static_cast<int>(ColumnRole::Imaginary)] ? "-Z''" : "Z''");
        add(ColumnRole::Magnitude, "|Z|");
        add(ColumnRole::Phase,
            map.negated[static_cast<int>(ColumnRole::Phase)] ? "-phase" : "phase");
        add(ColumnRole::Cycle, "cycle");
    }

    std::uint64_t rows = 0;
    Row first{}, last{};
    std::vector<SweepSummary> sweeps; // by number, up to kListedSweeps
    std::string columns;              // as the file spells them
};

std::string number(double value, bool float32) {
    std::string text;
    AppendShortest(value, float32, text);
    return text;
}

std::string triple(const Row& row, bool float32) {
    return number(row.frequency, float32) + " " + number(row.real, float32) + " " +
           number(row.negImag, float32);
}

// `sweeps: N`, then a line for each of the first sweeps; nothing before a sweep began.
std::string describeSweeps(std::uint32_t count, const SummarySink& sink, bool float32) {
    if (count == 0)
        return {};
    std::string text = "sweeps: " + std::to_string(count) + "\n";
    const std::uint32_t listed = std::min(count, kListedSweeps);
    for (std::uint32_t n = 1; n <= listed; ++n) {
        text += "sweep " + std::to_string(n) + ": ";
        const SweepSummary sweep = n <= sink.sweeps.size() ? sink.sweeps[n - 1] : SweepSummary{};
        if (sweep.points == 0)
            text += "no points";
        else if (sweep.points == 1)
            text += "1 point, " + number(sweep.first, float32) + " Hz";
        else
            text += std::to_string(sweep.points) + " points, " + number(sweep.first, float32) +
                    " Hz to " + number(sweep.last, float32) + " Hz";
        text += "\n";
    }
    if (count > listed)
        text += "sweeps " + std::to_string(listed + 1) + " to " + std::to_string(count) +
                ": not listed (" + std::to_string(count - listed) + " more)\n";
    return text;
}

// The lines after the first four for the formats read by their binary or JSON layout.
std::string describeLayout(const ReadOutcome& outcome, const SummarySink& sink) {
    const ReaderState& state = outcome.state;
    std::string text;
    switch (outcome.detection.format) {
    case Format::BioLogicMpr:
        text += "encoding: binary, little-endian\n";
        if (state.records.size == 0) {
            text += "columns: no data module yet\n";
            break;
        }
        text += "columns: f = freq/Hz (id 32), Z' = Re(Z)/Ohm (id 37), -Z'' = -Im(Z)/Ohm "
                "(id 38)";
        if (state.records.cycle >= 0)
            text += ", cycle = cycle number (id 24)";
        text += "\nrecord: " + std::to_string(state.records.size) + " bytes\n";
        if (outcome.cutShort > 0)
            text +=
                "last record cut short: " + std::to_string(outcome.cutShort) + " bytes held back\n";
        break;
    case Format::ZahnerIsm:
        text += "encoding: binary, big-endian\n";
        text += "columns: f, |Z| and phase (radians) arrays\n";
        break;
    default:
        text +=
            "encoding: " + std::string(EncodingName(outcome.detection.encoding.encoding)) + "\n";
        text += "columns: Frequency, ZRe and ZIm (-Z'') arrays of each impedance curve\n";
        break;
    }
    return text + describeSweeps(state.sweeps, sink, StoresFloat32(outcome.detection.format));
}

std::string describe(const ReadOutcome& outcome, const SummarySink& sink) {
    const Detection& detection = outcome.detection;
    const ReaderState& state = outcome.state;
    std::string text;
    text += "format: " + std::string(FormatName(detection.format)) + "\n";
    text += "points: " + std::to_string(sink.rows) + "\n";
    const bool float32 = StoresFloat32(detection.format);
    if (sink.rows > 0) {
        text += "first: " + triple(sink.first, float32) + "\n";
        text += "last: " + triple(sink.last, float32) + "\n";
    }
    if (!IsLineFormat(detection.format))
        return text + describeLayout(outcome, sink);
    text += "encoding: " + std::string(EncodingName(detection.encoding.encoding)) + "\n";
    if (detection.format == Format::Plain) {
        text += "columns: f, Z', Z'' by position, separated by blanks; "
                "numbers missing from a line carried over from the line before\n";
        text += "decimal separator: point\n";
        return text + describeSweeps(state.sweeps, sink, false);
    }
    text += "separator: " + std::string(SeparatorName(state.separator)) + "\n";
    text += std::string("decimal separator: ") + (state.sawDecimalComma ? "comma" : "point") + "\n";
    if (state.headerless) {
        text += "columns: f, Z', Z'' by position (no header)\n";
    } else if (!sink.columns.empty()) {
        std::string columns;
        if (detection.encoding.encoding == TextEncoding::Cp1252)
            AppendUtf8FromCp1252(sink.columns, columns);
        else
            columns = sink.columns;
        text += "columns: " + columns + "\n";
    } else {
        text += "columns: no header found\n";
    }
    return text + describeSweeps(state.sweeps, sink, false);
}

} // namespace

std::optional<std::string> SummarizeMeasurementFile(const std::string& path,
                                                    std::optional<IoError>& error,
                                                    std::string& refusal) {
    MeasurementFile file = OpenMeasurementFile(path);
    if (!file) {
        error = std::move(file.error);
        return std::nullopt;
    }
    LineReader reader(file.fd.get(), ReadLimit(file.size));
    SummarySink sink;
    const ReadOutcome outcome = ReadMeasurement(reader, file.size, sink);
    if (outcome.error) {
        error = AtPath(outcome.error, path);
        return std::nullopt;
    }
    error.reset();
    if (std::string why = RefusalText(outcome.detection, outcome.state, false); !why.empty()) {
        refusal = std::move(why);
        return std::nullopt;
    }
    return describe(outcome, sink);
}

std::string SummarizeMeasurementBytes(const std::string& bytes) {
    SummarySink sink;
    const ReadOutcome outcome = ReadMeasurementBytes(bytes, sink);
    return describe(outcome, sink);
}
