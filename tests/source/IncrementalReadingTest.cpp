#include "AppendToFile.h"
#include "TestSeed.h"
#include "source/LiveReading.h"
#include "source/ReadingThread.h"
#include "source/Reload.h"
#include "tests/app/TempDir.h"
#include "tests/measurement/FormatFixtures.h"

#include <gtest/gtest.h>

#include <bit>
#include <tuple>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <optional>
#include <random>

namespace {

bool SamePoints(const SeriesSnapshot& a, const SeriesSnapshot& b) {
    if (!a || !b)
        return !a && !b;
    const std::vector<Point>&pa = a->points(), &pb = b->points();
    return pa.size() == pb.size() &&
           std::equal(pa.begin(), pa.end(), pb.begin(), [](const Point& p, const Point& q) {
               // Bit for bit, so NaNs compare too; the padding is no part of a point.
               const auto bits = [](const Point& x) {
                   return std::tuple(std::bit_cast<std::uint64_t>(x.t),
                                     std::bit_cast<std::uint64_t>(x.f),
                                     std::bit_cast<std::uint64_t>(x.zReal),
                                     std::bit_cast<std::uint64_t>(x.minusZImag), x.line, x.sweep);
               };
               return bits(p) == bits(q);
           });
}

bool SameExtent(const Extent& a, const Extent& b) {
    return a.low == b.low && a.high == b.high;
}

// Equal points, extents and format give equal pictures.
void ExpectSameResult(const ReadResult& got, const ReadResult& want) {
    EXPECT_EQ(got.found, want.found);
    EXPECT_EQ(got.stopped, want.stopped);
    EXPECT_EQ(got.error, want.error);
    EXPECT_EQ(got.refusal, want.refusal);
    ASSERT_TRUE(SamePoints(got.series, want.series));
    if (got.series && want.series) {
        EXPECT_TRUE(SameExtent(got.series->zReal(), want.series->zReal()));
        EXPECT_TRUE(SameExtent(got.series->minusZImag(), want.series->minusZImag()));
        EXPECT_EQ(got.series->measured(), want.series->measured());
    }
    EXPECT_EQ(got.format, want.format);
}

// Enough rows that the chart thins, with digits that differ from row to row.
std::vector<fixtures::Measurement> ManyRows(int count) {
    std::vector<fixtures::Measurement> rows;
    for (int i = 0; i < count; ++i)
        rows.push_back({1e5 * std::pow(10.0, -7.0 * i / count), 20.25 + 0.0625 * i + std::sin(i),
                        -10.5 - 30 * std::cos(i * 0.01)});
    return rows;
}

// Whatever chunks a file grows by, cutting lines, numbers and UTF-16 units anywhere, the
// reading that goes on from where it ended gives what a read of the whole file gives.
TEST(IncrementalReading, AFileGrownInAnyChunksReadsAsTheWholeFile) {
    const unsigned seed = TestSeed();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    TempDir dir;
    for (auto& file : fixtures::EveryFormat(ManyRows(10'100))) {
        // Left out for time: each has a harder variant of its format among the others (with a
        // byte-order mark, decimal commas, further tables or cycles).
        const std::string_view name = file.name;
        if (name == "plain.txt" || name == "eis.DTA" || name == "eis.mpt" || name == "tabs.tsv")
            continue;
        SCOPED_TRACE(file.name);
        // Now and then the file ends without a line end.
        const bool cut = rng() % 3 == 0;
        if (cut)
            while (!file.content.empty() &&
                   (file.content.back() == '\n' || file.content.back() == '\0'))
                file.content.pop_back();
        const std::string path = dir.file(file.name);
        LiveReading live;
        GrowthWatch mirror; // what the ticks of the whole-file reads would have seen
        std::uniform_real_distribution<double> logSize(0, std::log(256.0 * 1024));
        const std::atomic<bool> stop = false;
        const int pauseAfter = 1 + static_cast<int>(rng() % 16);
        int chunk = 0;
        for (std::size_t at = 0; at < file.content.size();) {
            const auto size = std::min(static_cast<std::size_t>(std::exp(logSize(rng))),
                                       file.content.size() - at);
            Append(path, std::string_view(file.content).substr(at, size));
            at += size;
            if (at == file.content.size())
                break;
            // Once the writer pauses for a tick, so a line cut short counts as it is.
            for (int tick = ++chunk == pauseAfter ? 2 : 1; tick > 0; --tick) {
                ASSERT_FALSE(live.Read(path, stop).failed());
                mirror.Changed(path, at);
            }
        }
        ExpectSameResult(live.Read(path, stop), ReadWholeFile(path, &mirror));
        // Unchanged for a tick: a last line without line end now counts.
        if (cut)
            ExpectSameResult(live.Read(path, stop), ReadWholeFile(path, &mirror));
    }
}

// Several files growing together, each in chunks of its own, read in one job a tick as the
// window reads an overlay: each ends as a read of its whole file.
TEST(IncrementalReading, FilesGrowingTogetherReadAsTheirWholeFiles) {
    const unsigned seed = TestSeed();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    TempDir dir;
    auto files = fixtures::EveryFormat(ManyRows(3000));
    files.resize(std::min<size_t>(files.size(), 5));
    std::vector<std::string> paths;
    for (const auto& file : files)
        paths.push_back(dir.file(file.name));
    std::vector<size_t> at(files.size(), 0);
    std::vector<GrowthWatch> mirrors(files.size());
    std::uniform_real_distribution<double> logSize(0, std::log(64.0 * 1024));
    ReadingThread reading([] {});
    const auto tick = [&] {
        EXPECT_TRUE(reading.Start(paths));
        reading.Wait();
        auto results = reading.Take();
        for (size_t i = 0; i < files.size(); ++i)
            mirrors[i].Changed(paths[i], at[i]);
        return results.value_or(std::vector<ReadResult>{});
    };
    for (bool growing = true; growing;) {
        growing = false;
        for (size_t i = 0; i < files.size(); ++i) {
            const std::string& content = files[i].content;
            const auto size =
                std::min(static_cast<size_t>(std::exp(logSize(rng))), content.size() - at[i]);
            Append(paths[i], std::string_view(content).substr(at[i], size));
            at[i] += size;
            growing = growing || at[i] < content.size();
        }
        for (const ReadResult& result : tick())
            ASSERT_FALSE(result.failed());
    }
    const std::vector<ReadResult> last = tick();
    ASSERT_EQ(last.size(), files.size());
    for (size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(files[i].name);
        ExpectSameResult(last[i], ReadWholeFile(paths[i], &mirrors[i]));
    }
}

std::string PlainRows(int from, int count, double scale = 1) {
    std::string out;
    char line[96];
    for (int i = from; i < from + count; ++i) {
        std::snprintf(line, sizeof line, "%d\t%.4f\t%.4f\n", i, scale * (10 + i % 97),
                      -scale * (i % 31));
        out += line;
    }
    return out;
}

// Writes `bytes` over the file's bytes at `offset`, keeping its size.
void Overwrite(const std::string& path, off_t offset, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::pwrite(fd, bytes.data(), bytes.size(), offset), static_cast<ssize_t>(bytes.size()));
    ::close(fd);
}

// Whatever happens to the file between two ticks, the next one shows what the whole file
// holds: what only grew goes on, anything else is read afresh.
TEST(IncrementalReading, AFileChangedOtherwiseIsReadAfresh) {
    struct Case {
        const char* name;
        std::function<void(const std::string& path, TempDir& dir)> change;
        int fullReadEvery = 30;
        int ticks = 1; // after the change
    };
    const std::string start = PlainRows(0, 3000); // about 50 KB: the two windows lie apart
    const Case cases[] = {
        {"appended", [](auto& path, auto&) { Append(path, PlainRows(3000, 50)); }},
        {"truncated", [&](auto& path, auto&) { ASSERT_EQ(::truncate(path.c_str(), 20'000), 0); }},
        {"truncated, then grown past its old size with other rows",
         [&](auto& path, auto&) {
             ASSERT_EQ(::truncate(path.c_str(), static_cast<off_t>(start.size() / 2)), 0);
             Append(path, PlainRows(0, 2000, 3));
         }},
        {"replaced by a renamed file that differs in the middle",
         [&](auto& path, TempDir& dir) {
             std::string other = start + PlainRows(3000, 10);
             other[start.size() / 2] = other[start.size() / 2] == '1' ? '2' : '1';
             ASSERT_EQ(::rename(dir.write("new.txt", other).c_str(), path.c_str()), 0);
         }},
        {"rewritten at its start, size kept",
         [](auto& path, auto&) {
             Overwrite(path, 2, "9");
             Append(path, PlainRows(3000, 10));
         }},
        {"rewritten just before the previous end, size kept",
         [&](auto& path, auto&) {
             Overwrite(path, static_cast<off_t>(start.size() - 8), "9");
             Append(path, PlainRows(3000, 10));
         }},
        {"rewritten in the middle: seen by the next full read",
         [&](auto& path, auto&) { Overwrite(path, static_cast<off_t>(start.size() / 2), "9"); }, 2,
         2},
        {"empty at first, then a table",
         [](auto& path, auto&) { Append(path, "f,Zre,Zim\n1,2,-3\n"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        const bool empty = std::string_view(c.name).starts_with("empty");
        const std::string path = dir.write("m.txt", empty ? "" : start);
        LiveReading live(c.fullReadEvery);
        GrowthWatch mirror;
        const std::atomic<bool> stop = false;
        ExpectSameResult(live.Read(path, stop), ReadWholeFile(path, &mirror));
        c.change(path, dir);
        ReadResult got;
        for (int tick = 0; tick < c.ticks; ++tick)
            got = live.Read(path, stop);
        ReadResult want;
        for (int tick = 0; tick < c.ticks; ++tick)
            want = ReadWholeFile(path, &mirror);
        ExpectSameResult(got, want);
    }
}

// A last line without line end counts once the size held for a tick; when the writer goes on
// with it after a longer pause, the line is read again whole.
TEST(IncrementalReading, ALineWithoutLineEndThatGoesOnAfterAPauseIsReadAgain) {
    TempDir dir;
    const std::string path = dir.write("m.txt", PlainRows(0, 300) + "5\t6");
    LiveReading live;
    GrowthWatch mirror;
    const std::atomic<bool> stop = false;
    for (int tick = 0; tick < 3; ++tick)
        ExpectSameResult(live.Read(path, stop), ReadWholeFile(path, &mirror));
    Append(path, "7\t-8\n");
    ExpectSameResult(live.Read(path, stop), ReadWholeFile(path, &mirror));
}

TEST(IncrementalReading, AStoppedReadShowsNothingAndTheNextReadsAfresh) {
    TempDir dir;
    const std::string path = dir.write("m.txt", PlainRows(0, 3000));
    LiveReading live;
    const std::atomic<bool> go = false, stop = true;
    const ReadResult first = live.Read(path, go);
    ASSERT_EQ(first.series->points().size(), 3000u);
    Append(path, PlainRows(3000, 10));
    ASSERT_EQ(live.Read(path, go).series->points().size(), 3010u);
    EXPECT_EQ(first.series->points().size(), 3000u) << "a result handed out never changes";
    Append(path, PlainRows(3010, 10));
    const ReadResult stopped = live.Read(path, stop);
    EXPECT_TRUE(stopped.stopped);
    EXPECT_FALSE(stopped.series);
    EXPECT_FALSE(stopped.failed());
    EXPECT_TRUE(ReadWholeFile(path, nullptr, &stop).stopped);
    ExpectSameResult(live.Read(path, go), ReadWholeFile(path, nullptr));
}

} // namespace
