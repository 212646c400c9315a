#include "source/FolderWatch.h"
#include "tests/app/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

namespace {

enum class Kind { File, Fifo, Folder, Link };

struct Entry {
    const char* name;
    int age = 0; // seconds before kNow
    const char* content = "";
    Kind kind = Kind::File; // a link's content is its target
    long nanoseconds = 0;
};

constexpr time_t kNow = 1'700'000'000;

void setAge(const std::string& path, int age, long nanoseconds = 0) {
    const timespec times[2] = {{kNow - age, nanoseconds}, {kNow - age, nanoseconds}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0) << path;
}

void make(const TempDir& dir, const Entry& entry) {
    const std::string path = dir.file(entry.name);
    switch (entry.kind) {
    case Kind::File:
        dir.write(entry.name, entry.content);
        break;
    case Kind::Fifo:
        ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
        break;
    case Kind::Folder:
        ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
        break;
    case Kind::Link:
        ASSERT_EQ(::symlink(entry.content, path.c_str()), 0);
        return; // its time is its target's
    }
    setAge(path, entry.age, entry.nanoseconds);
}

struct Case {
    const char* what;
    std::vector<Entry> entries;
    std::size_t count;
    std::vector<std::string> newest;
};

const Case kCases[] = {
    {"newest first", {{"a.DTA", 30}, {"b.DTA", 10}, {"c.DTA", 20}}, 2, {"b.DTA", "c.DTA"}},
    {"nanoseconds count",
     {{"a.mpt", 5, "", Kind::File, 1}, {"b.mpt", 5, "", Kind::File, 2}},
     2,
     {"b.mpt", "a.mpt"}},
    {"a tie goes to the later name",
     {{"EIS_001.DTA", 5}, {"EIS_010.DTA", 5}, {"EIS_002.DTA", 5}},
     3,
     {"EIS_010.DTA", "EIS_002.DTA", "EIS_001.DTA"}},
    {"more asked than there are", {{"run.mpt", 1}}, 5, {"run.mpt"}},
    {"none asked", {{"run.mpt", 1}}, 0, {}},
    {"endings in any case",
     {{"EIS.Dta", 2}, {"eis.PSSESSION", 1}, {"eis.dta.bak", 0, "no numbers\n"}},
     9,
     {"eis.PSSESSION", "EIS.Dta"}},
    {"never chosen",
     {{"old.txt", 100},
      {"pipe.DTA", 0, "", Kind::Fifo},
      {"sub.DTA", 0, "", Kind::Folder},
      {".hidden.DTA", 0, "1 2 3\n"}},
     9,
     {"old.txt"}},
    {"content decides for other names",
     {{"sweep.log", 1, "1 2 3\n"},
      {"gamry.out", 2, "EXPLAIN\n"},
      {"notes.log", 0, "no numbers here\n"},
      {"image.dat", 0, "\x89PNG\r\n\x1A\n 1 2 3\n"},
      {"empty", 0, ""},
      {"old.z", 50, ""}},
     9,
     {"sweep.log", "gamry.out", "old.z"}},
    {"a link to a file counts, to nothing or a folder not",
     {{"real.dat", 10, "1 2 3\n"},
      {"sub", 0, "", Kind::Folder},
      {"link.DTA", 0, "real.dat", Kind::Link},
      {"dangling.DTA", 0, "missing.DTA", Kind::Link},
      {"folder.DTA", 0, "sub", Kind::Link}},
     9,
     {"real.dat", "link.DTA"}},
};

TEST(FolderWatch, ChoosesTheNewestMeasurements) {
    for (const Case& c : kCases) {
        TempDir dir;
        for (const Entry& entry : c.entries)
            make(dir, entry);
        std::vector<std::string> expected;
        for (const std::string& name : c.newest)
            expected.push_back(dir.file(name));
        FolderWatch watch(dir.file(""));
        EXPECT_EQ(watch.Newest(c.count), expected) << c.what;
        EXPECT_FALSE(watch.Error()) << c.what;
    }
}

TEST(FolderWatch, ANewerFileTakesOverAndTheSwitchIsReported) {
    TempDir dir;
    make(dir, {"EIS_001.DTA", 10});
    FolderWatch watch(dir.file(""));
    EXPECT_EQ(watch.Newest(1), std::vector{dir.file("EIS_001.DTA")});
    EXPECT_TRUE(watch.NewestChanged());
    watch.Newest(1);
    EXPECT_FALSE(watch.NewestChanged());
    make(dir, {"EIS_002.DTA", 0});
    EXPECT_EQ(watch.Newest(2), (std::vector{dir.file("EIS_002.DTA"), dir.file("EIS_001.DTA")}));
    EXPECT_TRUE(watch.NewestChanged());
}

TEST(FolderWatch, ReadsAFileAgainOnlyOnceItsSizeOrTimeChanged) {
    TempDir dir;
    make(dir, {"sweep.log", 5, "1 2 3\n"});
    FolderWatch watch(dir.file(""));
    ASSERT_EQ(watch.Newest(1).size(), 1u);
    // Same size, same time: the judgement stands, though the content is no longer one.
    make(dir, {"sweep.log", 5, "abcde\n"});
    EXPECT_EQ(watch.Newest(1).size(), 1u);
    setAge(dir.file("sweep.log"), 4);
    EXPECT_TRUE(watch.Newest(1).empty());
}

TEST(FolderWatch, AFolderThatCannotBeListedGivesTheReason) {
    TempDir dir;
    make(dir, {"run.DTA", 1});
    const struct {
        std::string folder;
        int error;
    } cases[] = {{dir.file("missing"), ENOENT}, {dir.file("run.DTA"), ENOTDIR}};
    for (const auto& c : cases) {
        FolderWatch watch(c.folder);
        EXPECT_TRUE(watch.Newest(1).empty()) << c.folder;
        EXPECT_EQ(watch.Error(), (IoError{IoStep::ListFolder, c.error, c.folder})) << c.folder;
        EXPECT_FALSE(watch.NewestChanged()) << c.folder;
    }
}

} // namespace
