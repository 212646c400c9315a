#pragma once

#include "measurement/MeasurementFile.h"

// BioLogic EC-Lab / BT-Lab .mpr: walks the modules to the data module, learns the record
// layout from its column list, then reads the whole records present. Goes on from where
// `outcome` stands, so a file that grows costs only the records appended.
void ReadMprRecords(LineReader& reader, std::uint64_t length, RowSink& sink, ReadOutcome& outcome);

// The bytes of an .mpr that EC-Lab rewrites as records are appended (the data module's body
// length and point count), [from, to); empty before the layout is known. Comparing these
// with an earlier read would take every growing file for a rewritten one.
struct ByteSpan {
    std::uint64_t from = 0, to = 0;
};
ByteSpan MprRewrittenBytes(const ReaderState& state);
