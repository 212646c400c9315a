#include "source/ShownFiles.h"
#include "tests/app/BytesRead.h"
#include "tests/app/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

namespace {

using State = ShownFiles::State;

// Two million lines, then zeros without a line end up to 64 GiB (sparse): a read that is not
// stopped would take minutes.
std::string writeLargeFile(const TempDir& dir) {
    std::string lines;
    for (int i = 0; i < 2'000'000; ++i)
        lines += "1 10 -1\n";
    const std::string path = dir.write("large.txt", lines);
    std::filesystem::resize_file(path, 64ULL << 30);
    return path;
}

TEST(ShownFiles, ASwitchInTheMiddleOfALargeReadStopsItAndReadsTheFilesChosen) {
    TempDir dir;
    const std::string large = writeLargeFile(dir);
    const std::string small = dir.write("small.txt", "1 10 -1\n2 20 -2\n");
    const std::string other = dir.write("other.txt", "1 30 -3\n");
    using Paths = std::vector<std::string>;
    const struct {
        const char* what;
        Paths before;
        std::function<void(ShownFiles&)> change;
        Paths after;
    } cases[] = {
        {"another file", {large}, [&](ShownFiles& s) { s.Show({small}); }, {small}},
        {"an overlay",
         {large},
         [&](ShownFiles& s) {
             s.Show({small, other, small});
         },
         {small, other}},
        {"the large file removed",
         {large, small},
         [&](ShownFiles& s) { s.Remove(large); },
         {small}},
        {"all closed", {large, small}, [](ShownFiles& s) { s.Clear(); }, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ShownFiles shown([] {});
        shown.Show(c.before);
        const std::uint64_t before = BytesReadSoFar();
        shown.Tick();
        // Once the read is surely under way.
        for (int i = 0; i < 10000 && BytesReadSoFar() - before < (1U << 20); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        c.change(shown);
        EXPECT_FALSE(shown.Finish()) << "a read of files no longer shown is dropped";
        EXPECT_EQ(shown.TickUnderWay(), !c.after.empty()) << "the files chosen are read at once";
        EXPECT_EQ(shown.Finish(), !c.after.empty());
        EXPECT_LT(BytesReadSoFar() - before, 4ULL << 30);
        EXPECT_EQ(shown.Paths(), c.after);
        for (const ShownFiles::File& file : shown.Files()) {
            EXPECT_EQ(file.state, State::Read) << file.path;
            ASSERT_TRUE(file.shown) << file.path;
            EXPECT_EQ(file.shown->series->measured(), file.path == other ? 1 : 2) << file.path;
        }
    }
}

TEST(ShownFiles, EachTickSaysWhatIsKnownOfTheFileAndAGoneFileKeepsWhatWasRead) {
    TempDir dir;
    const std::string path = dir.file("run7.txt");
    const struct {
        const char* what;
        std::function<void()> change;
        State state;
        long long pointsShown; // of what is drawn, -1 for nothing
        bool latestKept;
        int error;
    } steps[] = {
        {"not there yet", [] {}, State::Waiting, -1, false, 0},
        {"written", [&] { dir.write("run7.txt", "1 10 -1\n2 20 -2\n"); }, State::Read, 2, false, 0},
        {"gone", [&] { std::filesystem::remove(path); }, State::Gone, 2, true, 0},
        {"a folder", [&] { std::filesystem::create_directory(path); }, State::Unreadable, 2, true,
         EISDIR},
        {"back, longer",
         [&] {
             std::filesystem::remove(path);
             dir.write("run7.txt", "1 10 -1\n2 20 -2\n3 30 -3\n");
         },
         State::Read, 3, false, 0},
    };
    ShownFiles shown([] {});
    shown.Show({path});
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        shown.Tick();
        ASSERT_TRUE(shown.Finish());
        const ShownFiles::File& file = shown.Files().front();
        EXPECT_EQ(file.state, step.state);
        EXPECT_EQ(file.shown ? file.shown->series->measured() : -1, step.pointsShown);
        EXPECT_EQ(file.latestKept, step.latestKept);
        EXPECT_EQ(file.failure ? file.failure->osError : 0, step.error);
    }
}

} // namespace
