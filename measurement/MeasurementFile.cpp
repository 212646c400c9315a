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
    file.device = static_cast<std::uint64_t>(info.st_dev);
    file.inode = static_cast<std::uint64_t>(info.st_ino);
    return file;
}

bool ReadBytesAt(int fd, std::uint64_t offset, std::size_t count, std::string& bytes) {
    bytes.resize(count);
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n =
            ::pread(fd, bytes.data() + got, count - got, static_cast<off_t>(offset + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return true;
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
                    outcome.detection.encoding.bomSize);
    outcome.state = StartReading(outcome.detection);
    return true;
}

ReadOutcome ReadMeasurementBytes(std::string_view bytes, RowSink& sink) {
    LineReader reader(bytes);
    return ReadMeasurement(reader, bytes.size(), sink);
}
