#include "source/ShownFiles.h"
#include "tests/app/BytesRead.h"
#include "tests/app/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
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

TEST(ShownFiles, ANewerFileOfAFollowedFolderStopsALargeReadAndIsShown) {
    TempDir dir;
    const std::uint64_t before = BytesReadSoFar();
    writeLargeFile(dir);
    ShownFiles shown([] {});
    shown.Follow(dir.file(""), 1);
    shown.Tick();
    for (int i = 0; i < 10000 && BytesReadSoFar() - before < (1U << 20); ++i) {
        shown.Take();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_TRUE(shown.TickUnderWay());
    const std::string newer = dir.write("newer.txt", "1 10 -1\n");
    std::filesystem::last_write_time(newer, std::filesystem::file_time_type::clock::now() +
                                                std::chrono::seconds(10));
    EXPECT_EQ(shown.Files().front().state, State::Reading) << "there, not waited for";
    shown.Tick();
    EXPECT_TRUE(shown.Finish());
    EXPECT_LT(BytesReadSoFar() - before, 4ULL << 30);
    EXPECT_EQ(shown.Paths(), std::vector{newer});
    EXPECT_EQ(shown.SwitchedTo(), newer);
    EXPECT_EQ(shown.Files().front().state, State::Read);
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
        EXPECT_EQ(file.error ? file.error->number : 0, step.error);
    }
}

// Cells of one instrument appended to in turn: the newest file changes at every tick, yet a
// file that stays keeps its look and is read on from where it ended; only a file that joins
// is read whole, and it takes the look of the one that left.
TEST(ShownFiles, AFollowedFolderKeepsItsFilesAcrossReordersAndReadsWhatWasAppended) {
    TempDir dir;
    std::string lines;
    for (int i = 0; i < 100'000; ++i)
        lines += "1 10 -1\n";
    int age = -100;
    const auto write = [&](const char* name, const std::string& text) {
        std::ofstream(dir.file(name), std::ios::app) << text;
        std::filesystem::last_write_time(dir.file(name),
                                         std::filesystem::file_time_type::clock::now() +
                                             std::chrono::seconds(age++));
    };
    for (const char* name : {"cell1.txt", "cell2.txt", "cell3.txt"})
        write(name, lines);
    ShownFiles shown([] {});
    shown.Follow(dir.file(""), 3);
    shown.Tick();
    ASSERT_TRUE(shown.Finish());
    const auto looks = [&] {
        std::map<std::string, int> byName;
        for (const ShownFiles::File& file : shown.Files())
            byName[std::filesystem::path(file.path).filename().string()] = file.look;
        return byName;
    };
    std::map<std::string, int> expected = looks();
    EXPECT_EQ(expected,
              (std::map<std::string, int>{{"cell1.txt", 2}, {"cell2.txt", 1}, {"cell3.txt", 0}}));
    const struct {
        const char* file;
        const char* leaves; // the file that makes room, when `file` joins
    } steps[] = {{"cell1.txt", nullptr}, {"cell2.txt", nullptr},     {"cell1.txt", nullptr},
                 {"cell3.txt", nullptr}, {"cell4.txt", "cell2.txt"}, {"cell1.txt", nullptr}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.file);
        const std::uint64_t choice = shown.Choice();
        const std::uint64_t before = BytesReadSoFar();
        write(step.file, step.leaves ? lines : "2 20 -2\n");
        shown.Tick();
        ASSERT_TRUE(shown.Finish());
        // What is appended, a look at each file's head and tail, and a newcomer's head.
        EXPECT_LT(BytesReadSoFar() - before, (step.leaves ? lines.size() : 0) + 131'072);
        EXPECT_EQ(shown.Choice() != choice, step.leaves != nullptr);
        if (step.leaves)
            expected[step.file] = expected[step.leaves], expected.erase(step.leaves);
        EXPECT_EQ(looks(), expected);
        for (const ShownFiles::File& file : shown.Files())
            EXPECT_EQ(file.state, State::Read) << file.path;
    }
}

} // namespace
