#include "TestSeed.h"
#include "measurement/MeasurementFile.h"
#include "tests/measurement/FormatFixtures.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <bit>
#include <cstdio>
#include <filesystem>
#include <random>

namespace {

// Every row and header as the reader sent them, the numbers by their bits.
struct Recorder final : RowSink {
    std::vector<std::uint64_t> seen;
    void OnRow(const Row& r) override {
        seen.insert(seen.end(),
                    {std::bit_cast<std::uint64_t>(r.frequency),
                     std::bit_cast<std::uint64_t>(r.real), std::bit_cast<std::uint64_t>(r.negImag),
                     r.line, r.index, r.sweep});
    }
    void OnHeader(const ColumnMap&, const ColumnNames&) override { seen.push_back(~0ull); }
};

// A file's text with lines that are no rows put in at random: blank, words, a row short of
// numbers, the header again, one too long to be kept whole.
std::string withStrayLines(const std::string& text, std::mt19937& random) {
    const std::string header = text.substr(0, text.find('\n'));
    const std::string strays[] = {"", "# note", "1e3 5", header, std::string(70000, '7')};
    std::string out;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size() - 1) + 1;
        out.append(text, at, end - at);
        at = end;
        if (random() % 40 == 0)
            out += strays[random() % std::size(strays)] + "\n";
    }
    return out;
}

std::vector<std::uint64_t> readFile(const std::string& path, unsigned threads,
                                    std::uint64_t window) {
    const MeasurementFile file = OpenMeasurementFile(path);
    LineReader reader(file.fd.get(), ReadLimit(file.size));
    ReadOptions options;
    options.threads = threads;
    options.parallelFrom = 0;
    options.parallelWindow = window;
    Recorder rows;
    const ReadOutcome outcome = ReadMeasurement(reader, file.size, rows, options);
    const ReaderState& s = outcome.state;
    rows.seen.insert(rows.seen.end(), {s.lines, s.rows, s.sweeps, s.stage, s.sawDecimalComma,
                                       outcome.resumeAt, outcome.lastLineOpen, s.sawText});
    return rows.seen;
}

TEST(ParallelRead, GivesEveryTextFormatTheRowsAndStateOfOneThread) {
    const unsigned seed = TestSeed();
    SCOPED_TRACE("KORVANE_SEED=" + std::to_string(seed));
    std::mt19937 random(seed);
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("korvane-parallel-" + std::to_string(::getpid())))
                                 .string();
    for (int round = 0; round < 4; ++round) {
        std::vector<fixtures::Measurement> rows;
        std::uniform_real_distribution<double> value(-1e3, 1e5);
        for (int i = 0; i < 3000; ++i)
            rows.push_back({std::abs(value(random)), value(random), value(random)});
        for (const fixtures::NamedFile& format : fixtures::EveryFormat(rows)) {
            SCOPED_TRACE(format.name);
            std::FILE* out = std::fopen(path.c_str(), "wb");
            ASSERT_NE(out, nullptr);
            const std::string text = withStrayLines(format.content, random);
            std::fwrite(text.data(), 1, text.size(), out);
            std::fclose(out);
            const auto one = readFile(path, 1, 0);
            const unsigned threads = 2 + random() % 3;
            const std::uint64_t window = 1 + random() % 16384;
            EXPECT_EQ(readFile(path, threads, window), one) << threads << " threads, " << window;
        }
    }
    std::filesystem::remove(path);
}

} // namespace
