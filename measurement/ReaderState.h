#pragma once

#include "Format.h"
#include "FrequencyTrend.h"
#include "Refusal.h"
#include "Table.h"

#include <cstdint>
#include <string_view>
#include <type_traits>

// One measurement row: frequency in hertz, Z' and -Z'' in ohm as the file means them (the
// sign already turned where the file holds Im(Z)), the line it came from (counted from 1; a
// binary file's record or sample number), its ordinal among the rows (from 0) and the sweep
// it belongs to (from 1).
struct Row {
    double frequency;
    double real;
    double negImag;
    std::uint64_t line;
    std::uint64_t index;
    std::uint32_t sweep;
};

// Where the records of a BioLogic .mpr lie and how each is laid out, once its data module's
// column list was read. Offsets count from the file's start; fields from the record's.
struct RecordLayout {
    std::uint64_t lengthField = 0; // its body length, rewritten while records are added
    std::uint64_t bodyStart = 0;   // its body, which starts with the point count
    std::uint64_t firstRecord = 0;
    std::uint32_t size = 0;                               // bytes a record
    std::int32_t frequency = -1, real = -1, negImag = -1; // float32 fields
    std::int32_t cycle = -1;                              // float64, or -1
};

// Where a reader sends what it finds. Nothing is stored per row.
class RowSink {
  public:
    virtual void OnRow(const Row& row) = 0;
    // A header line was understood; `names` are views into it, valid during the call.
    virtual void OnHeader(const ColumnMap& /*map*/, const ColumnNames& /*names*/) {}

  protected:
    ~RowSink() = default;
};

// All a reader knows between two lines: a plain value, so it can be copied after any line
// and reading resumed from the copy with the lines that follow.
struct ReaderState {
    Format format = Format::Plain;
    Separator separator = Separator::Blanks;
    bool decimalComma = false;    // a comma in a number is its decimal point
    bool sawDecimalComma = false; // a number was read that way
    bool headerless = false;      // Csv without header: f, Z', Z'' by position
    std::uint8_t stage = 0;       // how far into its format's layout the reader is
    ColumnMap columns;            // the header's columns, once found
    double carried[3] = {};       // Plain: the numbers carried from line to line
    double cycle = 0;             // EC-Lab: the cycle number of the last row
    std::uint32_t sweeps = 0;     // sweeps begun, the last row's one included
    FrequencyTrend trend;         // where the file marks no sweeps: how the last one runs
    std::uint64_t rows = 0;       // rows delivered
    std::uint64_t lines = 0;      // lines read
    bool sawText = false;         // Plain: a line before the first row was not blank
    Refusal refusal = Refusal::None;
    std::uint32_t refusalDetail = 0;
    RecordLayout records; // BioLogicMpr, once its stage says the layout is known
};

static_assert(std::is_trivially_copyable_v<ReaderState>,
              "a reader's state is a plain value, copied to resume reading");

// The state before the first line of a file detected as `detection` says.
ReaderState StartReading(const Detection& detection);

// The sweep of a row at `frequency` where the file marks none: the next one where the
// frequency turns back, and the first one at the first row.
inline std::uint32_t FollowSweep(ReaderState& state, double frequency) {
    if (TurnsBack(state.trend, frequency) || state.sweeps == 0)
        ++state.sweeps;
    return state.sweeps;
}
