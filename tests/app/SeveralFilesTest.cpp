#include "ProgramRun.h"
#include "TempDir.h"

#include <filesystem>

#include <gtest/gtest.h>

namespace {

// Each command that reads a FILE serves several, each a block, one failure not stopping the
// others; an export of several writes a table a FILE into a folder and refuses names that clash.
TEST(SeveralFiles, EachCommandServesEveryFileAndRefusesClashingTables) {
    TempDir d;
    const std::string a = d.write("a.txt", "1000 3 -4\n100 5 -6\n");
    const std::string b = d.write("b.txt", "10 7 -8\n");
    const std::string missing = d.file("gone.txt");
    std::filesystem::create_directory(d.file("out"));
    const std::string out = d.file("out/");
    const std::string header = "f/Hz,Z'/Ohm,-Z''/Ohm,|Z|/Ohm,phase/deg,line\n";
    const std::string aCsv = header + "1000,3,4,5,-53.13010235415598,1\n"
                                      "100,5,6,7.810249675906654,-50.19442890773481,2\n";
    const std::string cannot = "korvane: cannot read " + missing + ": No such file or directory\n";
    d.write("out/b.csv", "mine\n");
    struct Case {
        std::vector<std::string> args;
        int exitCode;
        std::string out, err;
        std::vector<std::string> written; // out/a.csv, out/b.csv afterwards
    };
    const Case cases[] = {
        {{"--info", a, missing, b},
         1,
         "file: " + a + "\nformat: plain\npoints: 2\n",
         cannot,
         {"", "mine\n"}},
        {{"--export", out, a, missing}, 1, "", cannot, {aCsv, "mine\n"}},
        {{"--export", out, a, b},
         1,
         "",
         "korvane: cannot write " + out + "b.csv: it exists and is not a CSV file Korvane wrote\n",
         {aCsv, "mine\n"}},
        {{"--export", out, a, d.file("out/../a.txt")},
         1,
         "",
         "korvane: cannot write " + out + "a.csv: the table of " + a + " goes there too\n",
         {"", "mine\n"}},
        {{"--kk", a, b}, 0, "file: " + a + "\nkk sweep 1: 2 points", "", {"", "mine\n"}},
    };
    for (const Case& tc : cases) {
        std::filesystem::remove(d.file("out/a.csv"));
        SCOPED_TRACE(tc.args[0] + " " + tc.args[1]);
        const ProgramRun run = runKorvane(tc.args);
        EXPECT_EQ(run.exitCode, tc.exitCode);
        EXPECT_EQ(run.outBytes.substr(0, tc.out.size()), tc.out);
        EXPECT_EQ(run.err.toStdString(), tc.err);
        EXPECT_EQ(readWhole(d.file("out/a.csv")), tc.written[0]);
        EXPECT_EQ(readWhole(d.file("out/b.csv")), tc.written[1]);
    }
}

} // namespace
