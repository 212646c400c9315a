#include "ChartPicture.h"

#include "OutputMarks.h"
#include "QtPainter.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

bool validPicture(const ChartDrawer& draw, QSize sizePx, double dpi) {
    return draw && !sizePx.isEmpty() && std::isfinite(dpi) && dpi > 0.0;
}

// The documents take whole dots per inch; any fraction is made up by scaling the drawing.
int wholeDpi(double dpi) {
    return std::max(1, qRound(dpi));
}

bool drawOn(QPaintDevice& device, const ChartDrawer& draw, QSize sizePx, double scale) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.scale(scale, scale);
    {
        QtPainter chart(painter);
        draw(chart, sizePx.width(), sizePx.height());
    }
    return painter.end();
}

std::optional<QByteArray> bytesOrNothing(bool drawn, QBuffer& buffer) {
    buffer.close();
    if (!drawn || buffer.data().isEmpty())
        return std::nullopt;
    return buffer.data();
}

} // namespace

QImage ChartImage(const ChartDrawer& draw, QSize sizePx, double dpi, double devicePixelRatio) {
    if (!validPicture(draw, sizePx, dpi) || !std::isfinite(devicePixelRatio) ||
        !(devicePixelRatio > 0.0))
        return {};
    // Opaque, so a PNG of it carries no alpha channel.
    QImage image(static_cast<int>(std::ceil(sizePx.width() * devicePixelRatio)),
                 static_cast<int>(std::ceil(sizePx.height() * devicePixelRatio)),
                 QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.setDevicePixelRatio(devicePixelRatio);
    // The physical size stays sizePx / dpi; extra pixels make it finer, not larger.
    const int dotsPerMeter = qRound(dpi * devicePixelRatio / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    if (!drawOn(image, draw, sizePx, 1.0))
        return {};
    return image;
}

std::optional<QByteArray> ChartSvg(const ChartDrawer& draw, QSize sizePx, double dpi,
                                   const QString& title) {
    if (!validPicture(draw, sizePx, dpi))
        return std::nullopt;
    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly))
        return std::nullopt;
    const int resolution = wholeDpi(dpi);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(resolution);
    svg.setSize(QSize(qRound(sizePx.width() * resolution / dpi),
                      qRound(sizePx.height() * resolution / dpi)));
    // The drawer's pixels are the document's own units, kept fractional.
    svg.setViewBox(QRectF(QPointF(0, 0), QSizeF(sizePx)));
    svg.setTitle(title);
    svg.setDescription(kSvgMark);
    const bool drawn = drawOn(svg, draw, sizePx, 1.0);
    return bytesOrNothing(drawn, buffer);
}

std::optional<QByteArray> ChartPdf(const ChartDrawer& draw, QSize sizePx, double dpi,
                                   const QString& title) {
    if (!validPicture(draw, sizePx, dpi))
        return std::nullopt;
    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly))
        return std::nullopt;
    const int resolution = wholeDpi(dpi);
    bool drawn = false;
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(resolution);
        pdf.setTitle(title);
        pdf.setCreator(kMarkAuthor);
        const QSizeF inches(sizePx.width() / dpi, sizePx.height() / dpi);
        if (!pdf.setPageSize(
                QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch)) ||
            !pdf.setPageMargins(QMarginsF(0, 0, 0, 0)))
            return std::nullopt;
        drawn = drawOn(pdf, draw, sizePx, resolution / dpi);
    }
    return bytesOrNothing(drawn, buffer);
}

bool CopyChartToClipboard(const ChartDrawer& draw, QSize sizePx, double dpi) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr)
        return false;
    const QImage image = ChartImage(draw, sizePx, dpi);
    const auto svg = ChartSvg(draw, sizePx, dpi);
    if (image.isNull() || !svg)
        return false;
    auto data = std::make_unique<QMimeData>();
    data->setImageData(image);
    data->setData(QStringLiteral("image/svg+xml"), *svg);
    // The clipboard takes ownership.
    clipboard->setMimeData(data.release());
    return true;
}
