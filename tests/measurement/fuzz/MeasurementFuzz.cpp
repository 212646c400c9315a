#include "measurement/LineReader.h"
#include "measurement/MeasurementFile.h"
#include "measurement/MeasurementHead.h"
#include "measurement/Reader.h"
#include "measurement/Table.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

// Checks what every reader promises of its rows, and counts them.
class CheckingSink final : public RowSink {
  public:
    void OnRow(const Row& row) override {
        // Rows come in order, one line at most once, each with the next ordinal.
        if (row.index != rows || row.line == 0 || (rows > 0 && row.line <= lastLine))
            std::abort();
        lastLine = row.line;
        ++rows;
    }
    std::uint64_t rows = 0;
    std::uint64_t lastLine = 0;
};

} // namespace

// Any file: detection and the reader of whatever format it is taken for read it to its end
// without crashing, hanging or reading beyond it (the sanitizers watch that), and a reader
// copied after any line goes on exactly as the original does.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckingSink sink;
    const ReadOutcome outcome = ReadMeasurementBytes(bytes, sink);
    const bool byLines = IsLineFormat(outcome.detection.format);
    const bool refused = !outcome.detection.refusal.empty();
    if (outcome.state.rows != sink.rows || (byLines && sink.rows > outcome.state.lines) ||
        (refused && sink.rows > 0))
        std::abort();
    // A file that gives rows read whole is a measurement by its head alone.
    if (size < LineReader::kHeadSize && !refused && (sink.rows > 0 || !byLines) &&
        !HeadIsMeasurement(bytes))
        std::abort();
    // Binary layouts are not read by lines (the binary target resumes them), nor is what the
    // head refused.
    if (!byLines || refused)
        return 0;

    // Resuming from a copy of the state: the first half of the lines, then the rest.
    LineReader reader(bytes);
    std::string_view head;
    reader.head(head);
    const Detection detection = DetectFormat(head, head.size() < LineReader::kHeadSize);
    if (UnitsOf(detection.encoding.encoding) != TextUnits::Bytes)
        return 0;
    reader.setUnits(TextUnits::Bytes, detection.encoding.bomSize, detection.lineEnd);
    ReaderState state = StartReading(detection);
    CheckingSink first;
    std::string_view line;
    std::uint64_t lines = 0;
    while (reader.next(line) == LineReader::Status::Line) {
        // As the whole read does: a last row cut short is no row.
        if (!reader.terminated() && FewerFieldsThanNamed(line, state.separator, state.columns))
            break;
        if (++lines == outcome.state.lines / 2 + 1) {
            const ReaderState copy = state;
            state = copy;
        }
        ReadLine(state, line, first);
    }
    if (first.rows != sink.rows || state.rows != outcome.state.rows)
        std::abort();
    return 0;
}
