#include "app/DataExport.h"
#include "ProgramRun.h"
#include "TempDir.h"

#include <sys/stat.h>

#include <filesystem>

#include <gtest/gtest.h>

namespace {

const std::string kHeader = "f/Hz,Z'/Ohm,-Z''/Ohm,|Z|/Ohm,phase/deg,line\n";
const std::string kMeasurement = "f Zre Zim\n1000 3 -4\n1e5 10 0\n";
const std::string kCsv = kHeader + "1000,3,4,5,-53.13010235415598,2\n1e+05,10,0,10,0,3\n";

TEST(DataExport, WritesAFileOrStandardOutputAndReplacesOnlyItsOwnCsv) {
    TempDir d;
    const std::string m = d.write("m.txt", kMeasurement);
    const ProgramRun toFile = runKorvane({"--export", d.file("new.csv"), m});
    EXPECT_EQ(toFile.exitCode, 0);
    EXPECT_EQ(toFile.err, "");
    EXPECT_EQ(readWhole(d.file("new.csv")), kCsv);

    const ProgramRun piped = runKorvane({"--export=-", m});
    EXPECT_EQ(piped.exitCode, 0);
    EXPECT_EQ(piped.outBytes, kCsv);

    const std::string old = d.write("old.csv", kHeader + "1,2,3,4,5,6\n");
    EXPECT_EQ(ExportData(m, old), std::nullopt);
    EXPECT_EQ(readWhole(old), kCsv);
}

TEST(DataExport, IsRefusedWhereverItWouldHarmAFile) {
    TempDir d;
    const std::string m = d.write("m.txt", kMeasurement);
    d.write("notes.csv", "Freq,Foo,Bar\n1,2,3\n");
    d.write("words.txt", "hello\nworld\n");
    d.write("bare.csv", kHeader.substr(0, kHeader.size() - 1)); // the header, unfinished
    std::filesystem::create_symlink(m, d.file("link.csv"));
    std::filesystem::create_hard_link(m, d.file("hard.csv"));
    ::mkfifo(d.file("fifo.csv").c_str(), 0600);
    const auto before = folderContents(d);

    const auto write = [&d](const std::string& name, const std::string& why) {
        return "cannot write " + d.file(name) + ": " + why;
    };
    const auto read = [&d](const std::string& name, const std::string& why) {
        return "cannot read " + d.file(name) + ": " + why;
    };
    const std::string itself = "it is the measurement file";
    const std::string notOurs = "it exists and is not a CSV file Korvane wrote";
    struct Case {
        std::string output, input, message;
    };
    const Case cases[] = {
        {"m.txt", "m.txt", write("m.txt", itself)},
        {"link.csv", "m.txt", write("link.csv", itself)},
        {"hard.csv", "m.txt", write("hard.csv", itself)},
        {"notes.csv", "missing.txt", write("notes.csv", notOurs)}, // before reading
        {"bare.csv", "m.txt", write("bare.csv", notOurs)},
        {"fifo.csv", "m.txt", write("fifo.csv", "not a regular file")}, // never waited on
        {"new.csv", "missing.txt", read("missing.txt", "No such file or directory")},
        {"new.csv", "notes.csv",
         read("notes.csv", "its columns name no impedance (Z' and Z'', or |Z| and phase): Freq, "
                           "Foo, Bar")},
        {"new.csv", "words.txt",
         read("words.txt", "not a measurement file (text with no row of numbers)")},
    };
    for (const auto& tc : cases) {
        const auto got = ExportData(d.file(tc.input), d.file(tc.output));
        EXPECT_EQ(got.value_or("written").toStdString(), tc.message);
    }
    const ProgramRun intoMeasurement =
        runKorvane({"--export", "-", m}, StandardOutput{StandardOutput::AppendTo, m});
    EXPECT_EQ(intoMeasurement.exitCode, 1);
    EXPECT_EQ(intoMeasurement.err,
              "korvane: cannot write standard output: it is the measurement file\n");
    const ProgramRun fullDisk =
        runKorvane({"--export", "-", m}, StandardOutput{StandardOutput::AppendTo, "/dev/full"});
    EXPECT_EQ(fullDisk.exitCode, 1);
    EXPECT_EQ(fullDisk.err, "korvane: cannot write standard output: No space left on device\n");
    EXPECT_EQ(folderContents(d), before) << "every file untouched, no temporary file left";
}

} // namespace
