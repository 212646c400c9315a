#include "SafeOutput.h"

#include "IoErrorWords.h"
#include "measurement/io/FileDescriptor.h"

#include <QFile>

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <random>

namespace {

// The step that failed with the error number errno holds now.
QString failed(IoStep step, const std::string& path) {
    return IoErrorWords(IoErrorFromErrno(step, path));
}

std::string folderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Why a new file could not be made in the path's folder, or nothing.
std::optional<QString> whyNoNewFile(const std::string& path) {
    const std::string folder = folderOf(path);
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0)
        return failed(IoStep::Examine, folder);
    if (!S_ISDIR(info.st_mode))
        return IoErrorWords({IoStep::Examine, ENOTDIR, folder});
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return failed(IoStep::Create, folder);
    return std::nullopt;
}

// Whether the user keeps the file from being written: no one may write it, or this user may
// not. Root may write anything, so only the first tells its wish.
bool readOnly(const std::string& path, const struct stat& info) {
    if ((info.st_mode & 0222) == 0)
        return true;
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0 &&
           (errno == EACCES || errno == EROFS);
}

// The regular file a handle examined without opening leads to, opened for reading. Reopened
// through the handle itself, so what is opened is what was examined.
FileDescriptor openExamined(const FileDescriptor& handle, const std::string& path,
                            const struct stat& examined) {
    const std::string self = "/proc/self/fd/" + std::to_string(handle.get());
    FileDescriptor fd(::open(self.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd && errno == ENOENT) // no /proc: the path again, checked to be the same file
        fd = FileDescriptor(
            ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat info {};
    if (fd && (::fstat(fd.get(), &info) != 0 || info.st_dev != examined.st_dev ||
               info.st_ino != examined.st_ino)) {
        errno = EAGAIN;
        return {};
    }
    return fd;
}

// Why the file at `path`, never followed through a link, may not be replaced. It is judged
// by what lstat would say, and only a regular file is ever opened: a FIFO with a writer
// waiting on it, or a device, is left alone.
std::optional<QString> whyNotReplaceable(const std::string& path,
                                         const std::optional<FileIdentity>& keep,
                                         const OutputKind& kind) {
    const FileDescriptor handle(::open(path.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC));
    struct stat info {};
    if (!handle || ::fstat(handle.get(), &info) != 0)
        return failed(IoStep::Examine, path);
    if (keep && *keep == FileIdentity{info.st_dev, info.st_ino})
        return QStringLiteral("it is the measurement file");
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("not a regular file");
    if (readOnly(path, info))
        return QStringLiteral("it is read-only");
    const FileDescriptor fd = openExamined(handle, path, info);
    if (!fd)
        return failed(IoStep::Examine, path);
    std::string head(kMarkedHead, '\0');
    const ssize_t got = ::pread(fd.get(), head.data(), head.size(), 0);
    if (got < 0)
        return failed(IoStep::Examine, path);
    head.resize(static_cast<size_t>(got));
    if (!kind.marked(head))
        return QStringLiteral("it exists and is not %1").arg(kind.what);
    return std::nullopt;
}

// The name of a temporary file beside `path`: hidden, and short enough for any name the
// file system allows, the file's own name cut to make room.
std::string temporaryName(const std::string& path, unsigned number) {
    constexpr std::string_view kMark = ".kv-";
    constexpr size_t kDigits = 6;
    const size_t slash = path.rfind('/');
    const size_t start = slash == std::string::npos ? 0 : slash + 1;
    std::string name = path.substr(start);
    name.resize(std::min(name.size(), size_t{NAME_MAX} - 1 - kMark.size() - kDigits));
    std::string digits = std::to_string(number % 1000000);
    digits.insert(0, kDigits - digits.size(), '0');
    return path.substr(0, start) + "." + name + std::string(kMark) + digits;
}

// The permissions and group a file replacing the one at `path` takes: the old file's, or
// nothing for a new name.
struct Inherited {
    mode_t mode;
    gid_t group;
};
std::optional<Inherited> inheritedFrom(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return std::nullopt;
    return Inherited{static_cast<mode_t>(info.st_mode & 0777), info.st_gid};
}

// Gives the open file the group where this user may, and the mode exactly, past the umask.
bool takeOver(int fd, const Inherited& old) {
    return (::fchown(fd, static_cast<uid_t>(-1), old.group) == 0 || errno == EPERM) &&
           ::fchmod(fd, old.mode) == 0;
}

// A new, empty file beside `path` that no one else has opened, with the permissions and
// group of the file it will replace from the start (a new name gets the usual ones).
int createTemporary(const std::string& path, std::string& name) {
    static std::mt19937 random{std::random_device{}()};
    const auto old = inheritedFrom(path);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = temporaryName(path, static_cast<unsigned>(random()));
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              old ? old->mode : 0666);
        if (fd >= 0 && old && !takeOver(fd, *old)) {
            const int error = errno;
            ::close(fd);
            ::unlink(name.c_str());
            errno = error;
            return -1;
        }
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// The failed write, or nothing once all is written.
std::optional<IoError> writeAll(int fd, std::string_view bytes) {
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote < 0)
            return IoErrorFromErrno(IoStep::Write);
        done += static_cast<size_t>(wrote);
    }
    return std::nullopt;
}

// Pieces gathered into large writes, the first failure kept.
class FileSink {
  public:
    explicit FileSink(int fd) : fd_(fd) {}
    bool put(std::string_view piece) {
        if (error_)
            return false;
        buffer_.append(piece);
        return buffer_.size() < kFlushAt || flush();
    }
    bool flush() {
        if (!error_)
            error_ = writeAll(fd_, buffer_);
        buffer_.clear();
        return !error_;
    }
    const std::optional<IoError>& error() const { return error_; }

  private:
    static constexpr size_t kFlushAt = 256 * 1024;
    int fd_;
    std::optional<IoError> error_;
    std::string buffer_;
};

bool unsupported(int error) {
    return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

// Puts the finished temporary file at `path`, deciding at that moment what may be replaced.
// Whatever happens, nothing is left at the temporary name but a file that could not be put
// back, which the reason then names.
std::optional<QString> place(const std::string& temporary, const std::string& path,
                             const std::optional<FileIdentity>& keep, const OutputKind& kind) {
    const auto dropTemporary = [&temporary](std::optional<QString> why) {
        ::unlink(temporary.c_str());
        return why;
    };
    // A file system without atomic exchange: the best it allows is to check just before an
    // ordinary rename.
    const auto checkAndRename = [&]() -> std::optional<QString> {
        if (auto why = WhyNotOutput(path, keep, kind))
            return dropTemporary(why);
        if (::rename(temporary.c_str(), path.c_str()) != 0)
            return dropTemporary(failed(IoStep::Rename, path));
        return std::nullopt;
    };
    // A file that vanishes between the two steps is simply tried again.
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0)
            return std::nullopt;
        if (unsupported(errno))
            return checkAndRename();
        if (errno != EEXIST)
            return dropTemporary(failed(IoStep::Rename, path));
        if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_EXCHANGE) !=
            0) {
            if (errno == ENOENT)
                continue;
            if (unsupported(errno))
                return checkAndRename();
            return dropTemporary(failed(IoStep::Rename, path));
        }
        // The old file is now at the temporary name, out of anyone's way.
        const auto why = whyNotReplaceable(temporary, keep, kind);
        if (!why)
            return dropTemporary(std::nullopt);
        if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_EXCHANGE) != 0)
            return QStringLiteral("%1; it could not be put back and is now named %2")
                .arg(*why, QFile::decodeName(QByteArray::fromStdString(
                               temporary.substr(temporary.rfind('/') + 1))));
        return dropTemporary(why);
    }
    return dropTemporary(IoErrorWords({IoStep::Rename, EAGAIN, path}));
}

} // namespace

std::optional<FileIdentity> IdentityOfPath(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino};
}

std::optional<FileIdentity> IdentityOfDescriptor(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return std::nullopt;
    return FileIdentity{info.st_dev, info.st_ino};
}

std::optional<QString> WhyNotOutput(const std::string& path,
                                    const std::optional<FileIdentity>& keep,
                                    const OutputKind& kind) {
    // Names are shown and chosen as text.
    if (QFile::encodeName(QFile::decodeName(QByteArray::fromStdString(path))).toStdString() != path)
        return QStringLiteral("the name is not valid UTF-8");
    // Through a link first: a link to the measurement is named for what it leads to.
    if (keep && IdentityOfPath(path) == keep)
        return QStringLiteral("it is the measurement file");
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        if (errno == ENOENT)
            return whyNoNewFile(path);
        return failed(IoStep::Examine, path);
    }
    return whyNotReplaceable(path, keep, kind);
}

std::optional<QString> WriteThroughTemporary(const std::string& path,
                                             const std::optional<FileIdentity>& keep,
                                             const OutputKind& kind, const OutputWriter& write,
                                             const BeforePlacing& beforePlacing) {
    std::string temporary;
    const int fd = createTemporary(path, temporary);
    if (fd < 0)
        return failed(IoStep::Create, path);
    FileSink sink(fd);
    const auto why = write([&sink](std::string_view piece) { return sink.put(piece); });
    std::optional<IoError> error = sink.error();
    if (!why && !error && !sink.flush())
        error = sink.error();
    if (!why && !error && ::fsync(fd) != 0)
        error = IoErrorFromErrno(IoStep::Sync);
    // Some file systems report a failed write only here.
    if (::close(fd) != 0 && !error)
        error = IoErrorFromErrno(IoStep::Close);
    if (why || error) {
        ::unlink(temporary.c_str());
        if (!error)
            return why;
        error->path = path;
        return IoErrorWords(*error);
    }
    if (beforePlacing)
        beforePlacing();
    return place(temporary, path, keep, kind);
}

namespace {
bool pipeClosed = false;
} // namespace

std::optional<QString> WriteAllTo(int fd, std::string_view bytes) {
    std::signal(SIGPIPE, SIG_IGN);
    const auto error = writeAll(fd, bytes);
    if (!error)
        return std::nullopt;
    pipeClosed = pipeClosed || error->number == EPIPE;
    return IoErrorWords(*error);
}

bool OutputPipeClosed() {
    return pipeClosed;
}
