#include "Readers.h"

// Scribner ZPlot/ZView .z. `ZPLOT2 ASCII`: an indented `Key: value` header, the tab-separated
// names line (`Freq(Hz) Ampl Bias Time(Sec) Z'(a) Z''(b) GD Err Range`), `End Comments`,
// then tab-separated rows. The legacy layout: quoted lines, a configuration line, the planned
// point count, the quoted names separated by blanks, then rows separated by `, `. Z''(b) is
// Im(Z). The declared point count is the planned sweep, never trusted: rows are read to the
// end.
namespace {
enum Stage : std::uint8_t { kHeader, kRows };
}

void ReadZViewLine(ReaderState& state, std::string_view line, RowSink& sink) {
    if (state.stage == kRows) {
        SendTableRow(state, line, sink);
        return;
    }
    const std::size_t first = line.find_first_not_of(" \t");
    if (first != std::string_view::npos && line[first] == '"') {
        const std::string_view cell = TrimCell(line);
        // The names are blank-separated inside the quotes; the rows are comma-separated.
        if (TakeHeader(state, cell, Separator::Blanks, sink)) {
            state.separator = Separator::Comma;
            state.decimalComma = false;
            state.stage = kRows;
        }
        return;
    }
    if (TakeHeader(state, line, Separator::Tab, sink))
        state.stage = kRows;
}
