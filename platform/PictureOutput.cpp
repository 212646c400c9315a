#include "PictureOutput.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>

namespace {

// What Qt's own SVG generator and PDF writer begin their documents with.
constexpr std::array kFormats = {
    PictureFormat{"PNG", ".png", "\x89PNG\r\n\x1a\n"},
    PictureFormat{"SVG", ".svg", "<?xml"},
    PictureFormat{"PDF", ".pdf", "%PDF-"},
};

QString systemReason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

bool endsWithIgnoringCase(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() &&
           std::equal(
               ending.begin(), ending.end(), text.end() - ending.size(),
               [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); });
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
std::optional<QString> whyNotSigned(const std::string& path, const PictureFormat& format) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return systemReason(errno);
    std::string start(format.signature.size(), '\0');
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
    if (static_cast<size_t>(got) != start.size() || start != format.signature)
        return QStringLiteral("it exists and is not a %1 picture")
            .arg(QLatin1String(format.name.data(), static_cast<qsizetype>(format.name.size())));
    return std::nullopt;
}

// An SVG or PDF document drawn afresh at the image's size.
std::optional<QString> writeDocument(QIODevice& device, const QImage& image,
                                     const PictureFormat& format, const PictureDrawer& draw) {
    if (!draw)
        return QStringLiteral("there is no diagram to draw");
    const auto bytes = VectorPicture(format.ending == ".svg" ? VectorKind::Svg : VectorKind::Pdf,
                                     image.size(), draw);
    if (!bytes)
        return QStringLiteral("the diagram could not be drawn");
    if (device.write(*bytes) != bytes->size())
        return device.errorString();
    return std::nullopt;
}

std::optional<QString> writeImage(QIODevice& device, const QImage& image,
                                  const PictureFormat& format, const PictureDrawer& draw = {}) {
    if (format.ending != ".png")
        return writeDocument(device, image, format, draw);
    const QByteArray writerFormat =
        QByteArray(format.ending.data() + 1, static_cast<qsizetype>(format.ending.size() - 1));
    QImageWriter writer(&device, writerFormat);
    if (!writer.write(image))
        return writer.errorString();
    return std::nullopt;
}

// Writes in the format of the path's ending through a temporary file in the same folder,
// renamed into place only once `write` has put all of it there.
std::optional<QString> writeThroughTemporary(
    const std::string& path,
    const std::function<std::optional<QString>(QIODevice&, const PictureFormat&)>& write) {
    const PictureFormat* format = PictureFormatFor(path);
    if (format == nullptr)
        return QStringLiteral("unknown picture format");
    QSaveFile out(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!out.open(QIODevice::WriteOnly))
        return out.errorString();
    if (auto reason = write(out, *format)) {
        out.cancelWriting();
        return reason;
    }
    if (!out.commit())
        return out.errorString();
    return std::nullopt;
}

} // namespace

std::span<const PictureFormat> PictureFormats() {
    return kFormats;
}

const PictureFormat* PictureFormatFor(std::string_view path) {
    for (const PictureFormat& format : kFormats)
        if (endsWithIgnoringCase(path, format.ending))
            return &format;
    return nullptr;
}

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

std::optional<QString> WhyNotPictureOutput(const std::string& path,
                                           const std::optional<FileIdentity>& keep) {
    const PictureFormat* format = PictureFormatFor(path);
    if (format == nullptr) {
        QStringList endings;
        for (const PictureFormat& known : kFormats)
            endings << QLatin1String(known.ending.data(),
                                     static_cast<qsizetype>(known.ending.size()));
        return QStringLiteral("the name must end in %1").arg(endings.join(QStringLiteral(", ")));
    }
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
    return whyNotSigned(path, *format);
}

std::optional<QString> WritePicture(const QImage& image, const std::string& path,
                                    const PictureDrawer& draw) {
    return writeThroughTemporary(path, [&](QIODevice& out, const PictureFormat& format) {
        return writeImage(out, image, format, draw);
    });
}

std::optional<QString> WriteChartPicture(const ChartDrawer& draw, QSize sizePx, double dpi,
                                         const std::string& path) {
    return writeThroughTemporary(
        path, [&](QIODevice& out, const PictureFormat& format) -> std::optional<QString> {
            if (format.ending == ".png") {
                const QImage image = ChartImage(draw, sizePx, dpi);
                if (image.isNull())
                    return QStringLiteral("the diagram could not be drawn");
                return writeImage(out, image, format);
            }
            const auto bytes =
                format.ending == ".svg" ? ChartSvg(draw, sizePx, dpi) : ChartPdf(draw, sizePx, dpi);
            if (!bytes)
                return QStringLiteral("the diagram could not be drawn");
            if (out.write(*bytes) != bytes->size())
                return out.errorString();
            return std::nullopt;
        });
}

std::optional<QString> WritePngTo(int fd, const QImage& image) {
    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly))
        return buffer.errorString();
    if (auto reason = writeImage(buffer, image, kFormats[0]))
        return reason;
    std::signal(SIGPIPE, SIG_IGN);
    const QByteArray& bytes = buffer.data();
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t wrote =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote < 0)
            return systemReason(errno);
        done += wrote;
    }
    return std::nullopt;
}

std::optional<QString> WriteChartPngTo(int fd, const ChartDrawer& draw, QSize sizePx, double dpi) {
    const QImage image = ChartImage(draw, sizePx, dpi);
    if (image.isNull())
        return QStringLiteral("the diagram could not be drawn");
    return WritePngTo(fd, image);
}
