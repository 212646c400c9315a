#include "MprReader.h"

#include "ByteOrder.h"
#include "MprColumns.h"

#include <algorithm>

namespace {

enum Stage : std::uint8_t { kModules, kRecords };

constexpr std::uint64_t kFileHeader = 0x34; // magic, padding, four zero bytes
constexpr std::size_t kOldHeader = 51;      // after `MODULE`
constexpr std::size_t kNewHeader = 59;
constexpr std::string_view kModule = "MODULE";

void refuse(ReaderState& state, Refusal why, std::uint32_t detail = 0) {
    state.refusal = why;
    state.refusalDetail = detail;
}

// Where the first record lies in the data body, and the width of the column count, by the
// module's layout; false for a layout not known.
struct DataLayout {
    std::size_t countWidth;
    std::size_t firstRecord;
};

bool dataLayout(bool newHeader, std::uint32_t version, DataLayout& layout) {
    if (newHeader && version == 11)
        layout = {2, 0x3EF};
    else if (!newHeader && version == 2)
        layout = {1, 0x195};
    else if (!newHeader && version == 3)
        layout = {1, 0x196};
    else
        return false;
    return true;
}

// Reads the column list at the start of the data body and lays out a record; false, with the
// refusal in `state`, when a record cannot be laid out.
bool layOut(std::string_view body, const DataLayout& layout, ReaderState& state) {
    const std::size_t columns = LoadLittle(body.data() + 4, static_cast<int>(layout.countWidth));
    const std::size_t idsAt = 4 + layout.countWidth;
    if (idsAt + 2 * columns > layout.firstRecord) {
        refuse(state, Refusal::LongColumnList, static_cast<std::uint32_t>(columns));
        return false;
    }
    RecordLayout& records = state.records;
    bool flagPlaced = false;
    std::uint32_t offset = 0;
    for (std::size_t i = 0; i < columns; ++i) {
        const auto id = static_cast<std::uint16_t>(LoadLittle(body.data() + idsAt + 2 * i, 2));
        int width = MprColumnWidth(id);
        if (width == 0) {
            refuse(state, Refusal::UnknownColumn, id);
            return false;
        }
        if (IsMprFlagColumn(id)) {
            width = flagPlaced ? 0 : 1;
            flagPlaced = true;
        }
        const auto at = static_cast<std::int32_t>(offset);
        auto place = [&](std::int32_t& field, std::uint16_t wanted) {
            if (id == wanted && field < 0)
                field = at;
        };
        place(records.frequency, kMprFrequency);
        place(records.real, kMprReal);
        place(records.negImag, kMprNegImag);
        place(records.cycle, kMprCycle);
        offset += static_cast<std::uint32_t>(width);
    }
    if (records.frequency < 0 || records.real < 0 || records.negImag < 0) {
        refuse(state, Refusal::NoImpedance);
        return false;
    }
    records.size = offset;
    return true;
}

bool failed(LineReader::Status status, const LineReader& reader, ReadOutcome& outcome) {
    if (status == LineReader::Status::Error) {
        outcome.error = reader.error();
        outcome.stopped = reader.stopped();
    }
    return status != LineReader::Status::Line;
}

// Walks the modules from the file's start to the data module's first record. Cut anywhere
// before it, the file has no points yet.
bool findRecords(LineReader& reader, ReadOutcome& outcome) {
    ReaderState& state = outcome.state;
    std::string_view bytes;
    if (failed(reader.nextBytes(kFileHeader, bytes), reader, outcome))
        return false;
    for (;;) {
        const std::uint64_t moduleAt = reader.position();
        if (failed(reader.nextBytes(kModule.size() + kOldHeader, bytes), reader, outcome) ||
            bytes.substr(0, kModule.size()) != kModule)
            return false;
        // Old header: body length at 35, version at 39. New one: 0xFFFFFFFF at 35, body
        // length at 39, a second version at 47, and 8 bytes more of date.
        const std::string_view header = bytes.substr(kModule.size());
        const bool isData = header.substr(0, 10) == "VMP data  ";
        const bool newHeader = LoadLittle(header.data() + 35, 4) == 0xFFFFFFFF;
        const std::uint64_t bodyLength = LoadLittle(header.data() + (newHeader ? 39 : 35), 4);
        const auto version =
            static_cast<std::uint32_t>(LoadLittle(header.data() + (newHeader ? 47 : 39), 4));
        if (newHeader && failed(reader.nextBytes(kNewHeader - kOldHeader, bytes), reader, outcome))
            return false;
        if (!isData) {
            if (failed(reader.skip(bodyLength), reader, outcome))
                return false;
            continue;
        }
        DataLayout layout{};
        if (!dataLayout(newHeader, version, layout)) {
            refuse(state, Refusal::UnknownVersion, version);
            return false;
        }
        const std::uint64_t bodyStart = reader.position();
        if (failed(reader.nextBytes(layout.firstRecord, bytes), reader, outcome))
            return false;
        if (!layOut(bytes, layout, state))
            return false;
        state.records.lengthField = moduleAt + kModule.size() + (newHeader ? 39 : 35);
        state.records.bodyStart = bodyStart;
        state.records.firstRecord = bodyStart + layout.firstRecord;
        return true;
    }
}

// Where the whole records end: at the module's end and after its point count once a further
// module follows it; at the end of the file while it is the last, being written, its length
// and count lagging behind or running ahead of the records present.
bool recordsEnd(const LineReader& reader, std::uint64_t length, const RecordLayout& records,
                std::uint64_t& end, ReadOutcome& outcome) {
    std::string field, count, next;
    if (!reader.bytesAt(records.lengthField, 4, field) ||
        !reader.bytesAt(records.bodyStart, 4, count)) {
        outcome.error = IoErrorFromErrno(IoStep::Read);
        return false;
    }
    end = length;
    if (field.size() < 4 || count.size() < 4)
        return true;
    const std::uint64_t moduleEnd = records.bodyStart + LoadLittle(field.data(), 4);
    if (moduleEnd + kModule.size() <= length && reader.bytesAt(moduleEnd, kModule.size(), next) &&
        next == kModule)
        end = std::min(moduleEnd, records.firstRecord + LoadLittle(count.data(), 4) * records.size);
    return true;
}

void readRecords(LineReader& reader, std::uint64_t length, RowSink& sink, ReadOutcome& outcome) {
    ReaderState& state = outcome.state;
    const RecordLayout& records = state.records;
    std::uint64_t end = 0;
    if (!recordsEnd(reader, length, records, end, outcome))
        return;
    std::string_view record;
    while (reader.position() + records.size <= end) {
        if (failed(reader.nextBytes(records.size, record), reader, outcome))
            return;
        // A module written after a length that lagged behind: no record starts so, as
        // "MODU" read as the frequency would be 1.35e13 Hz.
        if (record.substr(0, kModule.size()) == kModule)
            return;
        const char* r = record.data();
        const double frequency = LoadFloat32Little(r + records.frequency);
        // A new cycle number starts a sweep; without the column, the frequency tells.
        if (records.cycle < 0) {
            FollowSweep(state, frequency);
        } else if (const std::uint64_t cycle = LoadLittle(r + records.cycle, 8);
                   state.rows == 0 || std::bit_cast<std::uint64_t>(state.cycle) != cycle) {
            ++state.sweeps;
            state.cycle = std::bit_cast<double>(cycle);
        }
        sink.OnRow(Row{frequency, LoadFloat32Little(r + records.real),
                       LoadFloat32Little(r + records.negImag), state.rows + 1, state.rows,
                       state.sweeps});
        ++state.rows;
        outcome.resumeAt = reader.position();
    }
    outcome.cutShort = end > reader.position() ? end - reader.position() : 0;
}

} // namespace

void ReadMprRecords(LineReader& reader, std::uint64_t length, RowSink& sink, ReadOutcome& outcome) {
    ReaderState& state = outcome.state;
    if (state.refusal != Refusal::None)
        return;
    if (state.stage == kModules) {
        if (!findRecords(reader, outcome))
            return;
        state.stage = kRecords;
        outcome.resumeAt = reader.position();
    }
    readRecords(reader, length, sink, outcome);
}

ByteSpan MprRewrittenBytes(const ReaderState& state) {
    if (state.format != Format::BioLogicMpr || state.stage != kRecords)
        return {};
    return {state.records.lengthField, state.records.bodyStart + 4};
}
