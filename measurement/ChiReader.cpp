#include "Readers.h"

// CH Instruments "A.C. Impedance" text: a date, the technique, `Key = value` parameters, the
// names line `Freq/Hz, Z'/ohm, Z"/ohm, Z/ohm, Phase/deg`, a blank line, then rows separated
// by `, `. Z" is Im(Z).
namespace {
enum Stage : std::uint8_t { kHeader, kRows };
}

void ReadChiLine(ReaderState& state, std::string_view line, RowSink& sink) {
    if (state.stage == kRows) {
        SendTableRow(state, line, sink);
        return;
    }
    if (TakeHeader(state, line, Separator::Comma, sink))
        state.stage = kRows;
}

bool ChiTakesRow(const ReaderState& state, std::string_view) {
    return state.stage == kRows;
}
