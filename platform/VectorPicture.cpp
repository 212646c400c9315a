#include "VectorPicture.h"

#include "PngFile.h"
#include "VectorSurface.h"

#include <QBuffer>
#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

// Logical pixels are 1/96 inch, as on the screen.
constexpr int kDotsPerInch = 96;

bool drawOn(QPaintDevice& device, const PictureDrawer& draw) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    VectorSurface surface(painter);
    const bool drawn = draw(surface);
    return painter.end() && drawn;
}

std::optional<QString> writeBytes(const QByteArray& bytes, const QString& path) {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return out.errorString();
    if (out.write(bytes) == bytes.size() && out.flush())
        return std::nullopt;
    const QString reason = out.errorString();
    out.remove();
    return reason;
}

} // namespace

PictureKind PictureKindOf(const QString& path) {
    if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive))
        return PictureKind::Svg;
    if (path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        return PictureKind::Pdf;
    return PictureKind::Png;
}

std::optional<QByteArray> VectorPicture(PictureKind kind, QSize size, const PictureDrawer& draw) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return std::nullopt;
    bool drawn = false;
    if (kind == PictureKind::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setResolution(kDotsPerInch);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QStringLiteral("Nyquist diagram"));
        drawn = drawOn(svg, draw);
    } else if (kind == PictureKind::Pdf) {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kDotsPerInch);
        const QSizeF points(size.width() * 72.0 / kDotsPerInch,
                            size.height() * 72.0 / kDotsPerInch);
        if (!pdf.setPageSize(
                QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch)) ||
            !pdf.setPageMargins(QMarginsF(0, 0, 0, 0)))
            return std::nullopt;
        pdf.setTitle(QStringLiteral("Nyquist diagram"));
        drawn = drawOn(pdf, draw);
    }
    buffer.close();
    if (!drawn || bytes.isEmpty())
        return std::nullopt;
    return bytes;
}

std::optional<QString> WritePictureFile(const QString& path, const QImage& image, QSize size,
                                        const PictureDrawer& draw) {
    const PictureKind kind = PictureKindOf(path);
    if (kind == PictureKind::Png)
        return WritePng(image, path);
    if (!draw)
        return QStringLiteral("there is no diagram to draw");
    const auto bytes = VectorPicture(kind, size, draw);
    if (!bytes)
        return QStringLiteral("the diagram could not be drawn");
    return writeBytes(*bytes, path);
}
