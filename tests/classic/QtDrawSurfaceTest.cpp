#include "classic/QtDrawSurface.h"
#include "Pixels.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A surface drawing into a white w x h image.
struct Canvas {
    Canvas(int w, int h) : image(w, h, QImage::Format_RGB32) { image.fill(Qt::white); }
    QRgb at(int x, int y) const { return image.pixel(x, y); }
    QImage image;
    QtDrawSurface surface{&image};
};

TEST(QtDrawSurface, LinesLeaveOutTheirEndPoint) {
    struct Case {
        int x0, y0, x1, y1;
        QPoint last, end;
    };
    const Case cases[] = {
        {2, 5, 8, 5, {7, 5}, {8, 5}}, {8, 5, 2, 5, {3, 5}, {2, 5}}, {5, 1, 5, 9, {5, 8}, {5, 9}},
        {1, 1, 9, 9, {8, 8}, {9, 9}}, {9, 1, 1, 9, {2, 8}, {1, 9}},
    };
    for (const auto& tc : cases) {
        Canvas c(12, 12);
        c.surface.SelectPen({PenStyle::Solid, 1, kRed});
        c.surface.MoveTo(tc.x0, tc.y0);
        c.surface.LineTo(tc.x1, tc.y1);
        EXPECT_EQ(c.at(tc.x0, tc.y0), kRedPx);
        EXPECT_EQ(c.at(tc.last.x(), tc.last.y()), kRedPx);
        EXPECT_EQ(c.at(tc.end.x(), tc.end.y()), kWhitePx) << tc.x1 << "," << tc.y1;
    }
}

TEST(QtDrawSurface, DottedLinesAlternateThreeOnThreeOff) {
    Canvas c(40, 3);
    c.surface.SelectPen({PenStyle::Dot, 1, kGreen});
    c.surface.MoveTo(0, 1);
    c.surface.LineTo(40, 1);
    QString pattern;
    for (int x = 0; x < 14; ++x)
        pattern += c.at(x, 1) == qRgb(0, 255, 0) ? '#' : '.';
    EXPECT_EQ(pattern, "###...###...##");
}

TEST(QtDrawSurface, RectangleOutlinesAndFillsWithExclusiveRightAndBottom) {
    Canvas c(12, 12);
    c.image.fill(Qt::gray);
    c.surface.Rectangle(2, 3, 8, 10);
    const QRgb black = qRgb(0, 0, 0);
    EXPECT_EQ(c.at(2, 3), black);
    EXPECT_EQ(c.at(7, 9), black);
    EXPECT_EQ(c.at(7, 5), black);
    EXPECT_EQ(c.at(5, 9), black);
    EXPECT_EQ(c.at(5, 5), kWhitePx);
    EXPECT_EQ(c.at(8, 5), QColor(Qt::gray).rgb());
    EXPECT_EQ(c.at(5, 10), QColor(Qt::gray).rgb());
}

// The stamped ellipse must match what QPainter draws for the same ellipse, pixel for pixel.
TEST(QtDrawSurface, StampedEllipsesMatchQPainterExactly) {
    const Pen pens[] = {{PenStyle::Dot, 3, kBlue},
                        {PenStyle::Solid, 1, kRed},
                        {PenStyle::Dot, 1, kGreen},
                        {PenStyle::Solid, 2, kBlue}};
    const QRect boxes[] = {{20, 20, 2, 2}, {0, 0, 2, 2},   {-1, 30, 2, 2},
                           {38, 38, 2, 2}, {10, 12, 9, 5}, {5, 5, 1, 1}};
    for (const Pen& pen : pens) {
        for (const QRect& box : boxes) {
            Canvas stamped(40, 40);
            stamped.surface.SelectPen(pen);
            // Twice: the second call copies the cached stamp.
            stamped.surface.Ellipse(box.left(), box.top(), box.left() + box.width(),
                                    box.top() + box.height());
            stamped.surface.Ellipse(box.left(), box.top(), box.left() + box.width(),
                                    box.top() + box.height());
            QImage direct(40, 40, QImage::Format_RGB32);
            direct.fill(Qt::white);
            {
                QPainter painter(&direct);
                painter.setPen(EllipseStamp::qtPen(pen));
                painter.setBrush(Qt::white);
                painter.drawEllipse(QRectF(box));
            }
            EXPECT_EQ(stamped.image, direct)
                << pen.width << " at " << box.left() << "," << box.top();
        }
    }
}

TEST(QtDrawSurface, WideDotPensDrawSolidBlobs) {
    Canvas c(10, 10);
    c.surface.SelectPen({PenStyle::Dot, 3, kBlue});
    c.surface.Ellipse(4, 4, 6, 6);
    int blue = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            blue += c.at(x, y) == kBluePx;
    // The three-pixel pen straddles the outline of the 2 x 2 box: a solid 4 x 4 blob.
    EXPECT_EQ(blue, 16);
    for (int xy : {3, 4, 5, 6})
        EXPECT_EQ(c.at(xy, xy), kBluePx) << xy;
    EXPECT_EQ(c.at(7, 7), kWhitePx);
    EXPECT_EQ(c.at(2, 2), kWhitePx);
}

TEST(QtDrawSurface, TextCellsAreOpaqueAndUpwardTextTurnsAboutItsCorner) {
    Canvas c(120, 120);
    c.image.fill(Qt::gray);
    const TextSize size = c.surface.GetTextExtent("Z'x10^3");
    ASSERT_GT(size.cx, 20);
    ASSERT_GT(size.cy, 8);
    c.surface.TextOut(10, 10, "Z'x10^3");
    EXPECT_EQ(c.at(10, 10), kWhitePx) << "cell starts at the point";
    EXPECT_EQ(c.at(9, 10), QColor(Qt::gray).rgb());
    EXPECT_EQ(c.at(10 + size.cx, 10), QColor(Qt::gray).rgb());

    // Upward: the cell spans [x, x + cy) across and [y - cx, y) up from the point.
    Canvas up(120, 120);
    up.image.fill(Qt::gray);
    up.surface.SelectFont({"Arial", 0, 900});
    const TextSize upSize = up.surface.GetTextExtent("-Z\"");
    up.surface.SetTextColor(kBlue);
    up.surface.TextOut(20, 100, "-Z\"");
    EXPECT_EQ(up.at(20, 99), kWhitePx);
    EXPECT_EQ(up.at(20 + upSize.cy - 1, 100 - upSize.cx), kWhitePx);
    EXPECT_EQ(up.at(20, 101), QColor(Qt::gray).rgb());
    EXPECT_EQ(up.at(19, 99), QColor(Qt::gray).rgb());
    EXPECT_EQ(up.at(20 + upSize.cy + 1, 99), QColor(Qt::gray).rgb());
    int bluish = 0;
    for (int y = 100 - upSize.cx; y < 100; ++y)
        for (int x = 20; x < 20 + upSize.cy; ++x)
            bluish += qBlue(up.at(x, y)) > 200 && qRed(up.at(x, y)) < 100;
    EXPECT_GT(bluish, 10);
}

TEST(QtDrawSurface, OnlyImagesWithThirtyTwoBitPixelsAreDrawnInto) {
    // The pixel writers store one QRgb per pixel: any other layout would be overrun.
    const QImage::Format refused[] = {QImage::Format_Indexed8, QImage::Format_RGB888,
                                      QImage::Format_RGB16,    QImage::Format_Grayscale8,
                                      QImage::Format_ARGB32,   QImage::Format_RGBA64};
    for (QImage::Format format : refused) {
        QImage other(8, 8, format);
        other.fill(0u);
        // Bytes, not images: comparing an indexed image without colours crashes Qt.
        const auto bytes = [&other] {
            return QByteArray(reinterpret_cast<const char*>(other.constBits()),
                              static_cast<qsizetype>(other.sizeInBytes()));
        };
        const QByteArray before = bytes();
        QtDrawSurface surface(&other);
        surface.MoveTo(0, 0);
        surface.LineTo(7, 7); // draws into an image of its own, never into `other`
        EXPECT_EQ(bytes(), before) << format;
    }
}

} // namespace
