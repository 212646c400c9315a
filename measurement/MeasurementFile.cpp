#include "MeasurementFile.h"

#include "Encoding.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        close();
        fd_ = other.fd_;
        other.fd_ = -1;
    }
    return *this;
}

int FileDescriptor::close() {
    if (fd_ < 0)
        return 0;
    const int result = ::close(fd_);
    fd_ = -1;
    return result != 0 ? errno : 0;
}

// Read-only and unlocked, so the program writing the file is never refused or slowed.
// Non-blocking, so should a FIFO take the place of the file between the test and the
// opening, it cannot stall the tick.
MeasurementFile OpenMeasurementFile(const std::string& path) {
    MeasurementFile file;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        file.failedAt = MeasurementFile::Step::Examined;
        file.error = errno;
        return file;
    }
    if (!S_ISREG(info.st_mode)) {
        file.failedAt = MeasurementFile::Step::Examined;
        return file;
    }
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd) {
        file.failedAt = MeasurementFile::Step::Opening;
        file.error = errno;
        return file;
    }
    if (::fstat(fd.get(), &info) != 0) {
        file.failedAt = MeasurementFile::Step::Measuring;
        file.error = errno;
        return file;
    }
    if (!S_ISREG(info.st_mode)) {
        file.failedAt = MeasurementFile::Step::Examined;
        return file;
    }
    file.fd = std::move(fd);
    file.size = static_cast<std::uint64_t>(info.st_size);
    return file;
}

bool BeginReading(LineReader& reader, ReadOutcome& outcome) {
    std::string_view head;
    if (!reader.head(head)) {
        outcome.error = reader.error();
        return false;
    }
    outcome.detection = DetectFormat(head, head.size() < LineReader::kHeadSize);
    reader.setUnits(UnitsOf(outcome.detection.encoding.encoding),
                    outcome.detection.encoding.bomSize);
    outcome.state = StartReading(outcome.detection);
    return true;
}

ReadOutcome ReadMeasurementBytes(std::string_view bytes, RowSink& sink) {
    LineReader reader(bytes);
    return ReadMeasurement(reader, bytes.size(), sink);
}
