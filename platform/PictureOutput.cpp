#include "PictureOutput.h"

#include "ChartPng.h"
#include "OutputMarks.h"

#include <QBuffer>
#include <QImageWriter>

#include <algorithm>
#include <array>
#include <cctype>
#include <functional>

namespace {

constexpr std::array kFormats = {
    PictureFormat{"PNG", ".png", PngMarked},
    PictureFormat{"SVG", ".svg", SvgMarked},
    PictureFormat{"PDF", ".pdf", PdfMarked},
};

QString formatName(const PictureFormat& format) {
    return QLatin1String(format.name.data(), static_cast<qsizetype>(format.name.size()));
}

OutputKind outputKind(const PictureFormat& format) {
    return {QStringLiteral("a %1 picture Korvane wrote").arg(formatName(format)), format.marked};
}

bool put(const PieceOutput& out, const QByteArray& bytes) {
    return out(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

// The PNG is made in memory, marked: its encoder would report a failed write only vaguely.
// An image as it stands (the classic picture) keeps the toolkit's encoding, byte for byte; a
// chart drawn afresh has its own, faster one.
std::optional<QByteArray> pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return std::nullopt;
    QImageWriter writer(&buffer, "png");
    writer.setText(QString::fromLatin1(kPngMarkKey.data(), qsizetype(kPngMarkKey.size())),
                   kMarkAuthor);
    if (!writer.write(image))
        return std::nullopt;
    return bytes;
}

bool endsWithIgnoringCase(std::string_view text, std::string_view ending) {
    return text.size() >= ending.size() &&
           std::equal(
               ending.begin(), ending.end(), text.end() - ending.size(),
               [](unsigned char a, unsigned char b) { return std::tolower(a) == std::tolower(b); });
}

// The image itself as a PNG, or an SVG or PDF document drawn afresh.
std::optional<QString> writeImage(const PieceOutput& out, const QImage& image,
                                  const PictureFormat& format, const VectorDrawer& vector) {
    std::optional<QByteArray> bytes;
    if (format.ending == ".png") {
        bytes = pngBytes(image);
    } else {
        if (!vector)
            return QStringLiteral("there is no diagram to draw");
        bytes = vector(format.ending == ".svg" ? VectorKind::Svg : VectorKind::Pdf);
    }
    if (!bytes)
        return QStringLiteral("the diagram could not be drawn");
    put(out, *bytes);
    return std::nullopt;
}

// Writes in the format of the path's ending, as WriteThroughTemporary writes.
std::optional<QString> writeThroughTemporary(
    const std::string& path, const std::optional<FileIdentity>& keep,
    const std::function<std::optional<QString>(const PieceOutput&, const PictureFormat&)>& write,
    const BeforePlacing& beforePlacing = {}) {
    const PictureFormat* format = PictureFormatFor(path);
    if (format == nullptr)
        return QStringLiteral("unknown picture format");
    return WriteThroughTemporary(
        path, keep, outputKind(*format),
        [&](const PieceOutput& out) { return write(out, *format); }, beforePlacing);
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
    return WhyNotOutput(path, keep, outputKind(*format));
}

std::optional<QString> WritePicture(const QImage& image, const std::string& path,
                                    const std::optional<FileIdentity>& keep,
                                    const VectorDrawer& vector,
                                    const BeforePlacing& beforePlacing) {
    return writeThroughTemporary(
        path, keep,
        [&](const PieceOutput& out, const PictureFormat& format) {
            return writeImage(out, image, format, vector);
        },
        beforePlacing);
}

std::optional<QString> WriteChartPicture(const ChartDrawer& draw, QSize sizePx, double dpi,
                                         const std::string& path,
                                         const std::optional<FileIdentity>& keep) {
    return writeThroughTemporary(
        path, keep,
        [&](const PieceOutput& out, const PictureFormat& format) -> std::optional<QString> {
            std::optional<QByteArray> bytes;
            if (format.ending == ".png")
                bytes = ChartPng(ChartImage(draw, sizePx, dpi));
            else
                bytes = format.ending == ".svg" ? ChartSvg(draw, sizePx, dpi)
                                                : ChartPdf(draw, sizePx, dpi);
            if (!bytes)
                return QStringLiteral("the diagram could not be drawn");
            put(out, *bytes);
            return std::nullopt;
        });
}

namespace {
std::optional<QString> pngTo(int fd, const std::optional<QByteArray>& bytes) {
    if (!bytes)
        return QStringLiteral("the diagram could not be drawn");
    return WriteAllTo(fd, std::string_view(bytes->constData(), static_cast<size_t>(bytes->size())));
}
} // namespace

std::optional<QString> WritePngTo(int fd, const QImage& image) {
    return pngTo(fd, pngBytes(image));
}

std::optional<QString> WriteChartPngTo(int fd, const ChartDrawer& draw, QSize sizePx, double dpi) {
    return pngTo(fd, ChartPng(ChartImage(draw, sizePx, dpi)));
}
