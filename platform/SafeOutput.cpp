#include "SafeOutput.h"

#include <QFile>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace {

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
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
        return systemReason(errno);
    if (!S_ISDIR(info.st_mode))
        return systemReason(ENOTDIR);
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        return systemReason(errno);
    return std::nullopt;
}

// Whether the regular file at `path` begins with `signature`; a read error is a reason.
std::optional<QString> whyNotSigned(const std::string& path, std::string_view signature,
                                    const QString& what) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return systemReason(errno);
    std::string start(signature.size(), '\0');
    struct stat info {};
    ssize_t got = -1;
    // Checked again once open: the name may have changed hands since.
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode))
        got = ::pread(fd, start.data(), start.size(), 0);
    const int error = errno;
    ::close(fd);
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("not a regular file");
    if (got < 0)
        return systemReason(error);
    if (static_cast<size_t>(got) != start.size() || start != signature)
        return QStringLiteral("it exists and is not %1").arg(what);
    return std::nullopt;
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
                                    std::string_view signature, const QString& what) {
    // The temporary file is named through the toolkit, which takes text.
    if (QFile::encodeName(QFile::decodeName(QByteArray::fromStdString(path))).toStdString() != path)
        return QStringLiteral("the name is not valid UTF-8");
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno == ENOENT)
            return whyNoNewFile(path);
        return systemReason(errno);
    }
    if (keep && *keep == FileIdentity{info.st_dev, info.st_ino})
        return QStringLiteral("it is the measurement file");
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("not a regular file");
    return whyNotSigned(path, signature, what);
}

std::optional<QString> WriteThroughTemporary(const std::string& path, const DeviceWriter& write) {
    QSaveFile out(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString();
    if (auto reason = write(out)) {
        out.cancelWriting();
        return reason;
    }
    if (!out.commit())
        return out.errorString();
    return std::nullopt;
}

std::optional<QString> WriteAllTo(int fd, std::string_view bytes) {
    std::signal(SIGPIPE, SIG_IGN);
    for (size_t done = 0; done < bytes.size();) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote < 0)
            return systemReason(errno);
        done += static_cast<size_t>(wrote);
    }
    return std::nullopt;
}
