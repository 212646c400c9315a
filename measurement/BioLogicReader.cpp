#include "Readers.h"

#include <charconv>

// BioLogic EC-Lab (or BT-Lab) ASCII export: line 2 `Nb header lines : N` counts every line up
// to and including the tab-separated column names; rows follow. -Im(Z)/Ohm is already
// negated. A file with repeated sweeps holds them all, told apart by `cycle number`.
namespace {
enum Stage : std::uint8_t { kHeader, kRows };

// N of `Nb header lines : N`, or 0.
std::uint64_t headerLineCount(std::string_view line) {
    constexpr std::string_view kKey = "Nb header lines";
    if (line.substr(0, kKey.size()) != kKey)
        return 0;
    const std::size_t colon = line.find(':');
    if (colon == std::string_view::npos)
        return 0;
    std::size_t i = colon + 1;
    while (i < line.size() && line[i] == ' ')
        ++i;
    std::uint64_t n = 0;
    std::from_chars(line.data() + i, line.data() + line.size(), n);
    return n;
}
} // namespace

void ReadBioLogicLine(ReaderState& state, std::string_view line, RowSink& sink) {
    if (state.stage == kRows) {
        SendTableRow(state, line, sink);
        return;
    }
    if (state.headerLine == 0 && state.lines <= 3)
        state.headerLine = headerLineCount(line);
    // The names are on line N; should they not be there, on the first line after the
    // first two that maps.
    const bool named = state.headerLine > 0 ? state.lines >= state.headerLine : state.lines > 2;
    if (named && TakeHeader(state, line, Separator::Tab, sink))
        state.stage = kRows;
}
