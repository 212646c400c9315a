#include "export/PointsCsv.h"
#include "export/KkCsv.h"
#include "source/Reload.h"
#include "tests/app/TempDir.h"
#include "tests/measurement/FormatFixtures.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

struct Exported {
    std::string text;
    CsvExportEnd end;
};

Exported exportAt(const std::string& path, const KkOptions* kk = nullptr) {
    const MeasurementFile file = OpenMeasurementFile(path);
    Exported result;
    result.end = WritePointsCsv(
        file,
        [&result](std::string_view piece) {
            result.text += piece;
            return true;
        },
        kk);
    return result;
}

Exported exportOf(const std::string& content, const KkOptions* kk = nullptr) {
    TempDir dir;
    return exportAt(dir.write("m.txt", content), kk);
}

const std::string kHeader = "f/Hz,Z'/Ohm,-Z''/Ohm,|Z|/Ohm,phase/deg,line\n";

TEST(PointsCsv, WritesEveryRowAsRead) {
    struct Case {
        std::string content, csv, refusal;
    };
    const Case cases[] = {
        // A header line, |Z| and the phase of Z = Z' + jZ'', zeros without sign, non-numbers.
        {"f Zre Zim\n1000 3 -4\n0.1 0.3 0.1\n1e5 10 0\n2 inf nan\n3 -inf 1\n4 -0 -0\n5 -0 0\n"
         "6 -nan -nan\n",
         kHeader + "1000,3,4,5,-53.13010235415598,2\n"
                   "0.1,0.3,-0.1,0.31622776601683794,18.434948822922014,3\n"
                   "1e+05,10,0,10,0,4\n"
                   "2,inf,nan,inf,nan,5\n"
                   "3,-inf,-1,inf,180,6\n"
                   "4,0,0,0,0,7\n"
                   "5,0,0,0,0,8\n"
                   "6,nan,nan,nan,nan,9\n",
         ""},
        {"", kHeader, ""},
        {"Freq,Foo,Bar\n1,2,3\n", "",
         "its columns name no impedance (Z' and Z'', or |Z| and phase): Freq, Foo, Bar"},
        {"hello\nworld\n", "", "not a measurement file (text with no row of numbers)"},
    };
    for (const auto& tc : cases) {
        const Exported got = exportOf(tc.content);
        EXPECT_EQ(got.text, tc.csv) << tc.content;
        EXPECT_EQ(got.end.refusal, tc.refusal) << tc.content;
        EXPECT_EQ(got.end.complete(), tc.refusal.empty()) << tc.content;
    }
}

// An .mpr stores float32: its values read back to the same float32, as --info prints them.
TEST(PointsCsv, WritesFloat32ValuesInTheirShortestForm) {
    const Exported got =
        exportAt(std::string(KORVANE_MEASUREMENT_SAMPLES) + "/galvani_v1150_PEIS.mpr");
    const std::string first = "199998.14,12.753284,0.96167845,";
    EXPECT_EQ(got.text.substr(kHeader.size(), first.size()), first);
}

TEST(PointsCsv, RowsTheCheckCannotFitKeepTheirPlaceWithEmptyColumns) {
    std::string longSweep, shortSweeps;
    for (int i = 1; i <= 2500; ++i) // one sweep upwards, too long to check
        longSweep += std::to_string(i) + " 1 -1\n";
    for (int i = 0; i < 6; ++i) // two sweeps of three points
        shortSweeps += std::to_string(1000 >> (4 * (i % 3))) + " 2 -1\n";
    for (const std::string& content : {longSweep, shortSweeps}) {
        const KkOptions kk;
        const Exported plain = exportOf(content), checked = exportOf(content, &kk);
        std::string expected;
        for (size_t from = 0, end; (end = plain.text.find('\n', from)) != std::string::npos;
             from = end + 1)
            expected += plain.text.substr(from, end - from) +
                        (from == 0 ? std::string(kKkCsvColumns) : ",,,,") + "\n";
        EXPECT_EQ(checked.text, expected);
        EXPECT_TRUE(checked.end.complete());
    }
}

TEST(PointsCsv, AFailedPieceOfOutputIsTheLastAsked) {
    TempDir dir;
    std::string rows;
    for (int i = 1; i <= 20000; ++i)
        rows += std::to_string(i) + " 1 -1\n";
    const MeasurementFile file = OpenMeasurementFile(dir.write("m.txt", rows));
    int pieces = 0;
    const CsvExportEnd end = WritePointsCsv(file, [&pieces](std::string_view) {
        ++pieces;
        return pieces == 1; // the header and the first rows go, the next rows do not
    });
    EXPECT_TRUE(end.outputFailed);
    EXPECT_FALSE(end.readError);
    EXPECT_EQ(pieces, 2);
}

// The export reads the rows a diagram draws of the same file: in every format, real
// instruments' files among them.
TEST(PointsCsv, HoldsTheRowsOfTheSeriesReadFromTheSameFile) {
    TempDir dir;
    std::vector<std::string> paths;
    for (const auto& f : fixtures::EveryFormat())
        paths.push_back(dir.write(f.name, f.content));
    for (const auto& entry : std::filesystem::directory_iterator(KORVANE_MEASUREMENT_SAMPLES))
        if (entry.path().extension() != ".tsv" && entry.path().extension() != ".md")
            paths.push_back(entry.path());
    for (const std::string& path : paths) {
        const ReadResult read = ReadWholeFile(path, nullptr);
        ASSERT_TRUE(read.series) << path;
        std::string rows = kHeader;
        const bool float32 = read.format == FormatName(Format::BioLogicMpr);
        for (const Point& p : read.series->points())
            AppendCsvLine({p.f, p.zReal, p.minusZImag, static_cast<std::uint64_t>(p.line), 0, 0},
                          rows, float32);
        EXPECT_EQ(exportAt(path).text, rows) << path;
    }
}

} // namespace
