#include "source/ReadingThread.h"
#include "tests/app/BytesRead.h"
#include "tests/app/TempDir.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <thread>

namespace {

TEST(ReadingThread, StartsOneReadAtATimeAndHandsEachResultOverOnce) {
    TempDir dir;
    const std::string path = dir.write("m.txt", "1 10 -1\n2 20 -2\n");
    std::atomic<int> finished{0};
    auto owned = std::make_unique<ReadingThread>([&finished] { ++finished; });
    ReadingThread& thread = *owned;
    EXPECT_FALSE(thread.Take());
    ASSERT_TRUE(thread.Start({path}));
    EXPECT_FALSE(thread.Start({path})); // still reading, or its result not taken yet
    thread.Wait();
    EXPECT_FALSE(thread.Start({path}));
    const std::optional<std::vector<ReadResult>> results = thread.Take();
    ASSERT_TRUE(results && results->size() == 1);
    const ReadResult* result = &results->front();
    EXPECT_TRUE(result->found);
    ASSERT_TRUE(result->series);
    ASSERT_EQ(result->series->points().size(), 2u);
    EXPECT_EQ(result->series->points()[1].zReal, 20);
    EXPECT_FALSE(thread.Take());
    EXPECT_TRUE(thread.Start({dir.file("absent.txt")}));
    thread.Wait();
    EXPECT_FALSE(thread.Take()->front().found);
    owned.reset();
    EXPECT_EQ(finished, 2);
}

TEST(ReadingThread, GoingAwayStopsAReadOfAHugeFileEarly) {
    TempDir dir;
    const std::string path = dir.writeHuge("huge.txt");
    const std::uint64_t before = BytesReadSoFar();
    {
        ReadingThread thread([] {});
        ASSERT_TRUE(thread.Start({path}));
        // Once the read is surely under way.
        for (int i = 0; i < 10000 && BytesReadSoFar() - before < (1U << 20); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ASSERT_GE(BytesReadSoFar() - before, 1U << 20) << "the read never got under way";
    }
    EXPECT_LT(BytesReadSoFar() - before, 4ULL << 30);
}

} // namespace
