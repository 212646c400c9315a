#include "MeasurementHead.h"

#include "MeasurementFile.h"

namespace {

class NoSink final : public RowSink {
  public:
    void OnRow(const Row&) override {}
};

} // namespace

bool HeadIsMeasurement(std::string_view head) {
    LineReader reader(head);
    ReadOutcome outcome;
    if (!BeginReading(reader, outcome) || !outcome.detection.refusal.empty())
        return false;
    // A binary layout read from its head alone would seem cut short; its signature decides.
    if (!IsLineFormat(outcome.detection.format))
        return true;
    // A line cut at the head's end may be a number cut in two.
    const ReadOptions options{.watching = true,
                              .sizeChanged = head.size() >= LineReader::kHeadSize};
    NoSink sink;
    ReadLines(reader, head.size(), sink, options, outcome);
    return RefusalText(outcome.detection, outcome.state, true).empty() &&
           (outcome.state.rows > 0 || outcome.state.format != Format::Plain);
}
