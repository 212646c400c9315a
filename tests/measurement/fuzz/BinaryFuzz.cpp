#include "measurement/LineReader.h"
#include "measurement/MeasurementFile.h"
#include "measurement/Reader.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// Rows in order, each with the next ordinal, sweeps counted from 1 and never going back.
class CheckingSink final : public RowSink {
  public:
    explicit CheckingSink(std::uint64_t firstIndex = 0, std::uint32_t sweep = 1)
        : rows(firstIndex), sweep(sweep) {}
    void OnRow(const Row& row) override {
        if (row.index != rows || row.sweep < sweep || row.sweep == 0)
            std::abort();
        sweep = row.sweep;
        ++rows;
    }
    std::uint64_t rows;
    std::uint32_t sweep;
};

ReadOutcome ReadPrefix(std::string_view bytes, CheckingSink& sink) {
    LineReader reader(bytes);
    return ReadMeasurement(reader, bytes.size(), sink);
}

} // namespace

// Any file, whole and cut short: the binary and JSON readers read it without crashing,
// hanging or reading beyond it (the sanitizers watch that), and a refused file gives no
// rows. An .mpr read on from where a cut read ended goes on with the next record.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckingSink whole;
    const ReadOutcome outcome = ReadPrefix(bytes, whole);
    if (whole.rows != outcome.state.rows ||
        (whole.rows > 0 && !RefusalText(outcome.detection, outcome.state, false).empty()))
        std::abort();

    for (const std::size_t cut : {size / 3, size / 2, size - size / 5, size - 1}) {
        if (cut >= size)
            continue;
        CheckingSink first;
        const ReadOutcome part = ReadPrefix(bytes.substr(0, cut), first);
        if (part.detection.format != Format::BioLogicMpr || part.resumeAt > cut)
            continue;
        // What a later tick reads, once the file has grown to its whole size.
        LineReader reader(bytes);
        if (reader.skip(part.resumeAt) != LineReader::Status::Line && part.resumeAt > 0)
            std::abort();
        ReadOutcome next;
        next.detection = part.detection;
        next.state = part.state;
        CheckingSink rest(first.rows, first.rows > 0 ? first.sweep : 1);
        ReadLines(reader, size, rest, ReadOptions{}, next);
        if (next.state.rows != rest.rows)
            std::abort();
    }
    return 0;
}
