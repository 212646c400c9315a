#include "SafeOutput.h"

#include "IoErrorWords.h"

#include <QFile>

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
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

// Why the file at `path`, never followed through a link, may not be replaced.
std::optional<QString> whyNotReplaceable(const std::string& path,
                                         const std::optional<FileIdentity>& keep,
                                         const OutputKind& kind) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == ELOOP ? QStringLiteral("not a regular file")
                              : failed(IoStep::Examine, path);
    struct stat info {};
    std::string head(kMarkedHead, '\0');
    ssize_t got = -1;
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (regular)
        got = ::pread(fd, head.data(), head.size(), 0);
    const int error = errno;
    ::close(fd);
    if (keep && *keep == FileIdentity{info.st_dev, info.st_ino})
        return QStringLiteral("it is the measurement file");
    if (!regular)
        return QStringLiteral("not a regular file");
    if (got < 0)
        return IoErrorWords({IoStep::Examine, error, path});
    head.resize(static_cast<size_t>(got));
    if (!kind.marked(head))
        return QStringLiteral("it exists and is not %1").arg(kind.what);
    return std::nullopt;
}

// A new, empty file beside `path` that no one else has opened.
int createTemporary(const std::string& path, std::string& name) {
    static std::mt19937 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = path + ".korvane-" + std::to_string(random() % 1000000);
        const int fd =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
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
            return QStringLiteral("%1; it could not be put back and keeps its name with %2 added")
                .arg(*why, QString::fromLatin1(temporary.substr(path.size())));
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

std::optional<QString> WriteAllTo(int fd, std::string_view bytes) {
    std::signal(SIGPIPE, SIG_IGN);
    if (const auto error = writeAll(fd, bytes))
        return IoErrorWords(*error);
    return std::nullopt;
}
