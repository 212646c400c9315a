#include "measurement/MeasurementFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>

// The real files beside this test (see samples/NOTICE.md): points and the first and last
// (f, Z', -Z'') as their notes give them.
namespace {

struct Triple {
    double f, re, negIm;
};

class FirstAndLastRows final : public RowSink {
  public:
    void OnRow(const Row& row) override {
        if (count == 0)
            first = {row.frequency, row.real, row.negImag};
        last = {row.frequency, row.real, row.negImag};
        ++count;
    }
    int count = 0;
    Triple first{}, last{};
};

bool close(double a, double b) {
    return std::fabs(a - b) <= std::max(1e-12, 1e-6 * std::max(std::fabs(a), std::fabs(b)));
}

void expectClose(const Triple& got, const Triple& want) {
    EXPECT_TRUE(close(got.f, want.f)) << got.f << " vs " << want.f;
    EXPECT_TRUE(close(got.re, want.re)) << got.re << " vs " << want.re;
    EXPECT_TRUE(close(got.negIm, want.negIm)) << got.negIm << " vs " << want.negIm;
}

TEST(SampleFiles, GiveTheirPointsAndFirstAndLastValues) {
    struct Case {
        const char* file;
        Format format;
        int points;
        Triple first, last;
    };
    const Case cases[] = {
        {"impedancepy_exampleDataCHInstruments.txt",
         Format::Chi,
         73,
         {99610, 98.91, 2.748},
         {0.1, 5685, 15860}},
        {"impedancepy_exampleDataZPlot.z",
         Format::ZView,
         21,
         {300000, 147.77, 11.335},
         {3000, 613.68, 137.13}},
        {"impedancepy_exampleDataZPlot_noComments.z",
         Format::ZView,
         31,
         {300000, 642.62, 85.821},
         {300, 1305.3, 195.01}},
        {"impedancepy_exampleDataGamry.DTA",
         Format::GamryDta,
         72,
         {200015.6, 825.8584, 1367.239},
         {0.0158898, 17007.49, 6635.557}},
        {"impedancepy_exampleDataBioLogic.mpt",
         Format::BioLogicMpt,
         43,
         {1000.32, 65.47089, 0.3899898},
         {0.01689554, 110.97, 2.345857}},
        {"autoeis_test_data.csv",
         Format::Csv,
         67,
         {200019.5, 130.4171, 34.68001},
         {0.0009999052, 5170240, 2345776}},
        {"impedancepy_exampleData_noheader.csv",
         Format::Csv,
         66,
         {0.0031623, 0.0494999, 0.0204387},
         {10000, 0.01577148, -0.01015747}},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.file);
        std::ifstream in(std::filesystem::path(KORVANE_MEASUREMENT_SAMPLES) / tc.file,
                         std::ios::binary);
        ASSERT_TRUE(in);
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        FirstAndLastRows rows;
        const ReadOutcome outcome = ReadMeasurementBytes(bytes, rows);
        EXPECT_EQ(outcome.detection.format, tc.format);
        EXPECT_EQ(rows.count, tc.points);
        expectClose(rows.first, tc.first);
        expectClose(rows.last, tc.last);
    }
}

} // namespace
