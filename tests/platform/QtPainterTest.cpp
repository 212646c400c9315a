#include "platform/QtPainter.h"
#include "platform/ChartPicture.h"
#include "platform/ChartPng.h"
#include "platform/OutputMarks.h"
#include "platform/PictureOutput.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSet>
#include <QSvgGenerator>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

const Color kMarker{200, 30, 40};
// Every glyph the charts use beyond ASCII, so a fallback family would show.
const TextRun kLabel = {{"−Z″ / Ω, Z′ µ° × 10", false}, {"−3", true}};

bool isWhite(const QImage& image, QPoint p) {
    return image.pixel(p) == qRgb(255, 255, 255);
}

// The box of the dark pixels within `region`.
QRect inkBox(const QImage& image, QRect region) {
    QRect box;
    region &= image.rect();
    for (int y = region.top(); y <= region.bottom(); ++y)
        for (int x = region.left(); x <= region.right(); ++x)
            if (qGray(image.pixel(x, y)) < 160)
                box |= QRect(x, y, 1, 1);
    return box;
}

QImage text(const TextRun& run, PointF origin, double sizePx, bool upward, double dpi = 96) {
    return ChartImage(
        [&](Painter& p, double, double) { p.Text(run, origin, sizePx, kBlack, upward); },
        QSize(200, 200), dpi);
}

TEST(QtPainter, MarkersCoverTheirCentreAndNothingBeyondTheirRadius) {
    // Small ones are copied from one rasterised marker, 80 pixels is drawn as an ellipse.
    for (double ratio : {1.0, 2.0}) {
        for (double diameter : {3.0, 6.5, 12.0, 80.0}) {
            const PointF centre{60.3, 55.7};
            double gotWidth = 0;
            const QImage image = ChartImage(
                [&](Painter& p, double w, double) {
                    gotWidth = w;
                    p.Markers(std::span(&centre, 1), diameter, kMarker);
                },
                QSize(120, 120), 96, ratio);
            ASSERT_EQ(image.width(), qRound(120 * ratio));
            EXPECT_EQ(gotWidth, 120);
            const auto device = [&](double x, double y) {
                return QPoint(int(std::floor(x * ratio)), int(std::floor(y * ratio)));
            };
            EXPECT_EQ(image.pixel(device(centre.x, centre.y)), qRgb(200, 30, 40))
                << diameter << " at ratio " << ratio;
            const double beyond = diameter / 2 + 1.5;
            for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
                EXPECT_TRUE(isWhite(image, device(centre.x + dx * beyond, centre.y + dy * beyond)))
                    << diameter << " at ratio " << ratio;
        }
    }
}

TEST(QtPainter, ClipKeepsMarkersOffUntilLifted) {
    const PointF inside{30, 30}, outside{80, 80}, straddling{50, 30}, later{90, 30};
    const auto draw = [&](Painter& p, double, double) {
        p.Clip(RectF{10, 10, 50, 50});
        for (PointF c : {inside, outside, straddling})
            p.Markers(std::span(&c, 1), 10, kMarker);
        p.Clip(std::nullopt);
        p.Markers(std::span(&later, 1), 10, kMarker);
    };
    // Qt's SVG generator writes no clip, so the SVG is checked as a renderer shows it.
    QSvgRenderer renderer(ChartSvg(draw, QSize(120, 120), 96).value());
    ASSERT_TRUE(renderer.isValid());
    QImage svg(120, 120, QImage::Format_RGB32);
    svg.fill(Qt::white);
    QPainter painter(&svg);
    renderer.render(&painter);
    painter.end();
    for (const QImage& image : {ChartImage(draw, QSize(120, 120)), svg}) {
        EXPECT_FALSE(isWhite(image, {30, 30}));
        EXPECT_TRUE(isWhite(image, {80, 80}));
        EXPECT_FALSE(isWhite(image, {48, 30}));
        EXPECT_TRUE(isWhite(image, {52, 30}));
        EXPECT_FALSE(isWhite(image, {90, 30}));
    }
}

TEST(QtPainter, SuperscriptIsSmallerAndRaised) {
    const TextRun run = {{"10", false}, {"3", true}};
    const double size = 30;
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter painter(&probe);
    QtPainter measure(painter);
    const double baseWidth = measure.Measure({run[0]}, size).width;
    const TextExtent whole = measure.Measure(run, size);
    EXPECT_GT(whole.ascent, measure.Measure({run[0]}, size).ascent + 0.1 * size);

    const QImage image = text(run, {10, 100}, size, false);
    const QRect base = inkBox(image, QRect(10, 0, int(baseWidth), 200));
    const QRect raised = inkBox(image, QRect(11 + int(baseWidth), 0, 100, 200));
    ASSERT_FALSE(base.isEmpty());
    ASSERT_FALSE(raised.isEmpty());
    EXPECT_LT(raised.bottom(), base.bottom() - 0.3 * size);
    EXPECT_LT(raised.top(), base.top());
    EXPECT_LT(raised.height(), base.height());
    EXPECT_LE(raised.right(), 10 + whole.width + 1);
}

TEST(QtPainter, UpwardTextReadsFromItsOriginUp) {
    const QImage image = text(PlainText("Impedance"), {100, 180}, 16, true);
    const QRect ink = inkBox(image, image.rect());
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(ink.height(), 3 * ink.width());
    EXPECT_LE(ink.bottom(), 181);
    EXPECT_LE(ink.right(), 100 + 5);
}

// Layout must not depend on the device: each painter measures alike, and the drawn text is
// as wide as measured at any resolution.
TEST(QtPainter, TextMeasuresAndDrawsAlikeOnEveryDevice) {
    QImage reference(1, 1, QImage::Format_RGB32);
    QPainter referencePainter(&reference);
    const TextExtent expected = QtPainter(referencePainter).Measure(kLabel, 13.5);
    ASSERT_GT(expected.width, 50);

    QImage fine(1, 1, QImage::Format_RGB32);
    fine.setDotsPerMeterX(11811);
    fine.setDotsPerMeterY(11811);
    QBuffer svgBytes, pdfBytes;
    ASSERT_TRUE(svgBytes.open(QIODevice::WriteOnly) && pdfBytes.open(QIODevice::WriteOnly));
    QSvgGenerator svg;
    svg.setOutputDevice(&svgBytes);
    svg.setResolution(300);
    QPdfWriter pdf(&pdfBytes);
    pdf.setResolution(72);
    for (QPaintDevice* device : std::initializer_list<QPaintDevice*>{&fine, &svg, &pdf}) {
        QPainter painter(device);
        const TextExtent got = QtPainter(painter).Measure(kLabel, 13.5);
        EXPECT_EQ(got.width, expected.width);
        EXPECT_EQ(got.ascent, expected.ascent);
        EXPECT_EQ(got.descent, expected.descent);
    }
    for (double dpi : {96.0, 300.0}) {
        const QImage image = text(kLabel, {5, 100}, 13.5, false, dpi);
        EXPECT_NEAR(inkBox(image, image.rect()).right(), 5 + expected.width, 2.0) << dpi;
    }
}

TEST(ChartPicture, SvgKeepsFractionalCoordinatesAndRealText) {
    const auto svg = ChartSvg(
        [](Painter& p, double, double h) {
            p.Line({10.25, 0}, {10.25, h}, {kBlack, 0.75});
            p.Text(kLabel, {20.5, 40.125}, 13.5, kBlack);
        },
        QSize(300, 150), 150);
    ASSERT_TRUE(svg);
    const QString text = QString::fromUtf8(*svg);
    for (const char* wanted : {"10.25", "20.5", "40.125", "font-size=\"13.5\"",
                               "font-family=\"DejaVu Sans\"", "Ω", "width=\"50.8mm\""})
        EXPECT_TRUE(text.contains(QString::fromUtf8(wanted))) << wanted;
}

TEST(ChartPicture, PdfEmbedsOneFontFamily) {
    const auto pdf = ChartPdf(
        [](Painter& p, double, double) {
            p.Text(kLabel, {10, 40}, 13.5, kBlack);
            p.Text(PlainText("Frequency / Hz"), {40, 140}, 9, kBlue, true);
        },
        QSize(300, 150), 150);
    ASSERT_TRUE(pdf);
    QSet<QString> families;
    const QRegularExpression baseFont(QStringLiteral("/BaseFont\\s*/(?:[A-Z]{6}\\+)?([^\\s/]+)"));
    for (const auto& match : baseFont.globalMatch(QString::fromLatin1(*pdf)))
        families.insert(match.captured(1));
    EXPECT_EQ(families, QSet<QString>{QStringLiteral("DejaVuSans")});
    EXPECT_EQ(pdf->count("/FontFile2"), 1);
    // Two inches by one at 150 dpi.
    EXPECT_TRUE(pdf->contains("/MediaBox [0 0 144"));
}

TEST(ChartPicture, WrittenPicturesKeepTheirFormatAndResolution) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const ChartDrawer draw = [](Painter& p, double w, double h) {
        p.Frame({0.5, 0.5, w - 0.5, h - 0.5}, {kBlack, 1});
    };
    for (const char* name : {"chart.png", "chart.SVG", "chart.pdf"}) {
        const std::string path = (dir.path() + '/' + name).toStdString();
        ASSERT_EQ(WriteChartPicture(draw, QSize(60, 40), 300, path, std::nullopt), std::nullopt)
            << name;
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(PictureFormatFor(path)->marked(file.read(kMarkedHead).toStdString())) << name;
    }
    QImage png;
    ASSERT_TRUE(png.load(dir.filePath(QStringLiteral("chart.png"))));
    EXPECT_EQ(png.size(), QSize(60, 40));
    EXPECT_NEAR(png.dotsPerMeterX(), 11811, 1);
    EXPECT_NE(WriteChartPicture(draw, QSize(60, 40), 300, dir.filePath("chart.gif").toStdString(),
                                std::nullopt),
              std::nullopt);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("chart.gif"))));
}

TEST(ChartPicture, DrawsOverAFreeCanvasOfItsPixelsAndLeavesAnyOtherAlone) {
    const PointF centre{30, 20};
    const ChartDrawer draw = [&](Painter& p, double, double) {
        p.Markers(std::span(&centre, 1), 9, kMarker);
    };
    const QImage fresh = ChartImage(draw, QSize(60, 40), 96, 2);
    const struct {
        QSize pixels;
        bool held, drawnOver;
    } cases[] = {{{120, 80}, false, true}, {{120, 80}, true, false}, {{60, 40}, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pixels.width() * 10 + c.held);
        QImage canvas(c.pixels, QImage::Format_RGB32);
        canvas.fill(Qt::black);
        const QImage holder = c.held ? canvas : QImage();
        const uchar* memory = canvas.constBits();
        const QImage drawn = ChartImage(draw, QSize(60, 40), 96, 2, std::move(canvas));
        EXPECT_EQ(drawn.constBits() == memory, c.drawnOver);
        EXPECT_EQ(drawn, fresh);
        EXPECT_EQ(drawn.devicePixelRatio(), 2);
        if (c.held) {
            EXPECT_EQ(holder.pixel(60, 40), qRgb(0, 0, 0));
        }
    }
}

TEST(ChartPng, DecodesToTheSamePixelsAtAnySizeAndTakesOnlyOpaqueImages) {
    for (const QSize size : {QSize(1, 1), QSize(7, 3), QSize(534, 392)}) {
        SCOPED_TRACE(size.width());
        QImage image(size, QImage::Format_RGB32);
        // Every channel different from the others and from pixel to pixel, so a swapped
        // channel or a row out of place shows.
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                image.setPixel(x, y, qRgb(x * 37 % 256, y * 91 % 256, (x + 3 * y) * 13 % 256));
        image.setDotsPerMeterX(5906);
        image.setDotsPerMeterY(5906);
        const auto png = ChartPng(image);
        ASSERT_TRUE(png);
        EXPECT_TRUE(PngMarked(png->toStdString()));
        const QImage back = QImage::fromData(*png, "png").convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(back, image);
        EXPECT_EQ(back.dotsPerMeterX(), 5906);
    }
    EXPECT_FALSE(ChartPng(QImage()));
    EXPECT_FALSE(ChartPng(QImage(4, 4, QImage::Format_ARGB32)));
}

TEST(ChartPicture, ClipboardGetsTheImageAndTheSvg) {
    const ChartDrawer draw = [](Painter& p, double, double) { p.Fill({1, 1, 9, 9}, kRed); };
    ASSERT_TRUE(CopyChartToClipboard(draw, QSize(20, 10), 96));
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasImage());
    EXPECT_TRUE(data->data(QStringLiteral("image/svg+xml")).startsWith("<?xml"));
    EXPECT_FALSE(CopyChartToClipboard(draw, QSize(0, 10), 96));
}

} // namespace
