#include "Readers.h"

// BioLogic EC-Lab (or BT-Lab) ASCII export: line 2 `Nb header lines : N` counts every line up
// to and including the tab-separated column names; rows follow. -Im(Z)/Ohm is already
// negated. A file with repeated sweeps holds them all, told apart by `cycle number` (without
// it, by the frequency turning back).
//
// The names are taken on the first line after the first two that maps, whatever N says: no
// settings line maps, and a count beyond the file's end (2^64 - 1, say) must not lose every
// row.
namespace {
enum Stage : std::uint8_t { kHeader, kRows };
} // namespace

void ReadBioLogicLine(ReaderState& state, std::string_view line, RowSink& sink) {
    if (state.stage == kRows) {
        SendTableRow(state, line, sink);
        return;
    }
    if (state.lines > 2 && TakeHeader(state, line, Separator::Tab, sink))
        state.stage = kRows;
}

bool BioLogicTakesRow(const ReaderState& state, std::string_view) {
    return state.stage == kRows;
}
