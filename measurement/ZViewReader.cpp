#include "Readers.h"

#include <optional>
#include <string>

// Scribner ZPlot/ZView .z. `ZPLOT2 ASCII`: an indented `Key: value` header, the tab-separated
// names line (`Freq(Hz) Ampl Bias Time(Sec) Z'(a) Z''(b) GD Err Range`), `End Comments`,
// then tab-separated rows. The legacy layout: quoted lines, a configuration line, the planned
// point count, the quoted names separated by blanks, then rows separated by `, `. Z''(b) is
// Im(Z). The declared point count is the planned sweep, never trusted: rows are read to the
// end.
namespace {
enum Stage : std::uint8_t { kHeader, kRows };

// The quoted names with each run of two or more blanks turned into a tab, or nothing when
// there is none: then single blanks part them. Names may hold a blank ("Freq (Hz)"), so
// where the names are aligned in columns, only the wider gaps part them.
std::optional<std::string> alignedNames(std::string_view names) {
    std::string split;
    bool wide = false;
    for (std::size_t i = 0; i < names.size();) {
        std::size_t run = 0;
        while (i + run < names.size() && (names[i + run] == ' ' || names[i + run] == '\t'))
            ++run;
        if (run >= 2) {
            split += '\t';
            wide = true;
        } else if (run == 1) {
            split += names[i];
        } else {
            split += names[i];
            run = 1;
        }
        i += run;
    }
    return wide ? std::optional(split) : std::nullopt;
}
} // namespace

void ReadZViewLine(ReaderState& state, std::string_view line, RowSink& sink) {
    if (state.stage == kRows) {
        SendTableRow(state, line, sink);
        return;
    }
    const std::size_t first = line.find_first_not_of(" \t");
    if (first != std::string_view::npos && line[first] == '"') {
        const std::string_view cell = TrimCell(line);
        // The names are blank-separated inside the quotes; the rows are comma-separated.
        const std::optional<std::string> aligned = alignedNames(cell);
        if (aligned ? TakeHeader(state, *aligned, Separator::Tab, sink)
                    : TakeHeader(state, cell, Separator::Blanks, sink)) {
            state.separator = Separator::Comma;
            state.decimalComma = false;
            state.stage = kRows;
        }
        return;
    }
    if (TakeHeader(state, line, Separator::Tab, sink))
        state.stage = kRows;
}

bool ZViewTakesRow(const ReaderState& state, std::string_view) {
    return state.stage == kRows;
}
