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

#include <sys/mman.h>

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

bool drawOn(QPaintDevice& device, const std::function<bool(QPainter&)>& draw) {
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const bool drawn = draw(painter);
    return painter.end() && drawn;
}

// The chart drawn through a QtPainter, `scale` times larger.
std::function<bool(QPainter&)> throughQtPainter(const ChartDrawer& draw, QSize sizePx,
                                                double scale) {
    return [&draw, sizePx, scale](QPainter& painter) {
        painter.scale(scale, scale);
        QtPainter chart(painter);
        draw(chart, sizePx.width(), sizePx.height());
        return true;
    };
}

// An opaque image whose pages are all mapped in one go: a chart's image is painted whole,
// and on a virtual machine every first touch of a page is a trap of its own, which for a
// picture of a few hundred kilobytes costs more than the drawing.
QImage opaqueImage(int width, int height) {
#ifdef MAP_POPULATE
    struct Pages {
        void* start;
        size_t size;
    };
    // Well inside what the toolkit takes, so the image cannot turn out null and leave the
    // pages to nobody.
    constexpr int kMostPixels = 1 << 26;
    const bool fits = width > 0 && height > 0 && width <= kMostPixels / height;
    const size_t bytesPerLine = static_cast<size_t>(width) * 4;
    const size_t size = bytesPerLine * static_cast<size_t>(height);
    void* start = !fits ? MAP_FAILED
                        : mmap(nullptr, size, PROT_READ | PROT_WRITE,
                               MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (start != MAP_FAILED)
        return QImage(
            static_cast<uchar*>(start), width, height, static_cast<qsizetype>(bytesPerLine),
            QImage::Format_RGB32,
            [](void* info) {
                const auto* pages = static_cast<Pages*>(info);
                munmap(pages->start, pages->size);
                delete pages;
            },
            new Pages{start, size});
#endif
    return QImage(width, height, QImage::Format_RGB32);
}

} // namespace

QImage ChartImage(const ChartDrawer& draw, QSize sizePx, double dpi, double devicePixelRatio,
                  QImage canvas) {
    if (!validPicture(draw, sizePx, dpi) || !std::isfinite(devicePixelRatio) ||
        !(devicePixelRatio > 0.0))
        return {};
    const QSize pixels(static_cast<int>(std::ceil(sizePx.width() * devicePixelRatio)),
                       static_cast<int>(std::ceil(sizePx.height() * devicePixelRatio)));
    // Opaque, so a PNG of it carries no alpha channel. A canvas held elsewhere would only be
    // copied before it is drawn on.
    QImage image =
        canvas.size() == pixels && canvas.format() == QImage::Format_RGB32 && canvas.isDetached()
            ? std::move(canvas)
            : opaqueImage(pixels.width(), pixels.height());
    if (image.isNull())
        return {};
    image.setDevicePixelRatio(devicePixelRatio);
    // The physical size stays sizePx / dpi; extra pixels make it finer, not larger.
    const int dotsPerMeter = qRound(dpi * devicePixelRatio / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    if (!drawOn(image, throughQtPainter(draw, sizePx, 1.0)))
        return {};
    return image;
}

std::optional<QByteArray> VectorDocument(VectorKind kind, QSize sizePx, double dpi,
                                         const QString& title,
                                         const std::function<bool(QPainter&)>& draw) {
    if (!draw || sizePx.isEmpty() || !std::isfinite(dpi) || !(dpi > 0.0))
        return std::nullopt;
    QBuffer buffer;
    if (!buffer.open(QIODevice::WriteOnly))
        return std::nullopt;
    const int resolution = wholeDpi(dpi);
    bool drawn = false;
    if (kind == VectorKind::Svg) {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setResolution(resolution);
        svg.setSize(QSize(qRound(sizePx.width() * resolution / dpi),
                          qRound(sizePx.height() * resolution / dpi)));
        // The drawer's pixels are the document's own units, kept fractional.
        svg.setViewBox(QRectF(QPointF(0, 0), QSizeF(sizePx)));
        svg.setTitle(title);
        svg.setDescription(kSvgMark);
        drawn = drawOn(svg, draw);
    } else {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(resolution);
        pdf.setTitle(title);
        pdf.setCreator(kMarkAuthor);
        const QSizeF inches(sizePx.width() / dpi, sizePx.height() / dpi);
        if (!pdf.setPageSize(
                QPageSize(inches, QPageSize::Inch, QString(), QPageSize::ExactMatch)) ||
            !pdf.setPageMargins(QMarginsF(0, 0, 0, 0)))
            return std::nullopt;
        // Whole dots per inch: any fraction is made up by scaling the drawing.
        const double scale = resolution / dpi;
        drawn = drawOn(pdf, [&draw, scale](QPainter& painter) {
            painter.scale(scale, scale);
            return draw(painter);
        });
    }
    buffer.close();
    if (!drawn || buffer.data().isEmpty())
        return std::nullopt;
    return buffer.data();
}

std::optional<QByteArray> ChartSvg(const ChartDrawer& draw, QSize sizePx, double dpi,
                                   const QString& title) {
    if (!draw)
        return std::nullopt;
    return VectorDocument(VectorKind::Svg, sizePx, dpi, title, throughQtPainter(draw, sizePx, 1.0));
}

std::optional<QByteArray> ChartPdf(const ChartDrawer& draw, QSize sizePx, double dpi,
                                   const QString& title) {
    if (!draw)
        return std::nullopt;
    return VectorDocument(VectorKind::Pdf, sizePx, dpi, title, throughQtPainter(draw, sizePx, 1.0));
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
