#include "LineReader.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <limits>
#include <vector>

namespace {

constexpr auto kNoLimit = std::numeric_limits<std::uint64_t>::max();

struct Read {
    std::vector<std::string> lines;
    std::vector<std::uint64_t> positions;
};

Read readAll(int fd, std::uint64_t limit = kNoLimit) {
    LineReader reader(fd, limit);
    Read out;
    std::string_view line;
    while (reader.next(line) == LineReader::Status::Line) {
        out.lines.emplace_back(line);
        out.positions.push_back(reader.position());
    }
    return out;
}

Read readFile(const std::string& content, std::uint64_t limit = kNoLimit) {
    TempDir dir;
    const int fd = ::open(dir.write("f.txt", content).c_str(), O_RDONLY);
    Read out = readAll(fd, limit);
    ::close(fd);
    return out;
}

TEST(LineReader, SplitsLinesAsATextStreamDoes) {
    struct Case {
        std::string content;
        std::vector<std::string> lines;
        std::vector<std::uint64_t> positions;
    };
    const Case cases[] = {
        {"", {}, {}},
        {"a\nb\n", {"a", "b"}, {2, 4}},
        {"a\r\nb\r\n", {"a", "b"}, {3, 6}},
        {"a\nb", {"a", "b"}, {2, 3}},
        {"a\r\rb\r", {"a\r\rb\r"}, {5}},
        {"\n\n", {"", ""}, {1, 2}},
        {"x\r\n\r\n", {"x", ""}, {3, 5}},
    };
    for (const auto& tc : cases) {
        const Read got = readFile(tc.content);
        EXPECT_EQ(got.lines, tc.lines) << tc.content;
        EXPECT_EQ(got.positions, tc.positions) << tc.content;
    }
}

TEST(LineReader, DeliversLongLinesWholeAcrossBuffers) {
    std::string longLine(1'000'003, 'x');
    longLine[600'000] = '\r'; // a CR inside a line stays
    std::string content = "short\n" + longLine + "\r\n" + "tail";
    const Read got = readFile(content);
    ASSERT_EQ(got.lines.size(), 3u);
    EXPECT_EQ(got.lines[1], longLine);
    EXPECT_EQ(got.lines[2], "tail");
    EXPECT_EQ(got.positions.back(), content.size());
}

TEST(LineReader, StopsAtTheLimitAndAtAnEarlyEnd) {
    EXPECT_EQ(readFile("aaa\nbbb\nccc\n", 6).lines, (std::vector<std::string>{"aaa", "bb"}));

    // Truncated after opening: the reader meets the end early and reports no error.
    TempDir dir;
    const int fd = ::open(dir.write("f.txt", "1 2 3\n4 5 6\n7 8 9\n").c_str(), O_RDWR);
    ASSERT_GE(fd, 0);
    LineReader reader(fd, 18);
    ASSERT_EQ(::ftruncate(fd, 8), 0);
    std::string_view line;
    EXPECT_EQ(reader.next(line), LineReader::Status::Line);
    EXPECT_EQ(line, "1 2 3");
    EXPECT_EQ(reader.next(line), LineReader::Status::Line);
    EXPECT_EQ(line, "4 ");
    EXPECT_EQ(reader.next(line), LineReader::Status::End);
    ::close(fd);
}

TEST(LineReader, ReportsReadErrorsWithTheSystemsNumber) {
    TempDir dir;
    const int fd = ::open(dir.file("").c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(fd, 0);
    LineReader reader(fd, 100);
    std::string_view line;
    EXPECT_EQ(reader.next(line), LineReader::Status::Error);
    EXPECT_EQ(reader.error(), EISDIR);
    ::close(fd);
}

} // namespace
