#include "app/CommandLine.h"
#include "ModalWait.h"
#include "ProgramRun.h"
#include "TempDir.h"
#include "Tick.h"
#include "app/Snapshot.h"
#include "classic/DialogBuilder.h"
#include "classic/PlotDlg.h"
#include "measurement/LineReader.h"
#include "platform/PlotArea.h"
#include "platform/PlotViewControl.h"
#include "res/Resource.h"
#include "tests/measurement/FormatFixtures.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

namespace {

const QString kSample = QStringLiteral(KORVANE_SAMPLES_DIR "/randles-diffusion.txt");

TEST(CommandLine, ParsesEveryForm) {
    using A = CommandLine::Action;
    struct Case {
        QStringList args;
        A action;
        std::string file, output;
        bool plus;
        QSize size;
    };
    const QSize standard(534, 392);
    const Case cases[] = {
        {{}, A::ShowDialog, "", "", false, standard},
        {{"m.txt"}, A::ShowDialog, "m.txt", "", false, standard},
        {{"--plus", "m.txt"}, A::ShowDialog, "m.txt", "", true, standard},
        {{"--snapshot", "o.png", "m.txt"}, A::Snapshot, "m.txt", "o.png", false, standard},
        {{"--snapshot=o.png", "--plus", "m.txt"}, A::Snapshot, "m.txt", "o.png", true, standard},
        {{"--snapshot", "o.png", "--size", "800x600", "m.txt"},
         A::Snapshot,
         "m.txt",
         "o.png",
         false,
         {800, 600}},
        {{"--help"}, A::Help, "", "", false, standard},
        {{"-h"}, A::Help, "", "", false, standard},
        {{"--version"}, A::Version, "", "", false, standard},
        {{"a.txt", "b.txt"}, A::ShowDialog, "a.txt", "", false, standard},
        {{"--info", "m.txt"}, A::Info, "m.txt", "", false, standard},
        {{"--export", "o.csv", "m.txt"}, A::Export, "m.txt", "o.csv", false, standard},
        {{"--export=-", "m.txt"}, A::Export, "m.txt", "-", false, standard},
    };
    for (const auto& tc : cases) {
        const CommandLine got = ParseCommandLine(QStringList{"korvane"} + tc.args);
        SCOPED_TRACE(tc.args.join(' ').toStdString());
        EXPECT_EQ(got.action, tc.action);
        EXPECT_EQ(got.error, "");
        EXPECT_EQ(got.file, tc.file);
        EXPECT_EQ(got.output, tc.output);
        EXPECT_EQ(got.plus, tc.plus);
        EXPECT_EQ(got.size, tc.size);
    }
    const CommandLine drawn = ParseCommandLine({"korvane", "--lines", "--marker-size", "4.5", "m"});
    EXPECT_TRUE(drawn.lines && drawn.markerPt == 4.5);
    const std::pair<QStringList, QString> refused[] = {
        {{"--bogus"}, "unknown option 'bogus'."},
        {{"--snapshot"}, "missing value after '--snapshot'."},
        {{"--plus=x"}, "unexpected value after '--plus'."},
        {{"--bode", "--export", "o.csv", "m.txt"},
         "--bode has no meaning with --export: it changes only a diagram."},
        {{"--info", "--equal", "m.txt"},
         "--equal has no meaning with --info: it changes only a diagram."},
        {{"--kk", "--plus", "m.txt"},
         "--plus has no meaning with --kk: it changes only a diagram."},
        {{"--snapshot", "o.png"}, "--snapshot needs a FILE to draw."},
        {{"--classic", "a.txt", "b.txt"}, "--classic shows one FILE."},
        {{"--snapshot", "o.png", "--size", "0x5", "m.txt"},
         "--size takes WxH, each from 1 to 10000 pixels."},
        {{"--snapshot", "o.png", "--size", "wide", "m.txt"},
         "--size takes WxH, each from 1 to 10000 pixels."},
        {{"--info"}, "--info needs a FILE to read."},
        {{"--info", "--snapshot", "o.png", "m.txt"}, "--info goes without --snapshot."},
        {{"--export", "o.csv"}, "--export needs a FILE to read."},
        {{"--export", "", "m.txt"}, "--export takes a file name, or - for standard output."},
        {{"--export", "o.csv", "--snapshot", "o.png", "m.txt"},
         "--export goes without --snapshot."},
        {{"--export", "o.csv", "a.txt", "b.txt"},
         "--export writes several FILEs into a folder: end OUT with /."},
        {{"--threads", "0", "m.txt"}, "--threads takes a whole number from 1 to 32."},
        {{"--info", "--export", "o.csv", "m.txt"}, "--info goes without --export."},
        {{"--info", "--export", "o.csv", "--snapshot", "o.png", "m.txt"},
         "--info goes without --snapshot."},
        {{"--size", "80x60", "m.txt"}, "--size goes with --snapshot."},
        {{"--marker-size", "0.2", "m.txt"}, "--marker-size takes points from 0.5 to 72."},
        {{"--marker-size", "big", "m.txt"}, "--marker-size takes points from 0.5 to 72."},
    };
    for (const auto& [args, error] : refused) {
        const CommandLine got = ParseCommandLine(QStringList{"korvane"} + args);
        EXPECT_EQ(got.action, A::Error) << args.join(' ').toStdString();
        EXPECT_EQ(got.error, error) << args.join(' ').toStdString();
    }
}

TEST(CommandLine, AnswersAndFailsWithTheRightWordsAndExitCodes) {
    TempDir dir;
    const QString out = QString::fromStdString(dir.file("out.png"));
    const QString missing = QString::fromStdString(dir.file("missing.txt"));
    const QString unknown = QString::fromStdString(dir.write("z.csv", "Freq,Foo,Bar\n1,2,3\n"));
    const QString packed =
        QString::fromStdString(dir.write("run7.mpr", std::string("\x1F\x8B\x08\0\0\0\0\0", 8)));
    const std::string mpr = std::string(KORVANE_MEASUREMENT_SAMPLES) + "/galvani_v1150_PEIS.mpr";
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        QString stdoutStart, stderrStart;
        bool writesPng;
    };
    const Case cases[] = {
        {{"--version"}, 0, "korvane 1.0.0.1\n", "", false},
        {{"--help"}, 0, "Usage: korvane [options] [FILE...]", "", false},
        {{"--frobnicate"},
         2,
         "",
         "korvane: unknown option 'frobnicate'.\nTry 'korvane --help'.\n",
         false},
        {{"--snapshot"}, 2, "", "korvane: missing value after '--snapshot'.\nTry", false},
        {{"--dpi", "7", "m"},
         2,
         "",
         "korvane: --dpi takes a number from 24 to 2400.\nTry 'korvane --help'.\n",
         false},
        {{"--snapshot", out.toStdString(), missing.toStdString()},
         1,
         "",
         "korvane: cannot read " + missing + ": No such file or directory\n",
         false},
        {{"--snapshot", out.toStdString(), unknown.toStdString()},
         1,
         "",
         "korvane: cannot read " + unknown +
             ": its columns name no impedance (Z' and Z'', or |Z| and phase): Freq, Foo, Bar\n",
         false},
        {{"--info", unknown.toStdString()}, 1, "", "korvane: cannot read " + unknown, false},
        // Control characters in a name keep the message on one line.
        {{"--info", dir.file("run\n7\t\x01.txt")},
         1,
         "",
         "korvane: cannot read " + QString::fromStdString(dir.file("run\\n7\\t\\001.txt")) +
             ": No such file or directory\n",
         false},
        {{"--info", packed.toStdString()},
         1,
         "",
         "korvane: cannot read " + packed + ": not a measurement file (compressed data: gzip)\n",
         false},
        {{"--snapshot", out.toStdString(), packed.toStdString()},
         1,
         "",
         "korvane: cannot read " + packed + ": not a measurement file (compressed data: gzip)\n",
         false},
        {{"--info", mpr},
         0,
         "format: biologic-mpr\npoints: 84\nfirst: 199998.14 12.753284 0.96167845\n"
         "last: 99.96816 82.63319 17.386202\n",
         "",
         false},
        {{"--snapshot", out.toStdString(), dir.file("")},
         1,
         "",
         "korvane: cannot read " + QString::fromStdString(dir.file("")) + ": not a regular file\n",
         false},
        {{"--snapshot", dir.file("no/such/folder.png"), kSample.toStdString()},
         1,
         "",
         "korvane: cannot write " + QString::fromStdString(dir.file("no/such/folder.png")) +
             ": No such file or directory\n",
         false},
        {{"--snapshot", out.toStdString(), "--size", "300x200", kSample.toStdString()},
         0,
         "",
         "",
         true},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.args.empty() ? "" : tc.args.front());
        QFile::remove(out);
        const ProgramRun run = runKorvane(tc.args);
        EXPECT_EQ(run.exitCode, tc.exitCode);
        EXPECT_EQ(run.out.left(tc.stdoutStart.size()), tc.stdoutStart);
        EXPECT_EQ(run.err.left(tc.stderrStart.size()), tc.stderrStart);
        if (tc.stderrStart.isEmpty()) {
            EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        }
        EXPECT_EQ(QFile::exists(out), tc.writesPng);
    }
    EXPECT_EQ(QImage(out).size(), QSize(300, 200));
}

TEST(CommandLine, AModuleThatCannotBeLoadedIsSaidInOneLineAndOnlyPicturesAndTheWindowNeedOne) {
    TempDir dir;
    // A copy of the program, with something else beside it where its modules should be.
    const std::string program = dir.file("korvane");
    std::filesystem::copy_file(KORVANE_EXECUTABLE, program);
    const std::string window = dir.write("korvane-window.so", "no module");
    const std::string picture = dir.write("korvane-picture.so", "no module");
    const std::string out = dir.file("out.png"), sample = kSample.toStdString();
    const QString cannotLoad = "korvane: cannot load the module that ";
    const QString windowModule =
        "draws pictures and shows the window: " + QString::fromStdString(window) + ": ";
    const QString pictureModule = "draws pictures: " + QString::fromStdString(picture) + ": ";
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        QString stdoutStart;
        QString module;
    };
    const Case cases[] = {
        {{sample}, 1, "", windowModule},
        {{"--snapshot", out, sample}, 1, "", pictureModule},
        {{"--classic", "--snapshot", out, sample}, 1, "", windowModule},
        {{"--version"}, 0, "korvane 1.0.0.1\n", ""},
        {{"--info", sample}, 0, "format: plain\n", ""},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.args.front());
        const ProgramRun run = runKorvane(tc.args, {}, {}, program.c_str());
        EXPECT_EQ(run.exitCode, tc.exitCode);
        EXPECT_TRUE(run.out.startsWith(tc.stdoutStart)) << run.out.toStdString();
        const QString said = tc.exitCode == 0 ? QString() : cannotLoad + tc.module;
        EXPECT_EQ(run.err.left(said.size()), said);
        EXPECT_EQ(run.err.count('\n'), said.isEmpty() ? 0 : 1) << run.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(QString::fromStdString(out)));
}

TEST(CommandLine, InfoTellsWhatWasUnderstood) {
    TempDir dir;
    fixtures::GamryOptions aborted;
    aborted.aborted = true;
    const QString gamry =
        QString::fromStdString(dir.write("run.DTA", fixtures::Gamry(fixtures::Sweep(), aborted)));
    const QString empty = QString::fromStdString(dir.write("empty.txt", ""));
    const QString sweeps = QString::fromStdString(
        dir.write("sweeps.txt", "1e5 1 -1\n10 2 -2\n0.01 3 -3\n1e5 4 -4\n0.01 5 -5\n1e5 6 -6\n"));
    const QString missing = QString::fromStdString(dir.file("missing.txt"));
    const QString folder = QString::fromStdString(dir.file(""));
    struct Case {
        QString file;
        int exitCode;
        QString out, err;
    };
    const Case cases[] = {
        {gamry, 0,
         "format: gamry-dta\npoints: 9\nfirst: 1e+05 20.5 -0.75\nlast: 0.015625 92.5 31.25\n"
         "encoding: cp1252\nseparator: tab\ndecimal separator: point\n"
         "columns: f = Freq (column 4), Z' = Zreal (column 5), Z'' = Zimag (column 6)\n"
         "sweeps: 1\nsweep 1: 9 points, 1e+05 Hz to 0.015625 Hz\n",
         ""},
        {empty, 0, "format: plain\npoints: 0\nencoding: utf-8\n", ""},
        {sweeps, 0,
         "format: plain\npoints: 6\nfirst: 1e+05 1 1\nlast: 1e+05 6 6\nencoding: utf-8\n"
         "columns: f, Z', Z'' by position, separated by blanks; numbers missing from a line "
         "carried over from the line before\ndecimal separator: point\nsweeps: 3\n"
         "sweep 1: 3 points, 1e+05 Hz to 0.01 Hz\nsweep 2: 2 points, 1e+05 Hz to 0.01 Hz\n"
         "sweep 3: 1 point, 1e+05 Hz\n",
         ""},
        {missing, 1, "", "korvane: cannot read " + missing + ": No such file or directory\n"},
        {folder, 1, "", "korvane: cannot read " + folder + ": not a regular file\n"},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.file.toStdString());
        const ProgramRun run = runKorvane({"--info", tc.file.toStdString()});
        EXPECT_EQ(run.exitCode, tc.exitCode);
        EXPECT_EQ(run.out.left(tc.out.size()).toStdString(), tc.out.toStdString());
        EXPECT_EQ(run.err.toStdString(), tc.err.toStdString());
    }
}

TEST(CommandLine, InfoListsTheFirstHundredSweepsAndCountsTheRest) {
    TempDir dir;
    std::string content;
    for (int i = 0; i < 102; ++i)
        content += "1000 1 -1\n1 2 -2\n";
    const ProgramRun run = runKorvane({"--info", dir.write("many.txt", content)});
    EXPECT_EQ(run.exitCode, 0);
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    EXPECT_EQ(lines.filter(QRegularExpression("^sweep \\d+: ")).size(), 100);
    EXPECT_TRUE(lines.contains("sweep 100: 2 points, 1000 Hz to 1 Hz"));
    EXPECT_EQ(lines.back(), "sweeps 101 to 102: not listed (2 more)");
}

TEST(CommandLine, InfoReadsEveryFormatAsItsOwnName) {
    TempDir dir;
    for (const auto& file : fixtures::EveryFormat()) {
        SCOPED_TRACE(file.name);
        const ProgramRun run = runKorvane({"--info", dir.write(file.name, file.content)});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out.section('\n', 0, 3).toStdString(),
                  std::string("format: ") + file.format +
                      "\npoints: 9\nfirst: 1e+05 20.5 -0.75\nlast: 0.015625 92.5 31.25");
    }
}

// The sanitizers reserve more address space than a memory limit lets through.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define KORVANE_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define KORVANE_SANITIZED 1
#endif
#endif

TEST(CommandLine, AFileOf500MegabytesWithoutLineEndReadsUnder300MegabytesOfMemory) {
#ifdef KORVANE_SANITIZED
    GTEST_SKIP() << "the sanitizers reserve more address space than the limit allows";
#else
    TempDir dir;
    const std::string path = dir.file("huge.txt");
    {
        std::ofstream out(path, std::ios::binary);
        // Blanks past the head, which zeros would mark as binary.
        out << "1 2 3" << std::string(LineReader::kHeadSize, ' ');
    }
    std::filesystem::resize_file(path, 500'000'000); // sparse: zeros, no line end
    QProcess process;
    process.start(QStringLiteral("/bin/sh"),
                  {"-c", "ulimit -v 300000 && exec \"$0\" --info \"$1\"",
                   QStringLiteral(KORVANE_EXECUTABLE), QString::fromStdString(path)});
    ASSERT_TRUE(process.waitForFinished(120000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    EXPECT_TRUE(
        process.readAllStandardOutput().startsWith("format: plain\npoints: 1\nfirst: 1 2 -3\n"));
#endif
}

TEST(Snapshot, EqualsWhatTheDialogShowsAfterOneTick) {
    for (bool plus : {false, true}) {
        TempDir dir;
        const std::string out = dir.file("snap.png");
        const std::string sample = QFile::encodeName(kSample).toStdString();
        ASSERT_FALSE(
            WriteSnapshot(sample, out, plus, QSize(534, 392), false, false, {.classic = true}));

        auto dialog = std::make_unique<CPlotDlg>();
        dialog->OnInitDialog();
        dialog->AcceptChosenFile(sample);
        qobject_cast<QCheckBox*>(GetDlgItem(*dialog, IDC_PLUS))->setChecked(plus);
        Tick(*dialog);
        const QImage shown = dialog->plotArea()->picture();
        EXPECT_EQ(QImage(QString::fromStdString(out)).convertToFormat(shown.format()), shown)
            << plus;
    }
}

TEST(CommandLine, AFileGivenAtStartIsTakenAndDrawnAtOnce) {
    TempDir dir;
    struct Case {
        std::string path;
        bool exists;
    };
    const Case cases[] = {{dir.write("given.txt", "1 10 -1\n2 20 -2\n"), true},
                          {dir.file("absent.txt"), false}};
    for (const auto& tc : cases) {
        CPlotDlg dialog;
        QStringList warnings;
        dialog.setWarningBox([&](const QString&, const QString& text) { warnings << text; });
        dialog.OpenOnStart(tc.path, true);
        bool drawn = false, plus = false;
        // As soon as the file is taken and read, well before the first tick of the timer.
        WhenReady([&] { return dialog.pathName() == tc.path && !dialog.tickUnderWay(); },
                  [&] {
                      drawn = dialog.plotArea()->hasPicture();
                      plus = qobject_cast<QCheckBox*>(GetDlgItem(dialog, IDC_PLUS))->isChecked();
                      dialog.reject();
                  });
        dialog.DoModal();
        EXPECT_EQ(dialog.pathName(), tc.path);
        EXPECT_EQ(dialog.windowTitle(), QString::fromStdString(dialog.fileName()));
        EXPECT_EQ(drawn, tc.exists);
        EXPECT_TRUE(plus);
        EXPECT_EQ(warnings.size(), tc.exists ? 0 : 1);
    }
}

TEST(CommandLine, BodeAtStartOpensOnTheBodeDiagram) {
    TempDir dir;
    const std::string path = dir.write("given.txt", "1 10 -1\n2 20 -2\n");
    CPlotDlg dialog;
    dialog.OpenOnStart(path, false, false, true);
    bool drawn = false, logAxes = false, chosen = false;
    WhenReady([&] { return dialog.pathName() == path && !dialog.tickUnderWay(); },
              [&] {
                  drawn = dialog.plotArea()->hasPicture();
                  logAxes =
                      drawn && dialog.plotView().drawn()->x.log && dialog.plotView().drawn()->y.log;
                  chosen = dialog.plotView().bodeAction()->isChecked();
                  dialog.reject();
              });
    dialog.DoModal();
    EXPECT_TRUE(drawn);
    EXPECT_TRUE(logAxes);
    EXPECT_TRUE(chosen);
}

TEST(DragAndDrop, ADroppedFileIsTakenAsIfOpened) {
    TempDir dir;
    const std::string path = dir.write("dropped.txt", "1 10 -1\n2 20 -2\n");
    auto dialog = std::make_unique<CPlotDlg>();
    dialog->OnInitDialog();
    dialog->show();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    const QPoint inside(300, 300);
    QDragEnterEvent enter(inside, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dialog.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(inside, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(dialog.get(), &drop);
    EXPECT_EQ(dialog->pathName(), path);
    EXPECT_EQ(dialog->fileName(), "dropped.txt");
    EXPECT_EQ(dialog->windowTitle(), "dropped.txt");
    EXPECT_EQ(qobject_cast<QLineEdit*>(GetDlgItem(*dialog, IDC_PATH))->text(),
              QString::fromStdString(path));
}

TEST(PlotAreaMenu, SaveWritesThePictureAsAPng) {
    TempDir dir;
    auto dialog = std::make_unique<CPlotDlg>();
    dialog->OnInitDialog();
    dialog->AcceptChosenFile(QFile::encodeName(kSample).toStdString());
    Tick(*dialog);
    PlotArea* plot = dialog->plotArea();
    const QString out = QString::fromStdString(dir.file("saved.png"));
    plot->setSavePathChooser([&out] { return out; });
    const QList<QAction*> actions = plot->contextMenu()->actions();
    ASSERT_GE(actions.size(), 2); // the view's entries follow
    EXPECT_EQ(actions[0]->text(), "Copy picture");
    EXPECT_EQ(actions[1]->text(), QString::fromUtf8("Save picture as\u2026"));
    actions[1]->trigger();
    EXPECT_EQ(QImage(out).convertToFormat(plot->picture().format()), plot->picture());

    plot->setSavePathChooser([] { return QString(); });
    QFile::remove(out);
    actions[1]->trigger();
    EXPECT_FALSE(QFile::exists(out)) << "cancelled: nothing written";
}

TEST(PlotAreaMenu, SaveAsksWithPngAddedAndReplacesNothingButAPicture) {
    TempDir dir;
    auto dialog = std::make_unique<CPlotDlg>();
    dialog->OnInitDialog();
    dialog->AcceptChosenFile(dir.write("m.txt", "1 10 -1\n2 20 -2\n"));
    Tick(*dialog);
    PlotArea* plot = dialog->plotArea();

    QString suffix;
    bool asksBeforeReplacing = false;
    ModalOpenedBy([plot] { plot->savePicture(); },
                  [&](QWidget* modal) {
                      auto* files = qobject_cast<QFileDialog*>(modal);
                      ASSERT_NE(files, nullptr);
                      suffix = files->defaultSuffix();
                      asksBeforeReplacing = files->acceptMode() == QFileDialog::AcceptSave &&
                                            !files->testOption(QFileDialog::DontConfirmOverwrite);
                  });
    EXPECT_EQ(suffix, "png");
    EXPECT_TRUE(asksBeforeReplacing);

    QImage(4, 4, QImage::Format_RGB32).save(QString::fromStdString(dir.file("theirs.png")));
    dir.write("notes.png", "not a picture");
    struct Case {
        std::string name;
        bool written;
    };
    for (const Case& tc :
         {Case{"m.txt", false}, Case{"notes.png", false}, Case{"theirs.png", false},
          Case{"mine.png", true}, Case{"mine.png", true}}) {
        const QString path = QString::fromStdString(dir.file(tc.name));
        const std::string before = readWhole(dir.file(tc.name));
        plot->setSavePathChooser([path] { return path; });
        const QString box = ModalOpenedBy([plot] { plot->savePicture(); });
        EXPECT_EQ(box.isEmpty(), tc.written) << tc.name;
        if (tc.written) {
            EXPECT_EQ(QImage(path).convertToFormat(plot->picture().format()), plot->picture());
        } else {
            EXPECT_EQ(readWhole(dir.file(tc.name)), before) << tc.name;
        }
    }
}

} // namespace
