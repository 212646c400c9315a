#include "TempDir.h"
#include "app/MainWindow.h"
#include "app/Snapshot.h"
#include "platform/PlotArea.h"
#include "platform/PlotViewControl.h"
#include "platform/QtPainter.h"

#include <QApplication>
#include <QFile>
#include <QHelpEvent>
#include <QImage>
#include <QRegularExpression>
#include <QSettings>
#include <QToolTip>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

// The main window on a file, drawn once.
struct ModernWindow {
    explicit ModernWindow(const std::string& content) {
        dialog->show();
        dialog->openFile(dir.write("m.txt", content));
        dialog->finishReading();
    }
    PlotArea& area() const { return *dialog->plotArea(); }
    PlotViewControl& view() const { return dialog->plotView(); }
    // Where point i of the first series was drawn.
    QPoint dot(int i) const {
        for (const DrawnDot& d : view().drawn()->dots)
            if (d.series == 0 && d.index == i)
                return QPoint(static_cast<int>(std::lround(d.at.x)),
                              static_cast<int>(std::lround(d.at.y)));
        return QPoint(-100, -100);
    }
    QString tooltipAt(QPoint at) const {
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, at, area().mapToGlobal(at));
        QApplication::sendEvent(&area(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
    TempDir dir;
    std::unique_ptr<MainWindow> dialog = std::make_unique<MainWindow>(std::make_unique<QSettings>(
        QString::fromStdString(dir.file("k.conf")), QSettings::IniFormat));
};

TEST(ModernLook, TheWindowReadsOutZoomsAboutTheDotAndShowsBode) {
    ModernWindow d("100 10 -5\n1000 20 -2\n10000 30 -1\n");
    ASSERT_TRUE(d.view().drawn());
    ASSERT_EQ(d.view().drawn()->dots.size(), 3u);
    EXPECT_TRUE(d.area().picture().pixel(d.dot(0)) != qRgb(255, 255, 255)) << "a dot";
    EXPECT_EQ(
        d.tooltipAt(d.dot(0)),
        QStringLiteral("f = 100 Hz\nZ\u2032 = 10 \u03a9\n\u2212Z\u2033 = 5 \u03a9\n|Z| = 11.18 "
                       "\u03a9\nphase = \u221226.57\u00b0\nline 1"));
    EXPECT_EQ(d.tooltipAt(QPoint(5, 5)), QStringLiteral("format: plain\n3 points"));

    const QPoint middle = d.dot(1);
    QWheelEvent wheel(middle, d.area().mapToGlobal(middle), {}, {0, 120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&d.area(), &wheel);
    ASSERT_TRUE(d.view().choices().view);
    EXPECT_NEAR(d.dot(1).x(), middle.x(), 1);
    EXPECT_NEAR(d.dot(1).y(), middle.y(), 1);

    d.view().bodeAction()->trigger();
    ASSERT_TRUE(d.view().drawn());
    EXPECT_TRUE(d.view().drawn()->x.log);
    EXPECT_EQ(d.view().drawn()->dots.size(), 3u) << "|Z| of each point";
    ASSERT_TRUE(d.view().drawn()->below);
    const std::vector<DrawnDot> phase = d.view().drawn()->below->dots;
    ASSERT_EQ(phase.size(), 3u) << "the phase of each point, in the panel below";
    EXPECT_TRUE(d.tooltipAt(d.dot(0)).startsWith(QStringLiteral("f = 100 Hz")));
    const QPoint lower(std::lround(phase[2].at.x), std::lround(phase[2].at.y));
    EXPECT_TRUE(d.tooltipAt(lower).endsWith(QStringLiteral("line 3")));
    // Zoom in the lower panel moves its −φ axis and the frequencies both panels share.
    QWheelEvent below(lower, d.area().mapToGlobal(lower), {}, {0, 120}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&d.area(), &below);
    ASSERT_TRUE(d.view().choices().view && d.view().choices().view->lowerY);
    EXPECT_EQ(d.view().drawn()->x.min, d.view().drawn()->below->x.min);
    const DrawnDot kept = d.view().drawn()->below->dots.back();
    EXPECT_EQ(kept.index, 2) << "the dot under the pointer stays";
    EXPECT_NEAR(kept.at.x, lower.x(), 1);
    EXPECT_NEAR(kept.at.y, lower.y(), 1);
}

TEST(ModernLook, TheWindowWritesNumbersWithItsLocalesDecimalPoint) {
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        ModernWindow d("3.16 0.5 -0.25\n31.6 1.5 -0.75\n");
        const QString readout = d.tooltipAt(d.dot(0));
        EXPECT_TRUE(readout.startsWith(QStringLiteral("f = 3,16 Hz\nZ\u2032 = 0,5 \u03a9")))
            << readout.toStdString();
        EXPECT_FALSE(readout.contains(QLatin1Char('.')));
    }
    QLocale::setDefault(QLocale::c());
}

// The text runs of an SVG: each glyph run's place and text, the pieces of one run sharing
// their translation.
struct SvgText {
    double x, y, dx;
    QString text;
};

std::vector<SvgText> textsOf(const QByteArray& svg) {
    static const QRegularExpression run(QString::fromLatin1(
        R"re(matrix\(1,0,0,1,([-\d.]+),([-\d.]+)\)"[^<]*<text[^>]*x="([-\d.]+)"[^>]*>([^<]*)</text>)re"));
    std::vector<SvgText> texts;
    for (auto it = run.globalMatch(QString::fromUtf8(svg)); it.hasNext();) {
        const auto m = it.next();
        texts.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4)});
    }
    return texts;
}

TEST(ModernLook, TheDecadesOfABodeSvgStandEvenlySpaced) {
    TempDir dir;
    std::string rows;
    for (int i = 0; i <= 60; ++i) {
        const double f = std::pow(10.0, 5 - i / 10.0);
        rows += std::to_string(f) + " 20 " + std::to_string(-1.0 / f) + "\n";
    }
    const std::string svg = dir.file("bode.svg");
    ASSERT_FALSE(WriteSnapshot(dir.write("m.txt", rows), svg, false, {800, 600}, false, true));
    QFile file(QString::fromStdString(svg));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::vector<SvgText> texts = textsOf(file.readAll());
    // The x axis' decades: "10" and its exponent at the lowest row of labels.
    double lowest = 0;
    for (const SvgText& t : texts)
        if (t.text == QStringLiteral("10"))
            lowest = std::max(lowest, t.y);
    QImage measure(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter qp(&measure);
    QtPainter painter(qp);
    std::vector<double> centres;
    for (size_t i = 0; i + 1 < texts.size(); ++i) {
        const SvgText &base = texts[i], &power = texts[i + 1];
        if (base.text != QStringLiteral("10") || base.y != lowest || power.x != base.x)
            continue;
        const TextRun label{{"10", false}, {power.text.toStdString(), true}};
        centres.push_back(base.x + painter.Measure(label, 12).width / 2);
    }
    ASSERT_GE(centres.size(), 4u) << "six decades labelled";
    for (size_t i = 2; i < centres.size(); ++i)
        EXPECT_NEAR(centres[i] - centres[i - 1], centres[1] - centres[0], 0.5) << i;
}

} // namespace
