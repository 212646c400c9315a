#include "MprReader.h"
#include "WholeFileReaders.h"
#include "measurement/MeasurementFile.h"

void ReadBinary(LineReader& reader, std::uint64_t length, RowSink& sink, ReadOutcome& outcome) {
    ReaderState& state = outcome.state;
    if (state.format == Format::BioLogicMpr) {
        ReadMprRecords(reader, length, sink, outcome);
        return;
    }
    // Read whole, once: a later read of the same file only goes on when nothing changed.
    if (state.stage != 0 || state.refusal != Refusal::None)
        return;
    std::string bytes;
    if (!ReadAllBytes(reader, length, bytes, outcome))
        return;
    if (state.format == Format::ZahnerIsm)
        ReadIsmSamples(bytes, sink, state);
    else
        ReadPalmSensSession(bytes, sink, state);
    state.stage = 1;
    outcome.resumeAt = bytes.size();
}
