#include "measurement/Reader.h"
#include "FormatFixtures.h"
#include "measurement/MeasurementFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

using fixtures::Measurement;
using fixtures::Sweep;

struct Got {
    double f, re, negIm;
    std::uint64_t line;
    friend bool operator==(const Got&, const Got&) = default;
};

std::ostream& operator<<(std::ostream& out, const Got& g) {
    return out << "(" << g.f << ", " << g.re << ", " << g.negIm << " @" << g.line << ")";
}

class Collect final : public RowSink {
  public:
    void OnRow(const Row& row) override {
        EXPECT_EQ(row.index, rows.size()) << "ordinals count from 0";
        rows.push_back({row.frequency, row.real, row.negImag, row.line});
    }
    std::vector<Got> rows;
};

struct Read {
    ReadOutcome outcome;
    std::vector<Got> rows;
};

Read read(const std::string& bytes) {
    Collect sink;
    Read r{ReadMeasurementBytes(bytes, sink), {}};
    r.rows = sink.rows;
    return r;
}

// (f, Z', -Z'') of the measurements, without line numbers.
std::vector<Got> expected(const std::vector<Measurement>& ms = Sweep()) {
    std::vector<Got> out;
    for (const auto& m : ms)
        out.push_back({m.f, m.re, -m.im, 0});
    return out;
}

std::vector<Got> withoutLines(std::vector<Got> rows) {
    for (auto& r : rows)
        r.line = 0;
    return rows;
}

TEST(Readers, EveryFormatGivesTheSameMeasurementsExactly) {
    for (const auto& file : fixtures::EveryFormat()) {
        SCOPED_TRACE(file.name);
        const Read r = read(file.content);
        EXPECT_STREQ(FormatName(r.outcome.detection.format), file.format);
        EXPECT_EQ(withoutLines(r.rows), expected());
    }
}

TEST(Readers, GamryTableEndsAtTheFirstLineWithoutTab) {
    fixtures::GamryOptions aborted;
    aborted.aborted = true;
    const Read r = read(fixtures::Gamry(Sweep(), aborted));
    EXPECT_EQ(r.rows.size(), Sweep().size()) << "FRACURVE is not read";
    // Line numbers count from 1: the ZCURVE table's rows follow 17 lines.
    EXPECT_EQ(r.rows.front().line, 18u);

    fixtures::GamryOptions drift;
    drift.driftColumns = true;
    EXPECT_EQ(withoutLines(read(fixtures::Gamry(Sweep(), drift)).rows), expected())
        << "Zreal and Zimag, not the drift-corrected columns";

    // A Gamry file without EIS table (a CV, or an EIS run still at its OCV stage).
    std::string ocvOnly = fixtures::Gamry();
    ocvOnly = ocvOnly.substr(0, ocvOnly.find("ZCURVE"));
    const Read none = read(ocvOnly);
    EXPECT_EQ(none.outcome.detection.format, Format::GamryDta);
    EXPECT_TRUE(none.rows.empty());
}

TEST(Readers, BioLogicReadsEverySweepAndTheWholeNamesOnly) {
    fixtures::MptOptions sweeps;
    sweeps.sweeps = 3;
    sweeps.threeElectrode = true;
    const Read r = read(fixtures::Mpt(Sweep(), sweeps));
    EXPECT_EQ(withoutLines(r.rows), expected()) << "Re(Z), not Re(Zce)";
    EXPECT_EQ(r.outcome.state.sweeps, 3u);
    EXPECT_EQ(r.rows.front().line, 18u) << "the line after `Nb header lines`";
}

TEST(Readers, ZViewNeverTrustsTheDeclaredCount) {
    std::vector<Measurement> three(Sweep().begin(), Sweep().begin() + 3);
    EXPECT_EQ(read(fixtures::ZPlot2(three)).rows.size(), 3u) << "declared: 56";
    EXPECT_EQ(read(fixtures::ZPlotLegacy(three)).rows.size(), 3u) << "declared: 79";
}

TEST(Readers, SignsFollowTheColumnNames) {
    struct Case {
        const char* header;
        double negIm; // from a file value of 2
    };
    const Case cases[] = {
        {"f,Zre,Zim", -2},
        {"f,Zreal,Zimag", -2},
        {"f,Z',Z''", -2},
        {"f,Z',Z\"", -2},
        {"f,Re(Z),Im(Z)", -2},
        {"f,real,imag", -2},
        {"f,Re(Z),-Im(Z)", 2},
        {"f,Z',-Z''", 2},
        {"f,Z',\xE2\x88\x92Z''", 2},
        {"f,Z',neg. Z''", 2},
        {"freq/Hz,Re(Z)/Ohm,-Im(Z)/Ohm", 2},
        {"Frequency (Hz),Z' (\xCE\xA9),-Z'' (\xCE\xA9)", 2},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.header);
        const Read r = read(std::string(tc.header) + "\n100,1,2\n");
        ASSERT_EQ(r.rows.size(), 1u);
        EXPECT_EQ(r.rows[0].negIm, tc.negIm);
        EXPECT_EQ(r.rows[0].re, 1);
        EXPECT_EQ(r.rows[0].f, 100);
    }
}

TEST(Readers, UnitsBecomeOhmHertzAndDegrees) {
    struct Case {
        const char* header;
        Got row; // from the file row "2,3,4"
    };
    const Case cases[] = {
        {"f/kHz,Z'/kOhm,Z''/kOhm", {2000, 3000, -4000, 0}},
        {"Frequency [mHz],Zre [mOhm],Zim [mOhm]", {0.002, 0.003, -0.004, 0}},
        {"freq (MHz),Z' (k\xCE\xA9),-Z'' (M\xCE\xA9)", {2e6, 3000, 4e6, 0}},
        {"f;Z' (Ohm);Z'' (Ohm)", {2, 3, -4, 0}},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.header);
        std::string content = std::string(tc.header) + "\n2,3,4\n";
        if (std::string(tc.header).find(';') != std::string::npos)
            content = std::string(tc.header) + "\n2;3;4\n";
        const Read r = read(content);
        ASSERT_EQ(r.rows.size(), 1u);
        EXPECT_DOUBLE_EQ(r.rows[0].f, tc.row.f);
        EXPECT_DOUBLE_EQ(r.rows[0].re, tc.row.re);
        EXPECT_DOUBLE_EQ(r.rows[0].negIm, tc.row.negIm);
    }
}

TEST(Readers, MagnitudeAndPhaseGiveBothParts) {
    struct Case {
        const char* content;
        double re, negIm;
    };
    // |Z| = 2 at -30 degrees (capacitive): Z' = sqrt(3), -Z'' = 1.
    const double root3 = std::sqrt(3.0);
    const Case cases[] = {
        {"f\t|Z|/Ohm\tPhase(Z)/deg\n10\t2\t-30\n", root3, 1},
        {"freq,Zmod,Zphz\n10,2,-30\n", root3, 1},
        {"f;Z (k\xCE\xA9);-Phase (\xC2\xB0)\n10;0,002;30\n", root3, 1},
        {"f,mod,phi [rad]\n10,2,-0.5235987755982988\n", root3, 1},
        {"freq / Hz,neg. Phase / \xC2\xB0,Z / Ohm\n10,30,2\n", root3, 1},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.content);
        const Read r = read(tc.content);
        ASSERT_EQ(r.rows.size(), 1u);
        EXPECT_NEAR(r.rows[0].re, tc.re, 1e-12);
        EXPECT_NEAR(r.rows[0].negIm, tc.negIm, 1e-12);
    }
}

TEST(Readers, BrokenFilesGiveTheRowsThatCanBeRead) {
    const std::string gamry = fixtures::Gamry();
    struct Case {
        const char* name;
        std::string content;
        size_t rows;
    };
    const std::string cutRow = gamry.substr(0, gamry.rfind("\t0.015625") + 4);
    const Case cases[] = {
        {"Gamry cut inside the last row's frequency", cutRow, Sweep().size() - 1},
        {"Gamry cut after the names", gamry.substr(0, gamry.find("\t#\ts\tHz")), 0},
        {"Gamry cut inside ZCURVE", gamry.substr(0, gamry.find("ZCURVE") + 3), 0},
        {"Gamry with a garbled row",
         gamry.substr(0, gamry.find("\t2\t16\t")) + "\t2\t16\tT\tgarbled\n" +
             gamry.substr(gamry.find("\t3\t19\t")),
         Sweep().size() - 1},
        {"EC-Lab header without data", fixtures::Mpt({}), 0},
        {"EC-Lab with a header count beyond the file",
         "EC-Lab ASCII FILE\nNb header lines : 18446744073709551615\n\n"
         "freq/Hz\tRe(Z)/Ohm\t-Im(Z)/Ohm\n1\t2\t3\n4\t5\t6\n",
         2},
        {"CSV row without a column it does not need", "f,Zre,Zim,t\n1,2,3,4\n5,6,7\n", 2},
        {"CSV row without a column it needs", "f,Zre,Zim,t\n1,2,3,4\n5,6\n", 1},
        {"CSV cut in its last row", "f,Zre,Zim,t,u\n1,2,3,4,5\n6,7,8", 1},
        {"CSV whole last row without line end", "f,Zre,Zim,t\n1,2,3,4\n6,7,8,9", 2},
        {"plain text with two numbers before its first three", "9 9\n1 2 3\n", 1},
        {"plain text with no line of three numbers", "#  pixels: 2,1\n0,0: (65535,0,0)\n", 0},
        {"EC-Lab naming a column it never writes",
         "EC-Lab ASCII FILE\nNb header lines : 3\n\nfreq/Hz\tRe(Z)/Ohm\t-Im(Z)/Ohm\tEwe-Ece/V\n"
         "1000\t10\t1\n100\t12\t3\n",
         2},
        {"CSV row with a word where a number goes", "f,Zre,Zim\n1,2,3\n5,x,7\n8,9,10\n", 2},
        {"CSV header only", "f,Zre,Zim\n", 0},
        {"CHI cut in the blank line", fixtures::Chi().substr(0, fixtures::Chi().find("\n\n1") + 1),
         0},
        {"ZView with an empty table", fixtures::ZPlot2({}), 0},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        EXPECT_EQ(read(tc.content).rows.size(), tc.rows);
    }
}

// Old Macs ended lines with CR alone: a text without any LF has its lines end there.
TEST(Readers, OldMacLineEndsEndLines) {
    const std::vector<Got> rows = {{1, 10, 1, 1}, {2, 20, 2, 2}, {3, 25, 1, 3}};
    const std::vector<Got> belowHeader = {{1, 10, 1, 2}, {2, 20, 2, 3}, {3, 25, 1, 4}};
    struct Case {
        const char* name;
        std::string content;
        std::vector<Got> rows;
    };
    const Case cases[] = {
        {"plain", "1 10 -1\r2 20 -2\r3 25 -1\r", rows},
        {"plain, the last line without end", "1 10 -1\r2 20 -2\r3 25 -1", rows},
        {"CSV", "f,Zre,Zim\r1,10,-1\r2,20,-2\r3,25,-1\r", belowHeader},
        {"UTF-16", fixtures::Utf16LE("f\tZre\tZim\r1\t10\t-1\r2\t20\t-2\r3\t25\t-1\r"),
         belowHeader},
        {"a CR within a line of LF", "1 10 -1\r2 20 -2\n", {{1, 10, 1, 1}}},
    };
    for (const auto& tc : cases)
        EXPECT_EQ(read(tc.content).rows, tc.rows) << tc.name;
}

TEST(Readers, NeverTakeARowFromAnotherColumn) {
    // The imaginary column's field is empty: the row is skipped, not read from the next
    // column.
    const Read r = read("f,Zre,Zim,Zmod\n1,2,,9\n3,4,5,9\n");
    ASSERT_EQ(r.rows.size(), 1u);
    EXPECT_EQ(r.rows[0], (Got{3, 4, -5, 3}));
}

TEST(Readers, ColumnsGoByTheirNamesOrTheFileIsRefused) {
    const struct {
        const char* name;
        std::string content;
        std::vector<Got> rows;
        bool refused;
    } cases[] = {
        {"ZView's own export names",
         "Freq(Hz),DCcurr(A),DCpot(V),Time(S),Zprime(Ohm),Zbis(Ohm)\n1000,0,0,1,10,-1\n",
         {{1000, 10, 1, 2}},
         false},
        {"names it does not know are never taken by position",
         "Freq(Hz),DCcurr(A),DCpot(V),Time(S),Zfoo(Ohm),Zbar(Ohm)\n1000,0,0,1,10,-1\n",
         {},
         true},
        {"without a header, f, Z', Z'' by position", "1000,10,-1\n", {{1000, 10, 1, 1}}, false},
        {"a quoted header whose names hold blanks, aligned in columns",
         "\"ZPlotW Data File: Version 3.2c\"\n0,3,0,1,300000,0.005\n1\n"
         "\"  Freq (Hz)    Ampl     Bias   Time(Sec)   Z'(a)    Z''(b)    GD   Err   Range\"\n"
         "1000, 0.01, 0, 1, 10, -1, 0, 0, 1\n",
         {{1000, 10, 1, 5}},
         false},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.name);
        const Read r = read(tc.content);
        EXPECT_EQ(r.rows, tc.rows);
        EXPECT_EQ(r.outcome.detection.refusal.empty(), !tc.refused);
    }
    EXPECT_NE(read(cases[1].content).outcome.detection.refusal.find("Zfoo(Ohm), Zbar(Ohm)"),
              std::string::npos)
        << "the refusal names the columns the file has";
}

TEST(Readers, ThePlainFormatKeepsItsCarriedNumbers) {
    const Read r = read("header words\n\nDate: x\n1 2 -3\n\n4 5\n6,5 7 8\n");
    ASSERT_EQ(r.rows.size(), 4u) << "the lines before the first number are no points";
    EXPECT_EQ(r.rows[0], (Got{1, 2, 3, 4}));
    EXPECT_EQ(r.rows[1], (Got{1, 2, 3, 5})) << "a blank line repeats the point";
    EXPECT_EQ(r.rows[2], (Got{4, 5, 3, 6})) << "Z'' carried";
    EXPECT_EQ(r.rows[3], (Got{6, 5, 3, 7})) << "only the number before the comma";
    EXPECT_EQ(r.outcome.detection.format, Format::Plain);
}

TEST(Readers, DecimalCommasWhereTheSeparatorIsNoComma) {
    EXPECT_EQ(withoutLines(read("f;Zre;Zim\n1,5;2,25;-3,5E-1\n").rows),
              (std::vector<Got>{{1.5, 2.25, 0.35, 0}}));
    EXPECT_EQ(withoutLines(read("f\tZre\tZim\n1,5\t2,25\t-3,5\n").rows),
              (std::vector<Got>{{1.5, 2.25, 3.5, 0}}));
    // Where the separator is the comma, a comma is never a decimal point.
    EXPECT_EQ(withoutLines(read("f,Zre,Zim\n1,5,2,25\n").rows), (std::vector<Got>{{1, 5, -2, 0}}));
    EXPECT_TRUE(read("f;Zre;Zim\n1,5;2,25;-3,5\n").outcome.state.sawDecimalComma);
}

TEST(Readers, AStateCopiedAfterAnyLineReadsOnAsTheOriginal) {
    for (const auto& file : fixtures::EveryFormat()) {
        if (file.content.substr(0, 2) == "\xFF\xFE")
            continue; // UTF-16: lines need decoding first
        SCOPED_TRACE(file.name);
        const std::vector<Got> whole = read(file.content).rows;
        LineReader lines(file.content);
        std::string_view head;
        ASSERT_TRUE(lines.head(head));
        const Detection detection = DetectFormat(head, true);
        lines.setUnits(TextUnits::Bytes, detection.encoding.bomSize);
        std::vector<std::string> all;
        std::string_view line;
        while (lines.next(line) == LineReader::Status::Line)
            all.emplace_back(line);
        for (size_t cut = 0; cut <= all.size(); ++cut) {
            ReaderState state = StartReading(detection);
            Collect sink;
            for (size_t i = 0; i < cut; ++i)
                ReadLine(state, all[i], sink);
            const ReaderState saved = state; // e.g. after the last complete row of a tick
            ReaderState resumed = saved;
            for (size_t i = cut; i < all.size(); ++i)
                ReadLine(resumed, all[i], sink);
            EXPECT_EQ(sink.rows, whole) << "resumed after line " << cut;
        }
    }
}

TEST(ReadMeasurement, HoldsBackALastLineWithoutLineEndWhileTheFileGrows) {
    const std::string content = "f,Zre,Zim\n1,2,3\n4,5,6";
    struct Case {
        bool watching, sizeChanged;
        size_t rows;
        bool heldBack;
    };
    const Case cases[] = {{false, false, 2, false},
                          {false, true, 2, false},
                          {true, false, 2, false},
                          {true, true, 1, true}};
    for (const auto& tc : cases) {
        LineReader reader(content);
        Collect sink;
        ReadOptions options;
        options.watching = tc.watching;
        options.sizeChanged = tc.sizeChanged;
        const ReadOutcome outcome = ReadMeasurement(reader, content.size(), sink, options);
        EXPECT_EQ(sink.rows.size(), tc.rows) << tc.watching << tc.sizeChanged;
        EXPECT_EQ(outcome.heldBack, tc.heldBack);
    }
    // A last line with its line end always counts.
    const std::string ended = content + "\n";
    LineReader reader(ended);
    Collect sink;
    ReadMeasurement(reader, ended.size(), sink, ReadOptions{true, true});
    EXPECT_EQ(sink.rows.size(), 2u);
}

} // namespace
