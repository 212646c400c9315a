#include "QtPainter.h"

#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kSuperscriptScale = 0.7;
constexpr double kSuperscriptRise = 0.4; // of the base size
// Larger markers are few; they are drawn as ellipses rather than kept as images.
constexpr double kLargestStamp = 64.0;
constexpr size_t kStampsKept = 8;
// Device positions beyond this are off any picture and would overflow an int.
constexpr double kFarOff = 1e7;

// Metrics come from one image at the screen's resolution whatever the device, so that a
// chart lays out the same on the screen, in a PNG, an SVG and a PDF.
constexpr int kReferenceDpi = static_cast<int>(kScreenDpi);

const QImage& referenceDevice() {
    static const QImage image = [] {
        QImage made(1, 1, QImage::Format_ARGB32_Premultiplied);
        made.setDotsPerMeterX(qRound(kReferenceDpi / 0.0254));
        made.setDotsPerMeterY(qRound(kReferenceDpi / 0.0254));
        return made;
    }();
    return image;
}

QFontMetricsF referenceMetrics(double sizePx) {
    return QFontMetricsF(QtPainter::ChartFont(sizePx, kReferenceDpi), &referenceDevice());
}

QColor qtColor(Color c) {
    return QColor(c.r, c.g, c.b);
}

QString qtText(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

bool finite(PointF p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

QRectF qtRect(const RectF& r) {
    return QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom)).normalized();
}

bool finite(const RectF& r) {
    return finite(PointF{r.left, r.top}) && finite(PointF{r.right, r.bottom});
}

QPen strokePen(const Stroke& stroke) {
    QPen pen(qtColor(stroke.color));
    pen.setWidthF(stroke.width);
    if (stroke.dotted)
        pen.setStyle(Qt::DotLine);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

bool drawable(const Stroke& stroke) {
    return std::isfinite(stroke.width) && stroke.width > 0.0;
}

struct PieceSize {
    double size, rise;
};

PieceSize sizeOf(const TextPiece& piece, double sizePx) {
    if (piece.superscript)
        return {sizePx * kSuperscriptScale, sizePx * kSuperscriptRise};
    return {sizePx, 0.0};
}

} // namespace

QFont QtPainter::ChartFont(double sizePx, int dotsPerInch) {
    QFont font(QStringLiteral("DejaVu Sans"));
    // Primes, the minus sign, Ω, µ and the superscript digits are all in DejaVu Sans; no
    // glyph may come from another family, or a PDF would embed two.
    font.setStyleStrategy(QFont::NoFontMerging);
    font.setStretch(QFont::Unstretched);
    font.setWeight(QFont::Normal);
    // Unhinted advances scale with the size, so a 300-dpi picture lays out like a 96-dpi one.
    font.setHintingPreference(QFont::PreferNoHinting);
    // Points against the device's own resolution: QPainter turns them back into sizePx.
    font.setPointSizeF(sizePx * 72.0 / std::max(dotsPerInch, 1));
    return font;
}

QtPainter::QtPainter(QPainter& painter)
    : painter_(painter), active_(painter.isActive()),
      cutsItself_(active_ && painter.paintEngine() != nullptr &&
                  painter.paintEngine()->type() == QPaintEngine::SVG) {
    if (!active_)
        return;
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

QtPainter::~QtPainter() {
    if (active_ && painter_.isActive())
        painter_.restore();
}

bool QtPainter::outsideClip(const QRectF& bounds) const {
    return clip_ && !clip_->intersects(bounds);
}

void QtPainter::fillShape(const QPainterPath& shape, const QBrush& brush) {
    // Qt's SVG generator writes no clip paths, so a shape crossing the clip is cut here.
    if (cutsItself_ && clip_ && !clip_->contains(shape.boundingRect())) {
        QPainterPath clip;
        clip.addRect(*clip_);
        painter_.fillPath(shape.intersected(clip), brush);
        return;
    }
    painter_.fillPath(shape, brush);
}

void QtPainter::Fill(const RectF& rect, Color color) {
    if (!active_ || !finite(rect))
        return;
    QRectF r = qtRect(rect);
    if (cutsItself_ && clip_)
        r = r.intersected(*clip_);
    if (r.isEmpty() || outsideClip(r))
        return;
    painter_.fillRect(r, qtColor(color));
}

void QtPainter::Line(PointF from, PointF to, const Stroke& stroke) {
    if (!active_ || !finite(from) || !finite(to) || !drawable(stroke))
        return;
    const double half = stroke.width / 2.0;
    const QLineF line(from.x, from.y, to.x, to.y);
    const QRectF bounds =
        QRectF(line.p1(), line.p2()).normalized().adjusted(-half, -half, half, half);
    if (outsideClip(bounds))
        return;
    const QPen pen = strokePen(stroke);
    if (cutsItself_ && clip_ && !clip_->contains(bounds)) {
        QPainterPath path(line.p1());
        path.lineTo(line.p2());
        fillShape(QPainterPathStroker(pen).createStroke(path), pen.brush());
        return;
    }
    painter_.setPen(pen);
    painter_.drawLine(line);
}

void QtPainter::Polyline(std::span<const PointF> points, const Stroke& stroke) {
    // A surface that cuts shapes itself gets each segment cut as Line cuts it.
    if (cutsItself_ && clip_) {
        Painter::Polyline(points, stroke);
        return;
    }
    if (!active_ || !drawable(stroke) || points.size() < 2)
        return;
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(points.size()));
    for (const PointF& p : points) {
        if (!finite(p))
            return;
        line.append(QPointF(p.x, p.y));
    }
    QPen pen = strokePen(stroke);
    pen.setJoinStyle(Qt::RoundJoin);
    painter_.setPen(pen);
    painter_.drawPolyline(line);
}

void QtPainter::Frame(const RectF& rect, const Stroke& stroke) {
    if (!active_ || !finite(rect) || !drawable(stroke))
        return;
    const double half = stroke.width / 2.0;
    const QRectF r = qtRect(rect);
    // Mitred right angles reach half the width beyond the outline, no further.
    const QRectF bounds = r.adjusted(-half, -half, half, half);
    if (outsideClip(bounds))
        return;
    const QPen pen = strokePen(stroke);
    if (cutsItself_ && clip_ && !clip_->contains(bounds)) {
        QPainterPath path;
        path.addRect(r);
        fillShape(QPainterPathStroker(pen).createStroke(path), pen.brush());
        return;
    }
    painter_.setPen(pen);
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(r);
}

const QtPainter::Stamp* QtPainter::stampFor(double deviceDiameter, Color color) {
    for (const Stamp& stamp : stamps_)
        if (stamp.deviceDiameter == deviceDiameter && stamp.color == color)
            return &stamp;
    // A margin for the antialiased rim; the centre lands on a pixel centre or corner
    // according to the parity, so the marker stays symmetric.
    const int side = static_cast<int>(std::ceil(deviceDiameter)) + 2;
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return nullptr;
    image.fill(Qt::transparent);
    QPainter painter;
    if (!painter.begin(&image))
        return nullptr;
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(qtColor(color));
    painter.drawEllipse(QPointF(side / 2.0, side / 2.0), deviceDiameter / 2.0,
                        deviceDiameter / 2.0);
    if (!painter.end())
        return nullptr;
    if (stamps_.size() >= kStampsKept)
        stamps_.erase(stamps_.begin());
    stamps_.push_back({deviceDiameter, color, std::move(image)});
    return &stamps_.back();
}

bool QtPainter::stamped(std::span<const PointF> centres, double radius, Color color) {
    const QPaintEngine* engine = painter_.paintEngine();
    if (engine == nullptr || engine->type() != QPaintEngine::Raster)
        return false;
    // Copying needs device pixels that are squares of one size: no rotation, no shear.
    const QTransform toDevice = painter_.deviceTransform();
    const double scale = toDevice.m11();
    if (toDevice.type() > QTransform::TxScale || !(scale > 0.0) ||
        !qFuzzyCompare(scale, toDevice.m22()))
        return false;
    const double deviceDiameter = 2.0 * radius * scale;
    if (deviceDiameter > kLargestStamp)
        return false;
    const Stamp* stamp = stampFor(deviceDiameter, color);
    if (stamp == nullptr)
        return false;
    const QImage& image = stamp->image;
    const double half = image.width() / 2.0;
    painter_.save();
    // Undo every scale, a device pixel ratio's too, so each copy is a plain blit.
    painter_.setWorldTransform(toDevice.inverted() * painter_.worldTransform());
    for (const PointF& c : centres) {
        if (!finite(c) || outsideClip(QRectF(c.x - radius, c.y - radius, 2 * radius, 2 * radius)))
            continue;
        const QPointF at = toDevice.map(QPointF(c.x, c.y)) - QPointF(half, half);
        if (std::abs(at.x()) < kFarOff && std::abs(at.y()) < kFarOff)
            painter_.drawImage(QPoint(qRound(at.x()), qRound(at.y())), image);
    }
    painter_.restore();
    return true;
}

void QtPainter::Markers(std::span<const PointF> centres, double diameter, Color color) {
    if (!active_ || !std::isfinite(diameter) || !(diameter > 0.0))
        return;
    const double radius = diameter / 2.0;
    if (stamped(centres, radius, color))
        return;
    // Vector devices get real circles.
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(qtColor(color));
    for (const PointF& c : centres) {
        const QRectF bounds(c.x - radius, c.y - radius, diameter, diameter);
        if (!finite(c) || outsideClip(bounds))
            continue;
        if (cutsItself_ && clip_ && !clip_->contains(bounds)) {
            QPainterPath circle;
            circle.addEllipse(bounds);
            fillShape(circle, painter_.brush());
        } else {
            painter_.drawEllipse(QPointF(c.x, c.y), radius, radius);
        }
    }
}

void QtPainter::Rings(std::span<const PointF> centres, double diameter, Color color) {
    if (!active_ || !std::isfinite(diameter) || !(diameter > 0.0))
        return;
    const double radius = diameter / 2.0;
    painter_.setPen(QPen(qtColor(color), diameter / 6.0));
    painter_.setBrush(Qt::NoBrush);
    for (const PointF& c : centres)
        if (finite(c) && !outsideClip(QRectF(c.x - radius, c.y - radius, diameter, diameter)))
            painter_.drawEllipse(QPointF(c.x, c.y), radius, radius);
}

TextExtent QtPainter::Measure(const TextRun& text, double sizePx, bool) {
    TextExtent extent;
    if (!std::isfinite(sizePx) || !(sizePx > 0.0))
        return extent;
    for (const TextPiece& piece : text) {
        const auto [size, rise] = sizeOf(piece, sizePx);
        const QFontMetricsF metrics = referenceMetrics(size);
        extent.width += metrics.horizontalAdvance(qtText(piece.text));
        extent.ascent = std::max(extent.ascent, metrics.ascent() + rise);
        extent.descent = std::max(extent.descent, metrics.descent() - rise);
    }
    return extent;
}

void QtPainter::Text(const TextRun& text, PointF origin, double sizePx, Color color, bool upward) {
    if (!active_ || text.empty() || !finite(origin) || !std::isfinite(sizePx) || !(sizePx > 0.0))
        return;
    const int dpi = painter_.device() != nullptr ? painter_.device()->logicalDpiY() : 0;
    if (dpi <= 0)
        return;
    const TextExtent extent = Measure(text, sizePx);
    const QRectF bounds =
        upward ? QRectF(origin.x - extent.ascent, origin.y - extent.width, extent.height(),
                        extent.width)
               : QRectF(origin.x, origin.y - extent.ascent, extent.width, extent.height());
    // An engine that cannot clip still leaves out text wholly outside the clip.
    if (outsideClip(bounds))
        return;
    painter_.save();
    painter_.translate(origin.x, origin.y);
    if (upward)
        painter_.rotate(-90.0);
    painter_.setPen(qtColor(color));
    // Each piece starts where the reference metrics put it, on every device alike.
    double x = 0.0;
    for (const TextPiece& piece : text) {
        const auto [size, rise] = sizeOf(piece, sizePx);
        const QString qtext = qtText(piece.text);
        painter_.setFont(ChartFont(size, dpi));
        painter_.drawText(QPointF(x, -rise), qtext);
        x += referenceMetrics(size).horizontalAdvance(qtext);
    }
    painter_.restore();
}

void QtPainter::Clip(std::optional<RectF> rect) {
    if (!active_)
        return;
    if (!rect) {
        clip_.reset();
        painter_.setClipping(false);
        return;
    }
    // A clip that is not a number keeps everything out rather than letting it all in.
    clip_ = finite(*rect) ? qtRect(*rect) : QRectF();
    painter_.setClipRect(*clip_, Qt::ReplaceClip);
}
