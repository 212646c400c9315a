#include "ReadProgress.h"

#include "SeriesFeed.h"
#include "measurement/binary/MprReader.h"
#include "measurement/io/ReadBytesAt.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace {

ReadOutcome ReadOn(const MeasurementFile& file, ReadProgress& progress, const ReadOptions& options,
                   const std::atomic<bool>* stop) {
    LineReader reader(file.fd.get(), ReadLimit(file.size), progress.offset);
    reader.setStop(stop);
    ReadOutcome outcome;
    if (!progress.begun) {
        std::string_view head;
        if (!reader.head(head)) {
            outcome.error = reader.error();
            outcome.stopped = reader.stopped();
            return outcome;
        }
        progress.head.assign(head.substr(0, ReadProgress::kWindow));
        progress.headWasWholeFile = head.size() < LineReader::kHeadSize;
        BeginReading(reader, outcome); // the head is read: it cannot fail now
        progress.begun = true;
        progress.detection = outcome.detection;
        progress.series.StoreFloat32(StoresFloat32(outcome.detection.format));
    } else {
        outcome.detection = progress.detection;
        outcome.state = progress.state;
        reader.setUnits(UnitsOf(progress.detection.encoding.encoding), 0,
                        progress.detection.lineEnd);
        reader.setBytesBefore(progress.tail);
    }
    SeriesFeed feed(progress.series);
    ReadLines(reader, file.size, feed, options, outcome);
    if (outcome.error || outcome.stopped)
        return outcome;
    progress.state = outcome.state;
    // Shorter now than what was read: cut, perhaps rewritten, while it was read.
    struct stat info {};
    progress.cutShort = ::fstat(file.fd.get(), &info) != 0 ||
                        static_cast<std::uint64_t>(info.st_size) < outcome.resumeAt;
    progress.device = file.device;
    progress.inode = file.inode;
    progress.size = file.size;
    // Bytes the writer rewrites as the file grows are left out of both windows.
    const ByteSpan rewritten = MprRewrittenBytes(progress.state);
    if (rewritten.to > rewritten.from && progress.head.size() > rewritten.from)
        progress.head.resize(static_cast<std::size_t>(rewritten.from));
    if (outcome.resumeAt != progress.offset) {
        progress.offset = outcome.resumeAt;
        progress.lastLineOpen = outcome.lastLineOpen;
        const auto count = static_cast<std::size_t>(TailWindow(progress));
        // Kept from the read itself where it can be; the file's bytes otherwise (a held-back
        // line longer than the buffer). Without them the next read starts afresh.
        if (!reader.recent(progress.offset, count, progress.tail) &&
            !ReadBytesAt(file.fd.get(), progress.offset - count, count, progress.tail))
            progress.tail.clear();
    }
    return outcome;
}

} // namespace

std::uint64_t TailWindow(const ReadProgress& progress) {
    const std::uint64_t window = std::min<std::uint64_t>(progress.offset, ReadProgress::kWindow);
    const ByteSpan rewritten = MprRewrittenBytes(progress.state);
    if (rewritten.to <= progress.offset - window)
        return window;
    return progress.offset > rewritten.to ? progress.offset - rewritten.to : 0;
}

MeasurementFile OpenForReading(const std::string& path, ReadResult& result) {
    MeasurementFile file;
    if (::access(path.c_str(), R_OK) == 0)
        file = OpenMeasurementFile(path);
    if (file)
        result.found = true;
    else if (file.error && file.error->step == IoStep::Measure)
        result.error = file.error;
    return file;
}

void ReadInto(MeasurementFile& file, ReadProgress& progress, const ReadOptions& options,
              const std::atomic<bool>* stop, ReadResult& result) {
    const ReadOutcome outcome = ReadOn(file, progress, options, stop);
    if (outcome.stopped) {
        result.stopped = true;
        return;
    }
    if (progress.madeOfRows != progress.series.rows()) {
        progress.madeSeries = progress.series.Make();
        progress.madeOfRows = progress.series.rows();
    }
    result.series = progress.madeSeries;
    if (outcome.error) {
        result.error = AtPath(outcome.error, file.path);
        return;
    }
    result.format = FormatName(progress.detection.format);
    result.recordCutShort = outcome.cutShort > 0 && !options.sizeChanged;
    result.refusal = RefusalText(progress.detection, progress.state, options.watching);
    if (!result.refusal.empty())
        return;
    if (const int error = file.fd.close(); error != 0)
        result.error = IoError{IoStep::Close, error, file.path};
}
