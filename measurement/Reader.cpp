#include "Reader.h"

#include "Readers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// More lines than any text format writes before the line its format is told by.
constexpr std::uint64_t kPreambleLines = 16;
} // namespace

std::string RefusalText(const Detection& detection, const ReaderState& state, bool watching) {
    if (!detection.refusal.empty())
        return detection.refusal;
    // Text that gave not a single row is no measurement; an empty file may still become one.
    if (state.refusal == Refusal::None && state.format == Format::Plain && state.rows == 0 &&
        state.sawText && (!watching || state.lines > kPreambleLines))
        return "not a measurement file (text with no row of numbers)";
    return RefusalWords(state.refusal, state.refusalDetail);
}

ReaderState StartReading(const Detection& detection) {
    ReaderState state;
    state.format = detection.format;
    state.separator = detection.separator;
    state.decimalComma = detection.separator != Separator::Comma;
    // A line that provides no number before any line has keeps NaN: a point that is never
    // drawn and moves no extreme.
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    state.carried[0] = state.carried[1] = state.carried[2] = kNaN;
    if (detection.format == Format::Csv && !detection.header) {
        state.headerless = true;
        state.columns = ColumnMap::ByPosition();
        state.stage = 1;
    }
    return state;
}

void ReadFormattedLine(ReaderState& state, std::string_view line, RowSink& sink) {
    switch (state.format) {
    case Format::Plain:
        ReadPlainLine(state, line, sink);
        return;
    case Format::GamryDta:
        ReadGamryLine(state, line, sink);
        return;
    case Format::BioLogicMpt:
        ReadBioLogicLine(state, line, sink);
        return;
    case Format::ZView:
        ReadZViewLine(state, line, sink);
        return;
    case Format::Chi:
        ReadChiLine(state, line, sink);
        return;
    case Format::Nova:
    case Format::PalmSensCsv:
    case Format::Csv:
        ReadTableLine(state, line, sink);
        return;
    case Format::BioLogicMpr:
    case Format::ZahnerIsm:
    case Format::PalmSensSession:
        return; // read by their layout, never by lines
    }
}

bool TakesTableRow(const ReaderState& state, std::string_view line) {
    switch (state.format) {
    case Format::GamryDta:
        return GamryTakesRow(state, line);
    case Format::BioLogicMpt:
        return BioLogicTakesRow(state, line);
    case Format::ZView:
        return ZViewTakesRow(state, line);
    case Format::Chi:
        return ChiTakesRow(state, line);
    case Format::Nova:
    case Format::PalmSensCsv:
    case Format::Csv:
        return TableTakesRow(state, line);
    default:
        return false;
    }
}

namespace {

// Gamry's sweeps are its tables; a cycle column's sweeps are its values.
void countSweep(ReaderState& state, const RowValues& values, double frequency) {
    if (state.format == Format::GamryDta)
        return;
    if (!state.columns.has(ColumnRole::Cycle)) {
        FollowSweep(state, frequency);
        return;
    }
    const double cycle = values.value[static_cast<int>(ColumnRole::Cycle)];
    const bool same = cycle == state.cycle || (std::isnan(cycle) && std::isnan(state.cycle));
    if (state.rows == 0 || !same) {
        ++state.sweeps;
        state.cycle = cycle;
    }
}

} // namespace

bool SendTableRow(ReaderState& state, std::string_view line, RowSink& sink) {
    RowValues values;
    if (!ReadTableRow(line, state.separator, state.decimalComma, state.columns, values,
                      state.sawDecimalComma))
        return false;
    SendTableValues(state, values, sink);
    return true;
}

void SendTableValues(ReaderState& state, const RowValues& values, RowSink& sink) {
    const Impedance z = ToImpedance(state.columns, values);
    countSweep(state, values, z.frequency);
    sink.OnRow(
        Row{z.frequency, z.real, z.negImag, state.lines, state.rows, std::max(state.sweeps, 1u)});
    ++state.rows;
}

bool TakeHeader(ReaderState& state, std::string_view line, Separator separator, RowSink& sink) {
    ColumnMap map;
    ColumnNames names;
    if (!MapHeader(line, separator, map, &names))
        return false;
    state.columns = map;
    state.separator = separator;
    state.decimalComma = separator != Separator::Comma;
    // Each of Gamry's ZCURVE tables is a sweep, and so is an EC-Lab table without cycle
    // column; a cycle column counts sweeps itself. Elsewhere only the frequency tells.
    const bool tableIsSweep = state.format == Format::GamryDta ||
                              (state.format == Format::BioLogicMpt && !map.has(ColumnRole::Cycle));
    if (tableIsSweep)
        ++state.sweeps;
    sink.OnHeader(map, names);
    return true;
}

bool StartsWithField(std::string_view line, std::string_view name) {
    return line.substr(0, name.size()) == name &&
           (line.size() == name.size() || line[name.size()] == '\t' || line[name.size()] == ' ' ||
            line[name.size()] == '\r');
}
