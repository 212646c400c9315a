#include "Readers.h"

// Gamry Framework .DTA: tab-separated objects, then tables. The EIS table starts at a line
// `ZCURVE<TAB>TABLE`, followed by its names line (`<TAB>Pt<TAB>Time<TAB>Freq<TAB>Zreal...`),
// a units line and one row per frequency. Table lines start with a tab; any other line ends
// the table (an aborted run goes on with `EXPERIMENTABORTED` and other tables). Zimag is
// Im(Z), negative for a capacitor.
namespace {
enum Stage : std::uint8_t { kSeekingTable, kNames, kTable };
}

void ReadGamryLine(ReaderState& state, std::string_view line, RowSink& sink) {
    switch (state.stage) {
    case kSeekingTable:
        break;
    case kNames:
        state.stage = TakeHeader(state, line, Separator::Tab, sink) ? kTable : kSeekingTable;
        return;
    case kTable:
        if (!line.empty() && line.front() == '\t') {
            // The units line and garbled rows are no rows.
            SendTableRow(state, line, sink);
            return;
        }
        state.stage = kSeekingTable;
        break;
    }
    if (StartsWithField(line, "ZCURVE"))
        state.stage = kNames;
}

bool GamryTakesRow(const ReaderState& state, std::string_view line) {
    return state.stage == kTable && !line.empty() && line.front() == '\t';
}
