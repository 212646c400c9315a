#include "FileGrowth.h"

#include "measurement/io/ReadBytesAt.h"

#include <algorithm>
#include <string>

namespace {

bool HoldsAt(int fd, std::uint64_t offset, const std::string& bytes) {
    std::string now;
    return ReadBytesAt(fd, offset, bytes.size(), now) && now == bytes;
}

// Whether the head, as it reads now, tells the format `progress` was read in. Only a head
// that was the whole file can tell another one once the file has grown.
bool SameFormat(int fd, const ReadProgress& progress) {
    if (!progress.headWasWholeFile)
        return true;
    std::string head;
    return ReadBytesAt(fd, 0, LineReader::kHeadSize, head) &&
           DetectFormat(head, head.size() < LineReader::kHeadSize) == progress.detection;
}

} // namespace

bool OnlyGrew(const MeasurementFile& file, const ReadProgress& progress) {
    if (!progress.begun || progress.cutShort || file.device != progress.device ||
        file.inode != progress.inode)
        return false;
    if (file.size < progress.size || file.size < progress.offset)
        return false;
    // A last line without line end was taken as it stood: what was appended may go on with it.
    if (progress.lastLineOpen && file.size != progress.size)
        return false;
    // A format read whole goes on only when nothing was added.
    if (!IsLineFormat(progress.detection.format) &&
        progress.detection.format != Format::BioLogicMpr && file.size != progress.size)
        return false;
    if (progress.tail.size() != TailWindow(progress))
        return false;
    const int fd = file.fd.get();
    return HoldsAt(fd, 0, progress.head) &&
           HoldsAt(fd, progress.offset - progress.tail.size(), progress.tail) &&
           SameFormat(fd, progress);
}
