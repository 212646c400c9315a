#include "Readers.h"

// A table with a header row (generic CSV/TSV, NOVA and PalmSens exports), or comma-separated
// f, Z', Z'' without one. Lines before the header are skipped. A line that is no row may be
// the header of a further table (PalmSens stacks one per curve or channel), which then
// takes over.
namespace {
enum Stage : std::uint8_t { kHeader, kRows };
}

void ReadTableLine(ReaderState& state, std::string_view line, RowSink& sink) {
    if (state.stage == kRows) {
        if (!SendTableRow(state, line, sink) && !state.headerless)
            TakeHeader(state, line, state.separator, sink);
        return;
    }
    if (TakeHeader(state, line, state.separator, sink))
        state.stage = kRows;
}

bool TableTakesRow(const ReaderState& state, std::string_view) {
    return state.stage == kRows;
}
