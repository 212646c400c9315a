#include "MprFixture.h"
#include "measurement/FileSummary.h"
#include "measurement/MeasurementFile.h"
#include "measurement/Reader.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

struct Point {
    double f, re, negIm;
    std::uint32_t sweep;
    bool operator==(const Point& o) const {
        // Bit for bit: the lists hold every value exactly.
        return std::bit_cast<std::uint64_t>(f) == std::bit_cast<std::uint64_t>(o.f) &&
               std::bit_cast<std::uint64_t>(re) == std::bit_cast<std::uint64_t>(o.re) &&
               std::bit_cast<std::uint64_t>(negIm) == std::bit_cast<std::uint64_t>(o.negIm);
    }
};

class PointsRead final : public RowSink {
  public:
    void OnRow(const Row& row) override {
        points.push_back({row.frequency, row.real, row.negImag, row.sweep});
    }
    std::vector<Point> points;
};

std::string Sample(const std::string& name) {
    std::ifstream in(std::filesystem::path(KORVANE_MEASUREMENT_SAMPLES) / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A float32 column is listed as the shortest text that reads back to the same float32.
double Parse(std::string_view text, bool float32) {
    if (float32) {
        float value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        return value;
    }
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::vector<Point> Listed(const std::string& name, bool float32) {
    std::istringstream lines(Sample(name + ".points.tsv"));
    std::vector<Point> points;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with('#'))
            continue;
        std::istringstream cells(line);
        std::string f, re, negIm;
        cells >> f >> re >> negIm;
        points.push_back({Parse(f, float32), Parse(re, float32), Parse(negIm, float32), 0});
    }
    return points;
}

PointsRead Read(std::string_view bytes, ReadOutcome* outcome = nullptr) {
    PointsRead rows;
    const ReadOutcome got = ReadMeasurementBytes(bytes, rows);
    if (outcome != nullptr)
        *outcome = got;
    return rows;
}

TEST(BinarySamples, EveryPointIsReadAsItsListGivesIt) {
    struct Case {
        const char* file;
        Format format;
        std::uint32_t sweeps;
    };
    const Case cases[] = {
        {"galvani_v1150_PEIS.mpr", Format::BioLogicMpr, 4},
        {"hybriddrt_PEIS_SSB.mpr", Format::BioLogicMpr, 1},
        {"zahner_rc-data.ism", Format::ZahnerIsm, 1}, // up, then down step by step
        {"zahner_drift.ism", Format::ZahnerIsm, 1},
        {"palmsens_EIS_dummy_cell.pssession", Format::PalmSensSession, 1},
        {"palmsens_BatteryCurve.pssession", Format::PalmSensSession, 1},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.file);
        ReadOutcome outcome;
        const PointsRead rows = Read(Sample(tc.file), &outcome);
        EXPECT_EQ(outcome.detection.format, tc.format);
        EXPECT_EQ(RefusalText(outcome.detection, outcome.state, false), "");
        const std::vector<Point> want = Listed(tc.file, tc.format == Format::BioLogicMpr);
        ASSERT_FALSE(want.empty());
        EXPECT_EQ(rows.points, want);
        EXPECT_EQ(outcome.state.sweeps, tc.sweeps);
        EXPECT_EQ(rows.points.back().sweep, tc.sweeps);
    }
}

// One record of the columns `32, 37, 38, 24, 1, 2, 131, 39, 4, 3`: the flags 1, 2 and 3
// share the byte where 1 stands.
constexpr std::uint16_t kIds[] = {32, 37, 38, 24, 1, 2, 131, 39, 4, 3};
constexpr std::size_t kRecordSize = 4 * 3 + 8 + 1 + 2 + 2 + 8;

std::string Record(float f, float re, float negIm, double cycle, std::uint16_t ns = 0) {
    return fixtures::Packed(f) + fixtures::Packed(re) + fixtures::Packed(negIm) +
           fixtures::Packed(cycle) + std::string(1, '\x03') + fixtures::Packed(ns) +
           fixtures::Packed<std::uint16_t>(7) + fixtures::Packed(123.5);
}

fixtures::MprFile FiveRecords(fixtures::MprLayout layout) {
    fixtures::MprFile file;
    file.layout = layout;
    file.ids.assign(std::begin(kIds), std::end(kIds));
    file.records = Record(1e5f, 1.5f, -0.0f, 0) + Record(1e4f, 2.5f, 0.25f, 0) +
                   Record(1e3f, 3.5f, 0.5f, 1) + Record(1e2f, 4.5f, 0.75f, 1) +
                   Record(10, 5.5f, 1, 1, 1);
    file.count = 5;
    return file;
}

TEST(Mpr, EveryDataModuleLayoutGivesItsRecordsAndSweeps) {
    for (const auto layout : {fixtures::MprLayout::Version2, fixtures::MprLayout::Version3,
                              fixtures::MprLayout::NewHeader}) {
        SCOPED_TRACE(static_cast<int>(layout));
        ReadOutcome outcome;
        const PointsRead rows = Read(fixtures::Mpr(FiveRecords(layout)), &outcome);
        ASSERT_EQ(outcome.state.records.size, kRecordSize);
        const std::vector<Point> want = {{1e5, 1.5, -0.0, 1},
                                         {1e4, 2.5, 0.25, 1},
                                         {1e3, 3.5, 0.5, 2},
                                         {1e2, 4.5, 0.75, 2},
                                         {10, 5.5, 1, 2}};
        ASSERT_EQ(rows.points, want);
        for (std::size_t i = 0; i < want.size(); ++i)
            EXPECT_EQ(rows.points[i].sweep, want[i].sweep)
                << "a new cycle number starts a sweep, a new Ns does not";
    }
}

// While EC-Lab writes, the count and length may lag behind the records or run ahead of
// them; once a module follows, they bound the records.
TEST(Mpr, TheRecordsPresentCountNotTheStoredCount) {
    struct Case {
        const char* name;
        std::uint32_t count;
        bool log;
        std::size_t cut; // bytes taken off the end
        std::size_t points;
        std::uint64_t heldBack; // bytes of a record cut short
    };
    const Case cases[] = {
        {"count behind, still written", 2, false, 0, 5, 0},
        {"count ahead, still written", 9, false, 0, 5, 0},
        {"half a record more", 5, false, kRecordSize / 2, 4, kRecordSize - kRecordSize / 2},
        {"ended: the count bounds", 3, true, 0, 3, 0},
        {"ended, then cut in the LOG module", 5, true, 20, 5, 0},
        {"cut before the column list", 5, false, 5 * kRecordSize + 1000, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fixtures::MprFile file = FiveRecords(fixtures::MprLayout::NewHeader);
        file.count = c.count;
        file.log = c.log;
        std::string bytes = fixtures::Mpr(file);
        bytes.resize(bytes.size() - c.cut);
        ReadOutcome outcome;
        EXPECT_EQ(Read(bytes, &outcome).points.size(), c.points);
        EXPECT_EQ(RefusalText(outcome.detection, outcome.state, false), "");
        EXPECT_EQ(outcome.cutShort, c.heldBack);
        const std::string cut =
            "last record cut short: " + std::to_string(c.heldBack) + " bytes held back\n";
        EXPECT_EQ(SummarizeMeasurementBytes(bytes).find(cut) != std::string::npos, c.heldBack > 0);
    }
}

// Cut at any byte, a real file gives the records it holds whole, the same as the whole file.
TEST(Mpr, AFileCutAnywhereGivesItsWholeRecordsOnly) {
    const std::string whole = Sample("galvani_v1150_PEIS.mpr");
    const std::vector<Point> all = Read(whole).points;
    constexpr std::size_t kFirstRecord = 0x1B11 + 0x3EF, kSize = 148;
    for (std::size_t size = 0; size <= whole.size(); ++size) {
        const std::vector<Point> got = Read(std::string_view(whole).substr(0, size)).points;
        const std::size_t present = size < kFirstRecord ? 0 : (size - kFirstRecord) / kSize;
        ASSERT_EQ(got.size(), std::min(present, all.size())) << size;
        ASSERT_TRUE(std::equal(got.begin(), got.end(), all.begin())) << size;
    }
}

// A flipped byte anywhere before the first record (the module headers, the column list) gives
// a refusal or records of the layout it then describes, never more than the bytes hold.
TEST(Mpr, AFlippedHeaderByteNeverReadsBeyondTheFile) {
    const std::string whole = Sample("galvani_v1150_PEIS.mpr");
    constexpr std::size_t kFirstRecord = 0x1B11 + 0x3EF;
    for (std::size_t at = 0; at < kFirstRecord; ++at) {
        std::string bytes = whole;
        bytes[at] = static_cast<char>(bytes[at] ^ 0xFF);
        ASSERT_LE(Read(bytes).points.size(), whole.size() / 4) << at;
    }
}

std::string Utf16(std::string_view text) {
    std::string out = "\xFF\xFE";
    for (const char c : text)
        out += std::string{c, '\0'};
    return out;
}

TEST(Refusal, WhatIsNoMeasurementIsRefusedInOneLineWithoutPoints) {
    fixtures::MprFile unknownId = FiveRecords(fixtures::MprLayout::NewHeader);
    unknownId.ids[7] = 999;
    fixtures::MprFile noImpedance = FiveRecords(fixtures::MprLayout::Version3);
    noImpedance.ids[1] = 6;
    std::string ism = std::string("\0\0\xFF\xFF\xFF\xFE\0\0\0\0\0\x09", 12) + std::string(300, 'x');
    struct Case {
        std::string bytes;
        std::string reason;
    };
    const Case cases[] = {
        {std::string("\x1F\x8B\x08\0\0\0\0\0", 8), "(compressed data: gzip)"},
        {"PK\x03\x04\x14\0", "(compressed data: zip)"},
        {"BZh91AY&SY", "(compressed data: bzip2)"},
        {std::string("\xFD"
                     "7zXZ\0\0",
                     7),
         "(compressed data: xz)"},
        {"\x28\xB5\x2F\xFD\x04", "(compressed data: zstd)"},
        {"7z\xBC\xAF\x27\x1C\0\x04", "(compressed data: 7z)"},
        {"\x89PNG\r\n\x1A\n\0\0\0\rIHDR", "(image: PNG)"},
        {"\xFF\xD8\xFF\xE0\0\x10JFIF", "(image: JPEG)"},
        {"GIF89a\x01\0\x01\0", "(image: GIF)"},
        {std::string("II*\0\x08\0\0\0", 8), "(image: TIFF)"},
        {std::string("BM\x36\0\0\0\0\0\0\0\x36\0\0\0", 14), "(image: BMP)"},
        {std::string("1 2 3\n\0\x01\x02", 9), "(binary data of unknown layout)"},
        {"\x01\x02\x03\x04\x05\x06\x07\x08\x0E\x0F\x10\x11 1 2 3",
         "(binary data of unknown layout)"},
        {"Title\nDate: today\n\nno numbers here\n", "(text with no row of numbers)"},
        {"# ImageMagick pixel enumeration: 2,1,65535,srgb\n0,0: (65535,0,0)  #FF0000  red\n"
         "1,0: (0,0,0)  #000000  black\n",
         "(text with no row of numbers)"},
        {std::string("\xFF\xFE\0\0"
                     "1\0\0\0 \0\0\0"
                     "2\0\0\0",
                     16),
         "(text in UTF-32"},
        {std::string("\0\0\xFE\xFF"
                     "\0\0\0"
                     "1",
                     8),
         "(text in UTF-32"},
        {fixtures::Mpr(unknownId), "column id 999 has no known width"},
        {fixtures::Mpr(noImpedance), "without the columns freq/Hz, Re(Z)/Ohm and -Im(Z)/Ohm"},
        {ism, "sample arrays run past its end"},
        {Utf16("{\"Type\":\"PalmSens.DataFiles.SessionFile\",\"Measurements\":[{") + "\xFF\xFE",
         "session whose JSON does not parse"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        ReadOutcome outcome;
        EXPECT_TRUE(Read(c.bytes, &outcome).points.empty());
        const std::string reason = RefusalText(outcome.detection, outcome.state, false);
        EXPECT_NE(reason.find(c.reason), std::string::npos) << reason;
        EXPECT_EQ(reason.find('\n'), std::string::npos);
    }
}

// Keys in either case, a multiplexer's curves in SubScans, and voltammetry without
// impedance curves beside them.
TEST(PalmSensSession, EveryImpedanceCurveOfEveryMeasurementIsASweep) {
    const auto curve = [](double f) {
        const auto array = [](int type, double v) {
            return "{\"ArrayType\":" + std::to_string(type) +
                   ",\"DataValues\":[{\"V\":" + std::to_string(v) +
                   "},{\"V\":" + std::to_string(v + 1) + "}]}";
        };
        return "{\"DataSet\":{\"Values\":[" + array(0, 9) + "," + array(5, f) + "," + array(7, 2) +
               "," + array(8, 3) + "]}}";
    };
    const std::string json = "{\"type\":\"PalmSens.DataFiles.SessionFile\",\"measurements\":["
                             "{\"eisdatalist\":[]},{\"EISDataList\":[" +
                             curve(100) + ",{\"Title\":\"CH 7\",\"SubScans\":[" + curve(200) + "," +
                             curve(300) + "]}]}]}";
    ReadOutcome outcome;
    const PointsRead rows = Read(Utf16(json) + "\xFF\xFE", &outcome);
    ASSERT_EQ(outcome.detection.format, Format::PalmSensSession);
    const std::vector<Point> want = {{100, 2, 3, 1}, {101, 3, 4, 1}, {200, 2, 3, 2},
                                     {201, 3, 4, 2}, {300, 2, 3, 3}, {301, 3, 4, 3}};
    ASSERT_EQ(rows.points, want);
    EXPECT_EQ(rows.points.back().sweep, 3u);
}

} // namespace
