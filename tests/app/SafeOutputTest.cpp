#include "ProgramRun.h"
#include "SmallMeasurement.h"
#include "TempDir.h"
#include "app/ArgumentText.h"
#include "app/DisplayChoice.h"

#include <QFile>
#include <QImage>

#include <signal.h> // the rest of the system's headers come with ProgramRun.h
#include <sys/stat.h>

#include <filesystem>

#include <gtest/gtest.h>

namespace {

TEST(SnapshotOutput, IsRefusedWhereverItWouldHarmAFile) {
    TempDir d;
    const std::string m = d.write("m.txt", kMeasurement);
    d.write("run7.txt", kMeasurement);
    d.write("m.PNG", kMeasurement);
    d.write("notes.png", "not a picture");
    QImage(4, 4, QImage::Format_RGB32).save(QString::fromStdString(d.file("run7.png")));
    d.write("thesis.pdf", "%PDF-1.7\n% a paper\n");
    std::filesystem::create_symlink(m, d.file("link.png"));
    std::filesystem::create_symlink(d.file("elsewhere/x.png"), d.file("dangling.png"));
    std::filesystem::create_symlink(d.file("run7.png"), d.file("to-picture.png"));
    std::filesystem::create_hard_link(m, d.file("hard.png"));
    ::mkfifo(d.file("fifo.png").c_str(), 0600);
    std::filesystem::create_directory(d.file("dir.png"));
    const auto before = folderContents(d);

    struct Case {
        std::string output, input, reason;
    };
    const Case cases[] = {
        {"m.txt", "m.txt", "the name must end in .png, .svg, .pdf"},
        {"run7.txt", "run7.png", "the name must end in .png, .svg, .pdf"}, // arguments swapped
        {"m.PNG", "m.PNG", "it is the measurement file"},
        {"link.png", "m.txt", "it is the measurement file"},
        {"hard.png", "m.txt", "it is the measurement file"},
        {"notes.png", "missing.txt",
         "it exists and is not a PNG picture Korvane wrote"}, // before reading
        {"run7.png", "m.txt", "it exists and is not a PNG picture Korvane wrote"},
        {"thesis.pdf", "m.txt", "it exists and is not a PDF picture Korvane wrote"},
        {"dangling.png", "m.txt", "not a regular file"}, // never followed
        {"to-picture.png", "m.txt", "not a regular file"},
        {"fifo.png", "m.txt", "not a regular file"}, // never waited on
        {"dir.png", "m.txt", "not a regular file"},
    };
    for (const auto& tc : cases) {
        const ProgramRun run = runKorvane({"--snapshot", d.file(tc.output), d.file(tc.input)});
        EXPECT_EQ(run.exitCode, 1) << tc.output;
        EXPECT_EQ(run.err.toStdString(),
                  "korvane: cannot write " + d.file(tc.output) + ": " + tc.reason + "\n");
    }
    const ProgramRun intoMeasurement =
        runKorvane({"--snapshot", "-", m}, StandardOutput{StandardOutput::AppendTo, m});
    EXPECT_EQ(intoMeasurement.exitCode, 1);
    EXPECT_EQ(intoMeasurement.err,
              "korvane: cannot write standard output: it is the measurement file\n");

    const auto after = folderContents(d);
    EXPECT_EQ(after, before) << "every file untouched, no temporary file left";
}

// A writer blocked on a FIFO at the output's name stays blocked: the FIFO is never opened.
// Nor is a device.
TEST(Output, AFifoOrADeviceIsRefusedWithoutBeingOpened) {
    TempDir d;
    const std::string m = d.write("m.txt", kMeasurement);
    const std::string fifo = d.file("out.csv");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const pid_t writer = ::fork();
    if (writer == 0) {
        const int fd = ::open(fifo.c_str(), O_WRONLY); // waits for a reader
        ::_exit(fd >= 0 ? 0 : 1);
    }
    for (const std::string& output : {fifo, std::string("/dev/null")}) {
        const ProgramRun run = runKorvane({"--export", output, m});
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err.toStdString(),
                  "korvane: cannot write " + output + ": not a regular file\n");
    }
    int status = 0;
    EXPECT_EQ(::waitpid(writer, &status, WNOHANG), 0) << "the writer is still waiting";
    ::kill(writer, SIGKILL);
    ::waitpid(writer, &status, 0);
}

// A replaced output keeps its permissions and group, one the user made read-only is kept,
// and any name the file system allows works, however little room it leaves.
TEST(Output, KeepsModesLeavesReadOnlyFilesAloneAndTakesTheLongestNames) {
    TempDir d;
    const std::string m = d.write("m.txt", kMeasurement);
    struct Case {
        std::string name;
        mode_t mode;
        bool written;
    };
    const Case cases[] = {
        {"private.csv", 0600, true},
        {"shared.csv", 0664, true},
        {"fig.png", 0640, true},
        {"kept.csv", 0444, false},
        {"kept.png", 0400, false},
        {std::string(244, 'a') + ".png", 0644, true},
        {std::string(251, 'b') + ".csv", 0644, true},
    };
    for (const Case& tc : cases) {
        const std::string out = d.file(tc.name);
        const std::vector<std::string> args{tc.name.ends_with(".png") ? "--snapshot" : "--export",
                                            out, m};
        ASSERT_EQ(runKorvane(args).exitCode, 0) << tc.name;
        const std::string before = readWhole(out);
        ASSERT_EQ(::chmod(out.c_str(), tc.mode), 0);
        const bool chgrp = ::chown(out.c_str(), static_cast<uid_t>(-1), 1) == 0;
        const ProgramRun run = runKorvane(args);
        struct stat info {};
        ::stat(out.c_str(), &info);
        EXPECT_EQ(info.st_mode & 07777, tc.mode) << tc.name;
        EXPECT_EQ(info.st_gid, chgrp ? 1u : ::getegid()) << tc.name;
        EXPECT_EQ(run.err.toStdString(),
                  tc.written ? "" : "korvane: cannot write " + out + ": it is read-only\n");
        EXPECT_TRUE(tc.written || readWhole(out) == before) << tc.name;
    }
    EXPECT_EQ(folderContents(d).size(), std::size(cases) + 1) << "no temporary file left";
}

// Every command that answers on standard output says when the answer is lost, and ends
// quietly when its reader has stopped reading.
TEST(Output, StandardOutputThatIsLostIsSaidAndAClosedPipeEndsQuietly) {
    TempDir d;
    const std::string m = d.write("m.txt", kMeasurement);
    const std::vector<std::string> commands[] = {
        {"--info", m}, {"--help"},           {"--version"},
        {"--kk", m},   {"--export", "-", m}, {"--snapshot", "-", m},
    };
    for (const auto& args : commands) {
        const ProgramRun full =
            runKorvane(args, StandardOutput{StandardOutput::AppendTo, "/dev/full"});
        EXPECT_EQ(full.exitCode, 1) << args[0];
        EXPECT_EQ(full.err, "korvane: cannot write standard output: No space left on device\n")
            << args[0];
        const ProgramRun closed = runKorvane(args, StandardOutput{StandardOutput::ClosedPipe, ""});
        EXPECT_EQ(closed.exitCode, 0) << args[0];
        EXPECT_EQ(closed.err, "") << args[0];
    }
}

TEST(SnapshotOutput, ReplacesOnlyItsOwnPicturesAndWritesToStandardOutput) {
    TempDir d;
    const std::string m = d.write("m.txt", kMeasurement);
    const QString old = QString::fromStdString(d.file("old.png"));
    for (const char* size : {"400x300", "300x200"})
        EXPECT_EQ(runKorvane({"--snapshot", old.toStdString(), "--size", size, m}).exitCode, 0);
    EXPECT_EQ(QImage(old).size(), QSize(300, 200));
    // Known by the mark even once a tool has taken the XML declaration away.
    const std::string svg = d.file("old.svg");
    ASSERT_EQ(runKorvane({"--snapshot", svg, m}).exitCode, 0);
    const std::string drawn = readWhole(svg);
    d.write("old.svg", drawn.substr(drawn.find('\n') + 1));
    EXPECT_EQ(runKorvane({"--snapshot", svg, m}).exitCode, 0);
    EXPECT_EQ(readWhole(svg), drawn);

    EXPECT_EQ(runKorvane({"--snapshot", d.file("NEW.PNG"), m}).exitCode, 0);
    const ProgramRun piped = runKorvane({"--snapshot", "-", m});
    EXPECT_EQ(piped.exitCode, 0);
    EXPECT_TRUE(piped.err.isEmpty());
    EXPECT_EQ(QImage::fromData(QByteArray::fromStdString(piped.outBytes)),
              QImage(QString::fromStdString(d.file("NEW.PNG"))));
}

TEST(CommandLine, NamesThatAreNotUtf8AreTakenByteForByte) {
    TempDir d;
    // Both names read as "run\uFFFD.txt"; only their bytes tell them apart.
    const std::string fe = d.write("run\xFE.txt", "1 10 -1\n2 20 -2\n");
    const std::string ff = d.write("run\xFF.txt", "1 10 -1\n2 30 -5\n3 20 -2\n");
    const std::string plainFe = d.write("fe.txt", readWhole(fe));
    const std::string plainFf = d.write("ff.txt", readWhole(ff));
    const auto picture = [&d](const std::string& file) {
        const std::string out = d.file("out.png");
        std::filesystem::remove(out);
        EXPECT_EQ(runKorvane({"--snapshot", out, file}).exitCode, 0) << file;
        return QImage(QString::fromStdString(out));
    };
    EXPECT_EQ(picture(fe), picture(plainFe));
    EXPECT_EQ(picture(ff), picture(plainFf));
    EXPECT_NE(picture(fe), picture(ff));

    const ProgramRun missing = runKorvane({"--snapshot", d.file("out.png"), d.file("run\xFD.txt")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "korvane: cannot read " +
                               QString::fromStdString(d.file("run\uFFFD.txt")) +
                               ": No such file or directory\n");
}

TEST(CommandLine, ArgumentTextGivesBackEveryByte) {
    const std::string cases[] = {
        "run7.txt",         "\xC3\xA9t\xC3\xA9.txt", "run\xFE.txt", "\xFF\xFE",
        "\xED\xA0\x80",     // an encoded surrogate
        "\xC0\xAF",         // an overlong slash
        "\xF4\x90\x80\x80", // past U+10FFFF
        "\xE6\x97",         // cut short
        "\xF0\x9F\x93\x88", // U+1F4C8, outside the BMP
    };
    for (const std::string& bytes : cases)
        EXPECT_EQ(ArgumentBytes(ArgumentText(bytes)), bytes);
    EXPECT_EQ(ArgumentText("\xC3\xA9t\xC3\xA9"), QString::fromUtf8("\xC3\xA9t\xC3\xA9"));
    EXPECT_NE(ArgumentText("run\xFE"), ArgumentText("run\xFF"));
}

TEST(Display, WithoutOneTheWindowSaysSoInOneLineAndQtOptionsWork) {
    TempDir d;
    const std::string m = d.write("m.txt", kMeasurement);
    const std::string needs = std::string(kNeedsDisplay) + "\n";
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string err;
    };
    const Case cases[] = {
        {{m}, 1, needs},
        {{"--plus"}, 1, needs},
        {{"-platform", "xcb", m}, 1, needs}, // the toolkit itself finds no display
        {{"-style", "fusion", "-reverse", "--snapshot", d.file("o.png"), m}, 0, ""},
        {{"-style", "fusion", "--version"}, 0, ""},
    };
    for (const auto& tc : cases) {
        const ProgramRun run = runKorvane(tc.args);
        EXPECT_EQ(run.exitCode, tc.exitCode) << tc.args.front();
        EXPECT_EQ(run.err.toStdString(), tc.err) << tc.args.front();
    }
    EXPECT_TRUE(QFile::exists(QString::fromStdString(d.file("o.png"))));
}

TEST(Display, OffscreenIsChosenOnlyWhenNoWindowIsAskedForOrNoneCanBeShown) {
    using Args = std::vector<std::string>;
    struct Case {
        Args args;
        bool display, platformInEnvironment, offscreen;
    };
    const Case cases[] = {
        {{"korvane", "m.txt"}, true, false, false},
        {{"korvane", "-style", "fusion", "-reverse", "m.txt"}, true, false, false},
        {{"korvane", "--snapshot", "o.png", "m.txt"}, true, false, true},
        {{"korvane", "--snapshot=o.png", "m.txt"}, true, false, true},
        {{"korvane", "--info", "m.txt"}, true, false, true},
        {{"korvane", "--export=o.csv", "m.txt"}, true, false, true},
        {{"korvane", "--", "--help"}, true, false, false}, // a file named --help
        {{"korvane", "m.txt"}, false, false, true},
        {{"korvane", "m.txt"}, false, true, false},
        {{"korvane", "-platform", "xcb", "--snapshot", "o.png", "m.txt"}, true, false, false},
    };
    for (const auto& tc : cases)
        EXPECT_EQ(ChoosesOffscreen(tc.args, tc.display, tc.platformInEnvironment), tc.offscreen)
            << tc.args[1] << " " << tc.display;
}

} // namespace
