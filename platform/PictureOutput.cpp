#include "PictureOutput.h"

#include <QBuffer>
#include <QImageWriter>

#include <algorithm>
#include <array>
#include <cctype>
#include <functional>

namespace {

// What Qt's own SVG generator and PDF writer begin their documents with.
constexpr std::array kFormats = {
    PictureFormat{"PNG", ".png", "\x89PNG\r\n\x1a\n"},
    PictureFormat{"SVG", ".svg", "<?xml"},
    PictureFormat{"PDF", ".pdf", "%PDF-"},
};

bool endsWithIgnoringCase(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() &&
           std::equal(
               ending.begin(), ending.end(), text.end() - ending.size(),
               [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); });
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

// Writes in the format of the path's ending, as WriteThroughTemporary writes.
std::optional<QString> writeThroughTemporary(
    const std::string& path,
    const std::function<std::optional<QString>(QIODevice&, const PictureFormat&)>& write) {
    const PictureFormat* format = PictureFormatFor(path);
    if (format == nullptr)
        return QStringLiteral("unknown picture format");
    return WriteThroughTemporary(path, [&](QIODevice& out) { return write(out, *format); });
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
    return WhyNotOutput(
        path, keep, format->signature,
        QStringLiteral("a %1 picture")
            .arg(QLatin1String(format->name.data(), static_cast<qsizetype>(format->name.size()))));
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
    const QByteArray& bytes = buffer.data();
    return WriteAllTo(fd, std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

std::optional<QString> WriteChartPngTo(int fd, const ChartDrawer& draw, QSize sizePx, double dpi) {
    const QImage image = ChartImage(draw, sizePx, dpi);
    if (image.isNull())
        return QStringLiteral("the diagram could not be drawn");
    return WritePngTo(fd, image);
}
