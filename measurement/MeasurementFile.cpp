#include "MeasurementFile.h"

#include "Encoding.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace {

// A file not opened because `step` failed with the error `number` (0: the path names no
// regular file).
MeasurementFile notOpened(const std::string& path, IoStep step, int number) {
    MeasurementFile file;
    file.path = path;
    file.error = IoError{step, number, path};
    return file;
}

} // namespace

// Read-only and unlocked, so the program writing the file is never refused or slowed.
// Non-blocking, so should a FIFO take the place of the file between the test and the
// opening, it cannot stall the tick.
MeasurementFile OpenMeasurementFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return notOpened(path, IoStep::Examine, errno);
    if (!S_ISREG(info.st_mode))
        return notOpened(path, IoStep::Examine, 0);
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd)
        return notOpened(path, IoStep::Open, errno);
    if (::fstat(fd.get(), &info) != 0)
        return notOpened(path, IoStep::Measure, errno);
    if (!S_ISREG(info.st_mode))
        return notOpened(path, IoStep::Examine, 0);
    MeasurementFile file;
    file.fd = std::move(fd);
    file.path = path;
    file.size = static_cast<std::uint64_t>(info.st_size);
    file.device = static_cast<std::uint64_t>(info.st_dev);
    file.inode = static_cast<std::uint64_t>(info.st_ino);
    return file;
}

bool BeginReading(LineReader& reader, ReadOutcome& outcome) {
    std::string_view head;
    if (!reader.head(head)) {
        outcome.error = reader.error();
        outcome.stopped = reader.stopped();
        return false;
    }
    outcome.detection = DetectFormat(head, head.size() < LineReader::kHeadSize);
    reader.setUnits(UnitsOf(outcome.detection.encoding.encoding),
                    outcome.detection.encoding.bomSize, outcome.detection.lineEnd);
    outcome.state = StartReading(outcome.detection);
    return true;
}

ReadOutcome ReadMeasurementBytes(std::string_view bytes, RowSink& sink) {
    LineReader reader(bytes);
    return ReadMeasurement(reader, bytes.size(), sink);
}
