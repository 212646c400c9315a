#include "app/MainWindow.h"
#include "BytesRead.h"
#include "TempDir.h"
#include "app/Snapshot.h"
#include "app/StatusLabel.h"
#include "app/Translation.h"
#include "app/WindowStatus.h"
#include "platform/PlotArea.h"
#include "platform/PlotViewControl.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTableWidget>
#include <QTest>
#include <QTranslator>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

namespace {

// A shown window whose settings live in the test's own folder.
struct Shown {
    explicit Shown(const TempDir& dir) : settingsFile(QString::fromStdString(dir.file("k.conf"))) {
        window = std::make_unique<MainWindow>(settings());
        window->resize(700, 500);
        window->show();
    }
    std::unique_ptr<QSettings> settings() const {
        return std::make_unique<QSettings>(settingsFile, QSettings::IniFormat);
    }
    void open(const std::string& path) {
        window->openFile(path);
        window->finishReading();
    }
    void tick() {
        window->tick();
        window->finishReading();
    }
    QString settingsFile;
    std::unique_ptr<MainWindow> window;
};

const char kArc[] = "1000 10 -1\n100 12 -3\n10 15 -2\n";

TEST(MainWindow, ThePlotIsLaidOutAnewAtEverySize) {
    TempDir dir;
    Shown s(dir);
    s.open(dir.write("arc.txt", kArc));
    PlotArea* plot = s.window->plotArea();
    ASSERT_TRUE(plot->hasPicture());
    EXPECT_EQ(plot->picture().size(), plot->size());
    s.window->resize(1100, 800);
    QApplication::processEvents();
    EXPECT_EQ(plot->picture().size(), plot->size());
    EXPECT_GT(plot->width(), 1000) << "the plot fills the window";
}

TEST(MainWindow, TheStatusLineSaysWhatIsKnownOfTheFile) {
    TempDir dir;
    Shown s(dir);
    EXPECT_EQ(s.window->statusText(), "Open a measurement file to watch it.");
    const std::string path = dir.file("run7.txt");
    s.open(path);
    EXPECT_EQ(s.window->statusText(), "Waiting for run7.txt to appear\u2026");
    EXPECT_FALSE(s.window->plotArea()->hasPicture());

    dir.write("run7.txt", kArc);
    s.tick();
    const QString read = s.window->statusText();
    EXPECT_TRUE(read.startsWith("run7.txt \u00b7 plain text \u00b7 3 points \u00b7 read "))
        << read.toStdString();
    const QString at = read.section(' ', -1);

    std::filesystem::remove(path);
    s.tick();
    EXPECT_EQ(s.window->statusText(), "run7.txt is gone \u2014 showing what was read at " + at);
    EXPECT_TRUE(s.window->plotArea()->hasPicture()) << "the last picture stays";

    std::filesystem::create_directory(path);
    s.tick();
    EXPECT_EQ(s.window->statusText(), "Cannot read run7.txt: Is a directory");
    EXPECT_EQ(s.window->windowTitle(), "run7.txt \u2014 Korvane");
    int shown = 0;
    for (const QWidget* widget : QApplication::topLevelWidgets())
        shown += widget->isVisible();
    EXPECT_EQ(shown, 1) << "no box interrupts";

    // A record cut short that stays so: 100 bytes of the 84th record of 148.
    std::ifstream sample(KORVANE_MEASUREMENT_SAMPLES "/galvani_v1150_PEIS.mpr", std::ios::binary);
    const std::string mpr((std::istreambuf_iterator<char>(sample)), {});
    s.open(dir.write("cut.mpr", mpr.substr(0, 0x1B11 + 0x3EF + 83 * 148 + 100)));
    EXPECT_TRUE(s.window->statusText().startsWith(
        "cut.mpr \u00b7 BioLogic MPR \u00b7 83 points (cut short) \u00b7 read "))
        << s.window->statusText().toStdString();
}

TEST(MainWindow, CommandsCarryTheirShortcutsAndAct) {
    TempDir dir;
    Shown s(dir);
    s.open(dir.write("arc.txt", kArc));
    const struct {
        const char* command;
        QKeySequence keys;
    } shortcuts[] = {{"open", QKeySequence::Open},
                     {"savePicture", QKeySequence::Save},
                     {"copyPicture", QKeySequence::Copy},
                     {"quit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
                     {"exportData", QKeySequence(Qt::CTRL | Qt::Key_E)},
                     {"nyquist", QKeySequence(Qt::CTRL | Qt::Key_1)},
                     {"bode", QKeySequence(Qt::CTRL | Qt::Key_2)},
                     {"resetView", QKeySequence(Qt::Key_Home)},
                     {"zoomIn", QKeySequence(Qt::Key_Plus)},
                     {"zoomOut", QKeySequence(Qt::Key_Minus)}};
    for (const auto& tc : shortcuts) {
        QAction* action = s.window->command(tc.command);
        ASSERT_NE(action, nullptr) << tc.command;
        EXPECT_EQ(action->shortcut(), tc.keys) << tc.command;
    }

    QAction* bode = s.window->command("bode");
    bode->trigger();
    EXPECT_TRUE(bode->isChecked());
    const QImage bodePicture = s.window->plotArea()->picture();
    s.window->command("nyquist")->trigger();
    EXPECT_NE(s.window->plotArea()->picture(), bodePicture);

    const QImage whole = s.window->plotArea()->picture();
    s.window->command("zoomIn")->trigger();
    EXPECT_NE(s.window->plotArea()->picture(), whole) << "zoomed";
    s.window->command("resetView")->trigger();
    EXPECT_EQ(s.window->plotArea()->picture(), whole);
    s.window->command("startAtZero")->trigger();
    EXPECT_NE(s.window->plotArea()->picture(), whole) << "at once, not at the next read";

    s.window->command("copyPicture")->trigger();
    EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasImage());

    std::optional<QString> suggested;
    s.window->setExportChooser([&](const QString& path) {
        suggested = path;
        return std::optional(QString::fromStdString(dir.file("points.csv")));
    });
    s.window->command("exportData")->trigger();
    s.window->finishExport();
    EXPECT_EQ(suggested, QString::fromStdString(dir.file("arc.csv")));
    std::ifstream csv(dir.file("points.csv"));
    std::string header;
    std::getline(csv, header);
    EXPECT_EQ(header, "f/Hz,Z'/Ohm,-Z''/Ohm,|Z|/Ohm,phase/deg,line");

    std::optional<QString> asked;
    s.window->setFileChooser([&](const QString& folder) {
        asked = folder;
        return QStringList{QString::fromStdString(dir.file("other.txt"))};
    });
    s.window->command("open")->trigger();
    EXPECT_EQ(asked, QString::fromStdString(std::filesystem::path(dir.file("x")).parent_path()))
        << "starts in the current file's folder";
    EXPECT_EQ(s.window->windowTitle(), "other.txt \u2014 Korvane");
}

TEST(MainWindow, ADarkPaletteDrawsLightOnDarkButCopiesStayBlackOnWhite) {
    TempDir dir;
    Shown s(dir);
    QPalette dark = s.window->palette();
    dark.setColor(QPalette::Window, QColor(40, 40, 40));
    s.window->plotArea()->setPalette(dark);
    s.open(dir.write("arc.txt", kArc));
    EXPECT_LT(QColor(s.window->plotArea()->picture().pixel(1, 1)).lightness(), 64);
    s.window->command("copyPicture")->trigger();
    const QImage copied = qvariant_cast<QImage>(QApplication::clipboard()->mimeData()->imageData());
    EXPECT_EQ(copied.pixel(1, 1), qRgb(255, 255, 255));
}

TEST(MainWindow, EnterInThePathFieldOpensThatPath) {
    TempDir dir;
    Shown s(dir);
    const std::string path = dir.write("typed.txt", kArc);
    s.window->pathField()->setText(QString::fromStdString(path));
    QTest::keyClick(s.window->pathField(), Qt::Key_Return);
    s.window->finishReading();
    EXPECT_EQ(s.window->windowTitle(), "typed.txt \u2014 Korvane");
    EXPECT_TRUE(s.window->plotArea()->hasPicture());
    EXPECT_TRUE(s.window->isVisible()) << "Enter never closes the window";
}

// A file that would take minutes to read is left at once for another, shown within the tick.
TEST(MainWindow, ChoosingAnotherFileStopsTheReadUnderWay) {
    TempDir dir;
    const std::string huge = dir.writeHuge("huge.txt");
    Shown s(dir);
    const std::uint64_t before = BytesReadSoFar();
    s.window->openFile(huge);
    s.open(dir.write("arc.txt", kArc));
    s.window->finishReading();
    EXPECT_LT(BytesReadSoFar() - before, 4ULL << 30);
    EXPECT_TRUE(s.window->plotArea()->hasPicture());
    EXPECT_TRUE(s.window->statusText().startsWith("arc.txt"))
        << s.window->statusText().toStdString();
}

bool holds(const QImage& image, Color colour) {
    const QRgb wanted = qRgb(colour.r, colour.g, colour.b);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) == (wanted & 0xFFFFFF))
                return true;
    return false;
}

// The check runs beside the window: its verdict follows the options, the residuals panel
// comes with Ctrl+3, and both are remembered.
TEST(MainWindow, TheStatusLineGivesTheCheckAndResidualsComeUnderTheDiagram) {
    TempDir dir;
    const std::string randles = KORVANE_SAMPLES_DIR "/randles-diffusion.txt";
    {
        Shown s(dir);
        s.open(randles);
        EXPECT_TRUE(
            s.window->statusText().endsWith("KK: residuals up to 9.3 % below 316 Hz: drift?"))
            << s.window->statusText().toStdString();
        EXPECT_FALSE(s.window->plotView().drawn()->below);
        KkOptions cap;
        cap.capacitance = true;
        s.window->setKkOptions(cap);
        s.window->finishReading();
        EXPECT_TRUE(s.window->statusText().endsWith("KK valid, largest residual 0.42 %"))
            << s.window->statusText().toStdString();
        QAction* residuals = s.window->command("residuals");
        EXPECT_EQ(residuals->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_3));
        residuals->trigger();
        ASSERT_TRUE(s.window->plotView().drawn()->below);
        EXPECT_GT(s.window->plotView().drawn()->below->dots.size(), 100u)
            << "Δ′ and Δ″ of 71 points";
        s.window->close();
    }
    Shown again(dir);
    EXPECT_TRUE(again.window->command("residuals")->isChecked());
    EXPECT_TRUE(again.window->settings().kk.capacitance);
}

TEST(MainWindow, TheCircuitChosenIsFittedDrawnListedAndKept) {
    TempDir dir;
    {
        Shown s(dir);
        s.open(KORVANE_SAMPLES_DIR "/randles-diffusion.txt");
        EXPECT_TRUE(s.window->plotView().drawn()->linePoints.empty());
        s.window->setFitSetting({"R0-p(R1-W1,CPE1)", 1});
        s.window->finishReading();
        EXPECT_GT(s.window->plotView().drawn()->linePoints.size(), 100u) << "20 a decade";
        const auto* table = s.window->findChild<QTableWidget*>();
        ASSERT_TRUE(table);
        ASSERT_EQ(table->rowCount(), 13) << "sweep, points, chi2 and five values with errors";
        EXPECT_EQ(table->item(5, 0)->text(), QString::fromUtf8("R1 / \u03a9"));
        EXPECT_EQ(table->item(5, 1)->text(), QStringLiteral("100"));
        s.window->close();
    }
    Shown again(dir);
    EXPECT_EQ(again.window->settings().fitCircuit, "R0-p(R1-W1,CPE1)");
    EXPECT_EQ(again.window->settings().fitWeight, 1);
}

TEST(MainWindow, FilesAreOverlaidEachInItsColourAsInTheSnapshot) {
    TempDir dir;
    const std::string a = dir.write("EIS_001.txt", kArc);
    const std::string b = dir.write("EIS_002.txt", "1000 20 -1\n100 22 -3\n10 25 -2\n");
    ASSERT_EQ(WriteSnapshot(std::vector{a, b}, dir.file("o.png"), false, QSize(534, 392)),
              std::nullopt);
    const QImage snapshot(QString::fromStdString(dir.file("o.png")));
    EXPECT_TRUE(holds(snapshot, kOkabeBlue) && holds(snapshot, kOkabeVermillion));

    Shown s(dir);
    s.open(a);
    s.window->addFile(b);
    s.window->finishReading();
    EXPECT_EQ(s.window->windowTitle(), "EIS_001.txt and 1 more \u2014 Korvane");
    EXPECT_TRUE(s.window->statusText().endsWith(" \u00b7 2 files"));
    s.window->addFile(dir.file("later.txt"));
    s.window->finishReading();
    EXPECT_TRUE(s.window->statusText().endsWith(" \u00b7 3 files \u00b7 1 waiting"));
    s.window->removeFile(dir.file("later.txt"));
    s.window->finishReading();
    const QImage shown = s.window->plotArea()->picture();
    EXPECT_TRUE(holds(shown, kOkabeBlue) && holds(shown, kOkabeVermillion));

    s.window->removeFile(a);
    s.window->finishReading();
    EXPECT_EQ(s.window->windowTitle(), "EIS_002.txt \u2014 Korvane");
    EXPECT_TRUE(s.window->plotArea()->hasPicture());
    s.window->command("closeAll")->trigger();
    EXPECT_EQ(s.window->windowTitle(), "Korvane");
    EXPECT_FALSE(s.window->plotArea()->hasPicture());
}

TEST(MainWindow, ASavedPictureIsTheSnapshotWhateverTheLocale) {
    TempDir dir;
    const std::string arc = dir.write("arc.txt", "1000 0.5 -0.1\n100 1.2 -0.3\n10 1.5 -0.2\n");
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        Shown s(dir);
        s.open(arc);
        const QString saved = QString::fromStdString(dir.file("saved.png"));
        s.window->plotArea()->setSavePathChooser([saved] { return saved; });
        s.window->plotArea()->savePicture();
        const QImage window(saved);
        ASSERT_FALSE(window.isNull());
        ASSERT_EQ(WriteSnapshot({arc}, dir.file("snap.png"), false, window.size()), std::nullopt);
        EXPECT_EQ(window, QImage(QString::fromStdString(dir.file("snap.png"))));
    }
    QLocale::setDefault(before);
}

TEST(MainWindow, AnExportRunsBesideTheWindowAndACancelledOneLeavesNoFile) {
    TempDir dir;
    std::string lines;
    for (int i = 0; i < 200'000; ++i)
        lines += "1 10 -1\n";
    // Zeros without a line end up to 64 GiB (sparse): an export not cancelled takes minutes.
    const std::string large = dir.write("large.txt", lines);
    std::filesystem::resize_file(large, 64ULL << 30);
    Shown s(dir);
    s.window->openFile(large);
    s.window->setExportChooser(
        [&](const QString&) { return std::optional(QString::fromStdString(dir.file("out.csv"))); });
    s.window->command("exportData")->trigger();
    auto* cancel = s.window->findChild<QPushButton*>(QStringLiteral("cancelExport"));
    ASSERT_NE(cancel, nullptr);
    EXPECT_TRUE(cancel->isVisible()) << "the window answers while the export runs";
    cancel->click();
    s.window->finishExport();
    EXPECT_FALSE(cancel->isVisible());
    EXPECT_EQ(s.window->statusText(), "Export to out.csv cancelled; nothing was written");
    EXPECT_FALSE(std::filesystem::exists(dir.file("out.csv")));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.file("")), {}), 2)
        << "no temporary file left beside the settings and the measurement";
}

// Sets a file's modification time `seconds` from now, so the newest file is known for sure.
void touch(const std::string& path, int seconds) {
    std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() +
                                               std::chrono::seconds(seconds));
}

TEST(MainWindow, AFollowedFolderShowsItsNewestFileAndSwitchesToANewerOne) {
    TempDir dir;
    const std::string folder = dir.file("share");
    std::filesystem::create_directory(folder);
    Shown s(dir);
    s.window->pathField()->setText(QString::fromStdString(folder));
    QTest::keyClick(s.window->pathField(), Qt::Key_Return);
    EXPECT_TRUE(s.window->statusText().startsWith("Waiting for a measurement file in"));
    const std::string first = folder + "/EIS_001.txt";
    std::ofstream(first) << kArc;
    touch(first, -10);
    std::ofstream(folder + "/notes.log") << "no numbers here\n";
    s.tick();
    EXPECT_EQ(s.window->shownPaths(), std::vector{first});
    EXPECT_TRUE(s.window->statusText().startsWith(
        "following share/ \u00b7 newest: EIS_001.txt \u00b7 plain text \u00b7 3 points"))
        << s.window->statusText().toStdString();
    EXPECT_TRUE(s.window->plotArea()->hasPicture());

    const auto settings = [&] {
        std::ostringstream text;
        text << std::ifstream(s.settingsFile.toStdString()).rdbuf();
        return text.str();
    };
    const std::string kept = settings();
    const std::string second = folder + "/EIS_002.txt";
    std::ofstream(second) << kArc;
    touch(second, 0);
    s.tick();
    EXPECT_EQ(s.window->shownPaths(), std::vector{second}) << "the older file is read no more";
    EXPECT_EQ(settings(), kept) << "a tick never writes the settings";
    EXPECT_TRUE(s.window->statusText().contains("switched to EIS_002.txt"));

    s.window->command("last3Files")->trigger();
    s.window->finishReading();
    EXPECT_EQ(s.window->shownPaths(), (std::vector{second, first}));
    s.window->openFile(first);
    std::ofstream(folder + "/EIS_003.txt") << kArc;
    s.tick();
    EXPECT_EQ(s.window->shownPaths(), std::vector{first}) << "a file chosen by hand ends it";

    const std::string third = folder + "/EIS_003.txt";
    const std::string other = dir.write("other.txt", kArc);
    const struct {
        const char* what;
        std::function<void()> choose;
        std::vector<std::string> shown;
    } byHand[] = {{"added", [&] { s.window->addFile(other); }, {third, second, first, other}},
                  {"removed", [&] { s.window->removeFile(second); }, {third, first}}};
    for (const auto& c : byHand) {
        s.window->followFolder(folder);
        s.window->finishReading();
        c.choose();
        s.tick();
        EXPECT_EQ(s.window->shownPaths(), c.shown) << c.what << " by hand, ending the following";
    }

    // A folder that can no longer be listed says so, and not that its files are gone.
    s.window->followFolder(folder + "/");
    s.window->finishReading();
    std::filesystem::rename(folder, dir.file("moved"));
    std::ofstream(folder) << kArc;
    s.tick();
    EXPECT_EQ(s.window->statusText(), "Cannot read the folder share: Not a directory");
}

TEST(MainWindow, SettingsLastFromOneRunToTheNext) {
    TempDir dir;
    const std::string file = dir.write("arc.txt", kArc);
    {
        Shown s(dir);
        s.open(file);
        s.window->command("bode")->trigger();
        s.window->command("startAtZero")->trigger();
        s.window->command("lastSweep")->trigger();
        s.window->command("connectPoints")->trigger();
        s.window->command("largeMarkers")->trigger();
        s.window->close();
    }
    Shown again(dir);
    const WindowSettings& kept = again.window->settings();
    EXPECT_TRUE(kept.bode);
    EXPECT_TRUE(kept.startAtZero);
    EXPECT_FALSE(kept.equalScales);
    EXPECT_EQ(kept.recentFiles, QStringList{QString::fromStdString(file)});
    EXPECT_EQ(kept.lastFolder, QString::fromStdString(std::filesystem::path(file).parent_path()));
    EXPECT_TRUE(again.window->command("bode")->isChecked());
    EXPECT_TRUE(again.window->command("lastSweep")->isChecked());
    EXPECT_EQ(kept.connectPoints, true) << "chosen, not left to the sweeps shown";
    EXPECT_TRUE(again.window->command("connectPoints")->isChecked());
    EXPECT_TRUE(again.window->command("largeMarkers")->isChecked());

    QStringList recent;
    for (int i = 0; i < 12; ++i)
        recent = WithRecentFile(recent, QString::number(i % 11));
    EXPECT_EQ(recent.size(), kRecentFilesKept);
    EXPECT_EQ(recent.front(), "0") << "a path opened again moves to the front, once";
    EXPECT_TRUE(UserSettings()->fileName().endsWith("/korvane/korvane.ini")) << "as README says";
}

TEST(MainWindow, CommandsWaitForAPictureAndRecentFilesForAGoodRead) {
    TempDir dir;
    Shown s(dir);
    const auto enabled = [&s](bool on) {
        for (const char* name : {"savePicture", "copyPicture", "zoomIn", "zoomOut", "resetView"})
            EXPECT_EQ(s.window->command(name)->isEnabled(), on) << name;
    };
    enabled(false);
    EXPECT_FALSE(s.window->command("exportData")->isEnabled());
    s.open(dir.file("missing.txt"));
    s.open(dir.write("words.txt", "no numbers\n"));
    enabled(false);
    EXPECT_TRUE(s.window->command("exportData")->isEnabled()) << "a file is there to export";
    EXPECT_TRUE(s.window->settings().recentFiles.isEmpty()) << "only a file read well is kept";
    const std::string arc = dir.write("arc.txt", kArc);
    s.open(arc);
    enabled(true);
    ASSERT_EQ(s.window->settings().recentFiles, QStringList{QString::fromStdString(arc)});

    std::filesystem::remove(arc);
    auto* recent = s.window->findChild<QMenu*>("openRecent");
    recent->popup(QPoint(0, 0));
    QAction* gone = recent->actions().front();
    EXPECT_FALSE(gone->isEnabled()) << "a file gone is greyed";
    QTest::mouseClick(recent, Qt::LeftButton, {}, recent->actionGeometry(gone).center());
    EXPECT_TRUE(s.window->settings().recentFiles.isEmpty()) << "and dropped when chosen";
}

TEST(MainWindow, AClickPinsTheReadoutAndCopyTakesItsText) {
    TempDir dir;
    Shown s(dir);
    s.open(dir.write("arc.txt", kArc));
    const auto dot = s.window->plotView().drawn()->dots.at(1).at;
    QTest::mouseClick(s.window->plotArea(), Qt::LeftButton, {},
                      QPoint(int(std::lround(dot.x)), int(std::lround(dot.y))));
    const QString pinned = s.window->plotView().pinnedReadout();
    EXPECT_TRUE(pinned.contains("line 2")) << pinned.toStdString();
    s.window->command("copyPicture")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), pinned);
    QTest::mouseClick(s.window->plotArea(), Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_TRUE(s.window->plotView().pinnedReadout().isEmpty()) << "a click off the dots";
}

TEST(StatusLabel, ANarrowLineShortensTheNameAndKeepsTheTime) {
    StatusLabel label(nullptr);
    const QString name = "a-long-name-of-a-measurement-file-day-0017.DTA";
    const QString line = name + " \u00b7 Gamry DTA \u00b7 72 points \u00b7 read 14:02:31";
    const QString verdict = " \u00b7 KK: residuals up to 7.7 % below 1 Hz: drift?";
    label.resize(label.fontMetrics().horizontalAdvance(line) * 3 / 4, 20);
    label.setLine(line + verdict, name);
    EXPECT_TRUE(
        label.text().endsWith(" \u00b7 Gamry DTA \u00b7 72 points \u00b7 read 14:02:31" + verdict));
    const int upToTime = label.text().size() - verdict.size();
    EXPECT_LE(label.fontMetrics().horizontalAdvance(label.text().left(upToTime)), label.width());
    EXPECT_TRUE(label.text().startsWith("a-long")) << label.text().toStdString();
    EXPECT_TRUE(label.text().contains("\u2026"));
}

TEST(MainWindow, SpeaksChineseUnderAChineseLocale) {
    QTranslator* chinese = InstallTranslation(QLocale(QLocale::Chinese, QLocale::China));
    ASSERT_NE(chinese, nullptr);
    {
        TempDir dir;
        Shown s(dir);
        EXPECT_EQ(s.window->menuBar()->actions().front()->text(), "文件(&F)");
        EXPECT_EQ(s.window->plotView().bodeAction()->text(), "伯德图");
        EXPECT_EQ(FormatTitle("plain"), "纯文本") << "a format's words too";
    }
    QCoreApplication::removeTranslator(chinese);
    delete chinese;
    EXPECT_EQ(InstallTranslation(QLocale(QLocale::English, QLocale::UnitedStates)), nullptr)
        << "English is the source";
}

} // namespace
