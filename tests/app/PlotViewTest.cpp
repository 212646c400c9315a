#include "TempDir.h"
#include "Tick.h"
#include "app/CommandLine.h"
#include "app/Snapshot.h"
#include "classic/DialogBuilder.h"
#include "classic/PlotDlg.h"
#include "platform/PlotArea.h"
#include "platform/PlotViewControl.h"
#include "res/Resource.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QHelpEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QProcess>
#include <QStandardPaths>
#include <QToolTip>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <sstream>

namespace {

const QString kSample = QStringLiteral(KORVANE_SAMPLES_DIR "/randles-diffusion.txt");

// An ideal RC semicircle of 100 ohms, its top (at omega tau = 1) included.
std::string semicircle() {
    std::ostringstream out;
    for (int k = -40; k <= 40; ++k) {
        const double wt = std::pow(10.0, k / 10.0);
        out << 1000 * wt << ' ' << 100 / (1 + wt * wt) << ' ' << -100 * wt / (1 + wt * wt) << '\n';
    }
    return out.str();
}

bool isDot(QRgb p) {
    return p == qRgb(0, 0, 255);
}

// The main dialog on a file, drawn once.
struct PlottedDialog {
    explicit PlottedDialog(const std::string& content, bool plus = false, bool equal = false) {
        dialog->OnInitDialog();
        dialog->show();
        qobject_cast<QCheckBox*>(GetDlgItem(*dialog, IDC_PLUS))->setChecked(plus);
        dialog->plotView().setEqualScales(equal);
        path = dir.write("m.txt", content);
        dialog->AcceptChosenFile(path);
        Tick(*dialog);
    }
    PlotArea& area() const { return *dialog->plotArea(); }
    // Where the dot of `series` (0: Z' or |Z|, 1: the phase) of a slot was drawn.
    QPoint dot(int slot, int series = 0) const {
        for (const DrawnDot& d : dialog->plotView().drawn()->dots)
            if (d.index == slot && d.series == series)
                return QPoint(static_cast<int>(d.at.x), static_cast<int>(d.at.y));
        return QPoint(-100, -100);
    }
    // How far apart the dots stand across and up, in pixels.
    QSize dotSpread() const {
        QRect box;
        for (const DrawnDot& d : dialog->plotView().drawn()->dots)
            box |= QRect(static_cast<int>(d.at.x), static_cast<int>(d.at.y), 1, 1);
        return box.size() - QSize(1, 1);
    }
    QString tooltipAt(QPoint at) const {
        QToolTip::hideText();
        QHelpEvent help(QEvent::ToolTip, at, area().mapToGlobal(at));
        QApplication::sendEvent(&area(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
    void wheel(QPoint at, int eighths) const {
        QWheelEvent event(at, area().mapToGlobal(at), {}, {0, eighths}, Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&area(), &event);
    }
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held) const {
        QMouseEvent event(type, at, area().mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(&area(), &event);
    }
    TempDir dir;
    std::string path;
    std::unique_ptr<CPlotDlg> dialog = std::make_unique<CPlotDlg>();
};

TEST(EqualScales, AnIdealSemicircleComesOutTwiceAsWideAsHigh) {
    for (bool plus : {false, true}) {
        for (bool equal : {false, true}) {
            PlottedDialog p(semicircle(), plus, equal);
            const QSize spread = p.dotSpread();
            if (equal)
                EXPECT_NEAR(spread.width(), 2 * spread.height(), 2) << plus;
            else
                EXPECT_GT(spread.height(), spread.width() / 2 + 50) << "a tall arch";
        }
    }
}

TEST(PlotReadout, TheTooltipReadsOutTheDotUnderThePointerOrElseTheFile) {
    PlottedDialog p("# header\n100 10 -5\n1000 20 -2\n");
    const QString onDot = p.tooltipAt(p.dot(0) + QPoint(2, -1));
    EXPECT_EQ(onDot, QString::fromUtf8("f = 100 Hz\nZ' = 10 \u03a9\n\u2212Z'' = 5 \u03a9\n"
                                       "|Z| = 11.18 \u03a9\nphase = -26.57\u00b0\nline 2"));
    EXPECT_TRUE(p.tooltipAt(p.dot(1)).endsWith(QStringLiteral("line 3")));
    EXPECT_EQ(p.tooltipAt(QPoint(300, 380)), QStringLiteral("format: plain\n2 points"));
}

TEST(PlotView, MenuEntriesWheelDragAndDoubleClickSetAndResetTheView) {
    PlottedDialog p("1 0 -0\n2 10 -10\n3 20 -5\n");
    const QList<QAction*> actions = p.area().contextMenu()->actions();
    QStringList texts;
    for (QAction* a : actions)
        texts << a->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("Equal scales")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Reset view")));
    PlotViewControl& view = p.dialog->plotView();
    EXPECT_TRUE(view.equalScalesAction()->isCheckable());

    const QImage automatic = p.area().picture();
    view.equalScalesAction()->trigger();
    EXPECT_TRUE(view.choices().equalScales);
    EXPECT_NE(p.area().picture(), automatic) << "redrawn at once";
    view.equalScalesAction()->trigger();
    EXPECT_EQ(p.area().picture(), automatic);

    // Zooming in about the middle dot keeps it where it is.
    const QPoint middle = p.dot(1);
    p.wheel(middle, 120);
    ASSERT_TRUE(view.choices().view);
    EXPECT_EQ(p.dot(1), middle);
    EXPECT_FALSE(p.dot(0) == QPoint(70, 360)) << "the first dot moved out";
    const PlotView zoomed = *view.choices().view;

    // The reloads keep the view.
    Tick(*p.dialog);
    EXPECT_EQ(view.choices().view, zoomed);
    EXPECT_EQ(p.dot(1), middle);

    // Dragging moves the plot with the pointer.
    p.mouse(QEvent::MouseButtonPress, middle, Qt::LeftButton);
    p.mouse(QEvent::MouseMove, middle + QPoint(30, 20), Qt::LeftButton);
    p.mouse(QEvent::MouseButtonRelease, middle + QPoint(30, 20), Qt::NoButton);
    EXPECT_NEAR(p.dot(1).x(), middle.x() + 30, 1);
    EXPECT_NEAR(p.dot(1).y(), middle.y() + 20, 1);

    p.mouse(QEvent::MouseButtonDblClick, middle, Qt::LeftButton);
    EXPECT_FALSE(view.choices().view);
    EXPECT_EQ(p.area().picture(), automatic);

    p.wheel(middle, -240);
    view.resetViewAction()->trigger();
    EXPECT_FALSE(view.choices().view);
    EXPECT_EQ(p.area().picture(), automatic);
}

TEST(PlotView, ANewFileChoiceClearsThePlotUntilItsFirstPicture) {
    PlottedDialog p("1 1 -1\n2 2 -2\n");
    ASSERT_TRUE(p.area().hasPicture());
    p.dialog->AcceptChosenFile(p.path);
    EXPECT_TRUE(p.area().hasPicture()) << "the same file again";

    const std::string other = p.dir.file("other.txt");
    p.dialog->setWarningBox([](const QString&, const QString&) {});
    p.dialog->AcceptChosenFile(other);
    EXPECT_FALSE(p.area().hasPicture());
    Tick(*p.dialog);
    EXPECT_FALSE(p.area().hasPicture()) << "not there yet";
    p.dir.write("other.txt", "1 3 -3\n2 4 -5\n");
    Tick(*p.dialog);
    EXPECT_TRUE(p.area().hasPicture());

    // A file that goes away after it was shown keeps its picture, for every view and every
    // format, until it returns.
    const auto svg = [&p] {
        const QString out = QString::fromStdString(p.dir.file("shown.svg"));
        p.area().setSavePathChooser([&out] { return out; });
        p.area().savePicture();
        QFile file(out);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QImage shown = p.area().picture();
    const QByteArray shownSvg = svg();
    p.dialog->plotView().bodeAction()->trigger();
    const QImage bode = p.area().picture();
    p.dialog->plotView().nyquistAction()->trigger();
    std::remove(other.c_str());
    Tick(*p.dialog);
    EXPECT_EQ(p.area().picture(), shown);
    EXPECT_EQ(svg(), shownSvg);
    p.dialog->plotView().bodeAction()->trigger();
    EXPECT_EQ(p.area().picture(), bode);
}

TEST(PlotView, SavePictureAsWritesTheFormatTheNameAsksFor) {
    PlottedDialog p("1 1 -1\n2 2 -2\n");
    const struct {
        const char* name;
        QByteArray start;
    } cases[] = {{"a.png", "\x89PNG"}, {"a.SVG", "<?xml"}, {"a.pdf", "%PDF-"}};
    for (const auto& tc : cases) {
        const QString out = QString::fromStdString(p.dir.file(tc.name));
        p.area().setSavePathChooser([&out] { return out; });
        p.area().savePicture();
        QFile file(out);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << tc.name;
        EXPECT_TRUE(file.readAll().startsWith(tc.start)) << tc.name;
    }
}

TEST(BodeView, TheMenuSwitchesDiagramsAndBackToTheSameNyquistPicture) {
    PlottedDialog p(semicircle());
    PlotViewControl& view = p.dialog->plotView();
    EXPECT_TRUE(view.nyquistAction()->isChecked());
    const QImage nyquist = p.area().picture();
    p.wheel(p.dot(40), 120);
    ASSERT_TRUE(view.choices().view);
    view.setEqualScales(true);

    view.bodeAction()->trigger();
    EXPECT_EQ(view.choices().diagram, Diagram::Bode);
    EXPECT_FALSE(view.nyquistAction()->isChecked());
    EXPECT_FALSE(view.choices().view) << "ohms mean nothing on a frequency axis";
    EXPECT_FALSE(view.equalScalesAction()->isEnabled());
    // Slot 40: 1 kHz, Z' = -Z'' = 50, so |Z| = 70.7 and -phase = 45.
    const QImage bode = p.area().picture();
    const QPoint magnitude = p.dot(40), phase = p.dot(40, 1);
    EXPECT_EQ(bode.pixel(magnitude), qRgb(0, 0, 255));
    EXPECT_EQ(bode.pixel(phase), qRgb(255, 0, 0));
    const QString readout = p.tooltipAt(phase);
    EXPECT_TRUE(readout.startsWith(QStringLiteral("f = 1.00 kHz\nZ' = 50 \u03a9\n")))
        << readout.toStdString();

    // Zoom keeps the dot under the pointer on log axes too, within the pixel's rounding.
    const QPoint at = magnitude;
    p.wheel(at, 240);
    EXPECT_LE((p.dot(40) - at).manhattanLength(), 1);

    view.setEqualScales(false);
    view.nyquistAction()->trigger();
    EXPECT_TRUE(view.equalScalesAction()->isEnabled());
    EXPECT_EQ(p.area().picture(), nyquist);
}

bool isText(QRgb p) {
    return qGray(p) < 100;
}

TEST(BodeView, ASnapshotLabelsTheDecadesAndShowsBothSeries) {
    TempDir dir;
    const std::string file = dir.write("rc.txt", semicircle());
    const std::string png = dir.file("bode.png");
    ASSERT_FALSE(WriteSnapshot(file, png, false, {534, 392}, false, true, {.classic = true}));
    const QImage picture(QString::fromStdString(png));
    ASSERT_FALSE(picture.isNull());
    // 0.1 Hz to 10 MHz: eight decades across the frame from 70 to 460.
    auto hasTextBelow = [&](int x) {
        for (int y = 363; y < 376; ++y)
            if (isText(picture.pixel(x, y)))
                return true;
        return false;
    };
    for (int k = 0; k <= 8; ++k) {
        const int x = std::min(70 + k * 390 / 8, 455);
        if (k == 7)
            continue; // 10^6 gives way to 10^7, moved in from the corner
        EXPECT_TRUE(hasTextBelow(x)) << "10^" << k - 1;
        if (k < 7) { // the last label stands clear of the Z axis' labels
            EXPECT_FALSE(hasTextBelow(x + 390 / 16)) << "between 10^" << k - 1;
        }
    }
    int blue = 0, red = 0;
    for (int y = 11; y < 360; ++y)
        for (int x = 71; x < 400; ++x) {
            blue += picture.pixel(x, y) == qRgb(0, 0, 255);
            red += picture.pixel(x, y) == qRgb(255, 0, 0);
        }
    EXPECT_GT(blue, 81 * 4) << "every |Z| dot";
    EXPECT_GT(red, 81 * 3) << "the -phase dots";

    const std::string svg = dir.file("bode.svg");
    ASSERT_FALSE(WriteSnapshot(file, svg, false, {534, 392}, false, true, {.classic = true}));
    QFile drawing(QString::fromStdString(svg));
    ASSERT_TRUE(drawing.open(QIODevice::ReadOnly));
    EXPECT_TRUE(drawing.readAll().contains("10^-1"));
}

TEST(CommandLine, BodeGoesWithSnapshotsAndTheWindow) {
    EXPECT_TRUE(ParseCommandLine({"korvane", "--snapshot", "o.png", "--bode", "m.txt"}).bode);
    EXPECT_TRUE(ParseCommandLine({"korvane", "--bode", "m.txt"}).bode);
    EXPECT_FALSE(ParseCommandLine({"korvane", "m.txt"}).bode);
}

TEST(CommandLine, EqualGoesWithSnapshotsAndTheWindow) {
    const CommandLine snapshot = ParseCommandLine(
        {"korvane", "--snapshot", "o.svg", "--equal", "--size", "800x600", "m.txt"});
    EXPECT_EQ(snapshot.action, CommandLine::Action::Snapshot);
    EXPECT_TRUE(snapshot.equal);
    EXPECT_EQ(snapshot.output, "o.svg");
    EXPECT_TRUE(ParseCommandLine({"korvane", "--equal", "m.txt"}).equal);
    EXPECT_FALSE(ParseCommandLine({"korvane", "m.txt"}).equal);
}

bool isFrameRed(QRgb p) {
    return qRed(p) > 200 && qGreen(p) < 90 && qBlue(p) < 90;
}

// Renders an SVG or PDF back to a PNG with the tools a desktop has; empty without them.
QImage renderedBack(const QString& document, const QString& png) {
    const bool svg = document.endsWith(QStringLiteral(".svg"));
    const QString tool = QStandardPaths::findExecutable(svg ? "rsvg-convert" : "pdftoppm");
    if (tool.isEmpty())
        return {};
    const QStringList args =
        svg ? QStringList{document, "-o", png}
            : QStringList{"-png", "-r", "96", "-singlefile", document, png.chopped(4)};
    if (QProcess::execute(tool, args) != 0)
        return {};
    return QImage(png).convertToFormat(QImage::Format_RGB32);
}

TEST(Snapshot, SvgAndPdfDrawTheSameDiagramWithCirclesAndText) {
    TempDir dir;
    const std::string sample = QFile::encodeName(kSample).toStdString();
    const QString png = QString::fromStdString(dir.file("d.png"));
    ASSERT_FALSE(WriteSnapshot(sample, png.toStdString(), false, QSize(534, 392), false, false,
                               {.classic = true}));
    const QImage bitmap = QImage(png).convertToFormat(QImage::Format_RGB32);
    for (const char* ending : {".svg", ".pdf"}) {
        SCOPED_TRACE(ending);
        const QString out = QString::fromStdString(dir.file(std::string("d") + ending));
        ASSERT_FALSE(WriteSnapshot(sample, out.toStdString(), false, QSize(534, 392), false, false,
                                   {.classic = true}));
        QFile file(out);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (std::string(ending) == ".svg") {
            EXPECT_TRUE(bytes.contains("<circle"));
            EXPECT_TRUE(bytes.contains(">Z'</text>"));
        } else {
            EXPECT_TRUE(bytes.startsWith("%PDF-"));
        }
        const QImage back = renderedBack(out, out + ".png");
        if (back.isNull())
            GTEST_SKIP() << "rsvg-convert or pdftoppm is not installed";
        ASSERT_GE(back.width(), 534);
        ASSERT_GE(back.height(), 392);
        // The frame stands where the bitmap has it, and so does every dot inside it.
        for (int y = 20; y < 350; y += 10)
            for (int x : {70, 460}) {
                if (isFrameRed(bitmap.pixel(x, y))) {
                    EXPECT_TRUE(isFrameRed(back.pixel(x, y)) || isFrameRed(back.pixel(x, y + 1)))
                        << x << "," << y;
                }
            }
        int dots = 0, matched = 0;
        for (int y = 12; y < 358; ++y)
            for (int x = 72; x < 458; ++x)
                if (isDot(bitmap.pixel(x, y))) {
                    ++dots;
                    matched += qBlue(back.pixel(x, y)) > 150 && qRed(back.pixel(x, y)) < 150;
                }
        EXPECT_GT(dots, 100);
        EXPECT_GT(matched, dots * 9 / 10);
    }
}

TEST(Snapshot, VectorOutputsFollowTheSameSafetyRules) {
    TempDir dir;
    const std::string sample = QFile::encodeName(kSample).toStdString();
    const std::string notes = dir.write("notes.pdf", "my notes");
    EXPECT_EQ(WriteSnapshot(sample, notes, false, QSize(534, 392)),
              QString("cannot write %1: it exists and is not a PDF picture Korvane wrote")
                  .arg(QString::fromStdString(notes)));
    const std::string measurement = dir.write("m.svg", "1 1 -1\n2 2 -2\n");
    EXPECT_EQ(WriteSnapshot(measurement, measurement, false, QSize(534, 392)),
              QString("cannot write %1: it is the measurement file")
                  .arg(QString::fromStdString(measurement)));
    const std::string drawing = dir.file("d.svg");
    for (int time = 0; time < 2; ++time) // a drawing of ours is replaced
        EXPECT_EQ(WriteSnapshot(sample, drawing, false, QSize(534, 392)), std::nullopt) << time;
    QFile mine(QString::fromStdString(notes));
    ASSERT_TRUE(mine.open(QIODevice::ReadOnly));
    EXPECT_EQ(mine.readAll(), "my notes");
}

TEST(Snapshot, LabelsAndTitlesStayInsideEveryPictureSize) {
    TempDir dir;
    const std::string sample = QFile::encodeName(kSample).toStdString();
    for (QSize size : {QSize(200, 150), QSize(534, 392), QSize(1600, 1200), QSize(4000, 3000)}) {
        SCOPED_TRACE(size.width());
        const QString out = QString::fromStdString(dir.file("s.png"));
        ASSERT_FALSE(
            WriteSnapshot(sample, out.toStdString(), false, size, false, false, {.classic = true}));
        const QImage picture = QImage(out).convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(picture.size(), size);
        // Right inside the one-pixel border everything stays white: no text runs over an
        // edge.
        const int w = size.width(), h = size.height();
        for (int x = 1; x < w - 1; ++x)
            for (int y : {1, h - 2})
                ASSERT_EQ(picture.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
        for (int y = 1; y < h - 1; ++y)
            for (int x : {1, w - 2})
                ASSERT_EQ(picture.pixel(x, y), qRgb(255, 255, 255)) << x << "," << y;
        // The X title is there: black text in the lowest eighth, in the middle.
        int black = 0;
        for (int y = h * 7 / 8; y < h - 1; ++y)
            for (int x = w / 3; x < w * 2 / 3; ++x)
                black += qGray(picture.pixel(x, y)) < 60;
        EXPECT_GT(black, 10);
    }
}

} // namespace
