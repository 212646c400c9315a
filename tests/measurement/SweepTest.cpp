#include "MprFixture.h"
#include "measurement/MeasurementFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

class SweepNumbers final : public RowSink {
  public:
    void OnRow(const Row& row) override { sweeps.push_back(row.sweep); }
    std::vector<std::uint32_t> sweeps;
};

// An .mpr whose records hold only f, Z' and -Z'': no cycle number marks its sweeps.
std::string MprWithoutCycles(const std::vector<float>& frequencies) {
    fixtures::MprFile file;
    file.ids = {32, 37, 38};
    for (const float f : frequencies)
        file.records += fixtures::Packed(f) + fixtures::Packed(1.0f) + fixtures::Packed(2.0f);
    file.count = static_cast<std::uint32_t>(frequencies.size());
    return fixtures::Mpr(file);
}

const std::string kGamryHead = "EXPLAIN\nTAG\tEISPOT\n";
const std::string kGamryTable = "ZCURVE\tTABLE\n\tPt\tFreq\tZreal\tZimag\n\t#\tHz\tohm\tohm\n";
const std::string kMptHead = "EC-Lab ASCII FILE\nNb header lines : 3\n\n";

struct Case {
    const char* name;
    std::string content;
    std::vector<std::uint32_t> sweeps; // of each row
};

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases = {
        {"plain: a return to high frequency",
         "1e5 1 -1\n1e3 2 -2\n10 3 -3\n0.01 4 -4\n1e5 1 -1\n1e3 2 -2\n",
         {1, 1, 1, 1, 2, 2}},
        {"plain: steps back of a factor 2 at most are wobbles",
         "1e5 1 -1\n1e3 2 -2\n1500 3 -3\n10 4 -4\n20 5 -5\n1 6 -6\n",
         {1, 1, 1, 1, 1, 1}},
        {"plain: the direction waits for two different frequencies",
         "1e3 1 -1\n1e3 2 -2\n1e5 3 -3\n1e4 4 -4\n",
         {1, 1, 1, 2}},
        {"csv: ascending sweeps, each wobbling down a little",
         "f,Zre,Zim\n0.01,1,1\n1,1,1\n0.8,1,1\n100,1,1\n0.01,1,1\n1,1,1\n0.1,1,1\n",
         {1, 1, 1, 1, 2, 2, 3}},
        {"csv: no positive finite frequency starts a sweep",
         "f,Zre,Zim\nnan,1,1\n1e3,1,1\nnan,1,1\n10,1,1\n0,1,1\n-1e6,1,1\ninf,1,1\n1e5,1,1\n",
         {1, 1, 1, 1, 1, 1, 1, 2}},
        {"EC-Lab: a cycle column, whatever the frequency does",
         kMptHead + "freq/Hz\tRe(Z)/Ohm\t-Im(Z)/Ohm\tcycle number\n"
                    "1e5\t1\t1\t1\n10\t1\t1\t1\n1e5\t1\t1\t1\n1e5\t1\t1\t2\n10\t1\t1\t2\n",
         {1, 1, 1, 2, 2}},
        {"EC-Lab: without a cycle column, by the frequency",
         kMptHead + "freq/Hz\tRe(Z)/Ohm\t-Im(Z)/Ohm\n1e5\t1\t1\n10\t1\t1\n1e5\t1\t1\n",
         {1, 1, 2}},
        {"Gamry: each ZCURVE table, whatever the frequency does",
         kGamryHead + kGamryTable + "\t0\t1e5\t1\t1\n\t1\t10\t1\t1\n\t2\t1e5\t1\t1\n" +
             kGamryTable + "\t0\t1e5\t1\t1\n",
         {1, 1, 1, 2}},
        {"mpr without cycle column: by the frequency",
         MprWithoutCycles({1e5f, 1e3f, 10, 1e5f, 1e3f}),
         {1, 1, 1, 2, 2}},
    };
    return cases;
}

TEST(Sweeps, StartWhereTheFileMarksThemOrTheFrequencyTurnsBackAlsoWhenReadInPieces) {
    for (const Case& tc : Cases()) {
        SCOPED_TRACE(tc.name);
        SweepNumbers whole;
        const ReadOutcome outcome = ReadMeasurementBytes(tc.content, whole);
        EXPECT_EQ(whole.sweeps, tc.sweeps);
        EXPECT_EQ(outcome.state.sweeps, tc.sweeps.back());
        if (!IsLineFormat(outcome.detection.format))
            continue;
        // As the reload reads a growing file on: from a copy of the state after any line.
        std::vector<std::string> lines;
        for (std::size_t at = 0; at < tc.content.size();) {
            const std::size_t end = std::min(tc.content.find('\n', at), tc.content.size());
            lines.push_back(tc.content.substr(at, end - at));
            at = end + 1;
        }
        for (std::size_t cut = 0; cut <= lines.size(); ++cut) {
            SweepNumbers pieces;
            ReaderState before = StartReading(outcome.detection);
            for (std::size_t i = 0; i < cut; ++i)
                ReadLine(before, lines[i], pieces);
            ReaderState after = before;
            for (std::size_t i = cut; i < lines.size(); ++i)
                ReadLine(after, lines[i], pieces);
            EXPECT_EQ(pieces.sweeps, tc.sweeps) << "resumed after line " << cut;
            EXPECT_EQ(after.sweeps, tc.sweeps.back());
        }
    }
}

} // namespace
