#include "VectorPicture.h"

#include "OutputMarks.h"
#include "VectorSurface.h"
#include "chart/Painter.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace {

constexpr int kDotsPerInch = static_cast<int>(kScreenDpi);

bool drawOn(QPaintDevice& device, const PictureDrawer& draw) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    VectorSurface surface(painter);
    const bool drawn = draw(surface);
    return painter.end() && drawn;
}

} // namespace

std::optional<QByteArray> VectorPicture(VectorKind kind, QSize size, const PictureDrawer& draw) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return std::nullopt;
    bool drawn = false;
    if (kind == VectorKind::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setResolution(kDotsPerInch);
        svg.setSize(size);
        svg.setViewBox(QRect(QPoint(0, 0), size));
        svg.setTitle(QStringLiteral("Nyquist diagram"));
        svg.setDescription(kSvgMark);
        drawn = drawOn(svg, draw);
    } else if (kind == VectorKind::Pdf) {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kDotsPerInch);
        const QSizeF points(size.width() * 72.0 / kDotsPerInch,
                            size.height() * 72.0 / kDotsPerInch);
        if (!pdf.setPageSize(
                QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch)) ||
            !pdf.setPageMargins(QMarginsF(0, 0, 0, 0)))
            return std::nullopt;
        pdf.setTitle(QStringLiteral("Nyquist diagram"));
        pdf.setCreator(kMarkAuthor);
        drawn = drawOn(pdf, draw);
    }
    buffer.close();
    if (!drawn || bytes.isEmpty())
        return std::nullopt;
    return bytes;
}
