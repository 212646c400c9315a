#include "AppendToFile.h"
#include "TestSeed.h"
#include "source/FileGrowth.h"
#include "source/LiveReading.h"
#include "source/ReadProgress.h"
#include "source/Reload.h"
#include "tests/app/TempDir.h"
#include "tests/measurement/MprFixture.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <random>
#include <tuple>

namespace {

void Overwrite(const std::string& path, std::size_t offset, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(offset)),
              static_cast<ssize_t>(bytes.size()));
    ::close(fd);
}

void ExpectSamePoints(const ReadResult& got, const ReadResult& want) {
    ASSERT_EQ(got.error, want.error);
    ASSERT_EQ(got.refusal, want.refusal);
    EXPECT_EQ(got.format, want.format);
    ASSERT_TRUE(got.series && want.series);
    const auto bits = [](const Point& p) {
        return std::tuple(std::bit_cast<std::uint64_t>(p.t), std::bit_cast<std::uint64_t>(p.f),
                          std::bit_cast<std::uint64_t>(p.zReal),
                          std::bit_cast<std::uint64_t>(p.minusZImag), p.line, p.sweep);
    };
    const auto &a = got.series->points(), &b = want.series->points();
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i)
        ASSERT_EQ(bits(a[i]), bits(b[i])) << i;
}

// Records of freq, Re, -Im and cycle number (ids 32, 37, 38, 24): 20 bytes, a new cycle
// every 70 records.
std::string Records(int count) {
    std::string out;
    for (int i = 0; i < count; ++i)
        out += fixtures::Packed(static_cast<float>(1e5 * std::pow(10.0, -(i % 70) / 10.0))) +
               fixtures::Packed(static_cast<float>(20 + i % 70 + std::sin(i))) +
               fixtures::Packed(static_cast<float>(3 * std::cos(i * 0.1))) +
               fixtures::Packed(static_cast<double>(i / 70));
    return out;
}
constexpr std::size_t kRecord = 20;
// Enough for a run of many sweeps; each tick is checked against a whole read.
constexpr int kRecords = 4'000;

// As EC-Lab writes a run: the data module last, records appended in pieces that cut them
// anywhere, its count and length rewritten now and then, lagging behind the records; LOG
// once the run ends. Each tick reads on from the last, and ends where a whole read does.
TEST(MprGrowth, AFileGrownInChunksThatCutRecordsReadsAsTheWholeFile) {
    const unsigned seed = TestSeed();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    for (const auto layout : {fixtures::MprLayout::Version2, fixtures::MprLayout::NewHeader}) {
        TempDir dir;
        const std::string path = dir.file("run.mpr");
        fixtures::MprFile file;
        file.layout = layout;
        file.ids = {32, 37, 38, 24};
        std::size_t countAt = 0;
        const std::string start = fixtures::MprUpToRecords(file, &countAt);
        // The body length stands 20 bytes before the body in the new header, 16 in the old.
        const std::size_t lengthAt = countAt - (layout == fixtures::MprLayout::NewHeader ? 20 : 16);
        const std::size_t firstRecord = start.size();
        const std::string records = Records(kRecords);
        Append(path, start);
        LiveReading live;
        const std::atomic<bool> stop = false;
        for (std::size_t at = 0; at < records.size();) {
            const std::size_t size =
                std::min<std::size_t>(1 + rng() % (40 * kRecord), records.size() - at);
            Append(path, std::string_view(records).substr(at, size));
            at += size;
            if (rng() % 3 != 0) { // the count as it stood a moment ago
                const auto whole = static_cast<std::uint32_t>((at - at % kRecord) / kRecord);
                const auto lagging = whole - std::min<std::uint32_t>(whole, rng() % 3);
                Overwrite(path, countAt, fixtures::Packed(lagging));
                Overwrite(
                    path, lengthAt,
                    fixtures::Packed<std::uint32_t>(firstRecord - countAt + lagging * kRecord));
            }
            const ReadResult tick = live.Read(path, stop);
            ASSERT_FALSE(tick.failed());
            ExpectSamePoints(tick, ReadWholeFile(path, nullptr));
            if (HasFatalFailure())
                return;
        }
        Overwrite(path, countAt, fixtures::Packed<std::uint32_t>(records.size() / kRecord));
        Overwrite(path, lengthAt,
                  fixtures::Packed<std::uint32_t>(firstRecord - countAt + records.size()));
        Append(path, fixtures::MprModule(layout, "VMP LOG", 10, std::string(64, 'L')));
        const ReadResult last = live.Read(path, stop);
        ExpectSamePoints(last, ReadWholeFile(path, nullptr));
        EXPECT_EQ(last.series->points().back().sweep, static_cast<int>(kRecords / 70 + 1));
    }
}

// The count and length EC-Lab rewrites as it appends do not make the file one to read afresh:
// a tick goes on from the last record read.
TEST(MprGrowth, ATickGoesOnFromTheLastRecordRead) {
    TempDir dir;
    const std::string path = dir.file("run.mpr");
    fixtures::MprFile file;
    file.ids = {32, 37, 38, 24};
    std::size_t countAt = 0;
    Append(path, fixtures::MprUpToRecords(file, &countAt) + Records(3));
    ReadProgress progress;
    ReadResult result;
    MeasurementFile opened = OpenForReading(path, result);
    ReadInto(opened, progress, ReadOptions{true, false}, nullptr, result);
    ASSERT_EQ(result.series->points().size(), 3u);
    const std::uint64_t offset = progress.offset;

    Overwrite(path, countAt, fixtures::Packed<std::uint32_t>(5));
    Append(path, Records(2));
    MeasurementFile grown = OpenForReading(path, result);
    EXPECT_TRUE(OnlyGrew(grown, progress));
    ReadInto(grown, progress, ReadOptions{true, true}, nullptr, result);
    EXPECT_EQ(result.series->points().size(), 5u);
    EXPECT_EQ(progress.offset, offset + 2 * kRecord);
}

} // namespace
