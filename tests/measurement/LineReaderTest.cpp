#include "measurement/LineReader.h"
#include "tests/app/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <limits>
#include <thread>
#include <vector>

namespace {

constexpr auto kNoLimit = std::numeric_limits<std::uint64_t>::max();

struct LinesRead {
    std::vector<std::string> lines;
    std::vector<std::uint64_t> positions;
};

LinesRead readAll(int fd, std::uint64_t limit = kNoLimit) {
    LineReader reader(fd, limit);
    LinesRead out;
    std::string_view line;
    while (reader.next(line) == LineReader::Status::Line) {
        out.lines.emplace_back(line);
        out.positions.push_back(reader.position());
    }
    return out;
}

LinesRead readFile(const std::string& content, std::uint64_t limit = kNoLimit) {
    TempDir dir;
    const int fd = ::open(dir.write("f.txt", content).c_str(), O_RDONLY);
    LinesRead out = readAll(fd, limit);
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
        const LinesRead got = readFile(tc.content);
        EXPECT_EQ(got.lines, tc.lines) << tc.content;
        EXPECT_EQ(got.positions, tc.positions) << tc.content;
    }
}

TEST(LineReader, KeepsTheFirst64KiBOfALongLineAndSkipsTheRest) {
    std::string longLine(1'000'003, 'x');
    longLine[600'000] = '\r'; // a CR inside a line stays
    longLine[5] = 'y';
    std::string content = "short\n" + longLine + "\r\n" + "tail";
    const LinesRead got = readFile(content);
    ASSERT_EQ(got.lines.size(), 3u);
    EXPECT_EQ(got.lines[1], longLine.substr(0, LineReader::kMaxLine));
    EXPECT_EQ(got.lines[2], "tail");
    EXPECT_EQ(got.positions[1], 6 + longLine.size() + 2);
    EXPECT_EQ(got.positions.back(), content.size());

    // Within one buffer too, and in memory.
    const std::string inBuffer = std::string(70'000, 'a') + "\nb\n";
    LineReader reader(inBuffer);
    std::string_view line;
    ASSERT_EQ(reader.next(line), LineReader::Status::Line);
    EXPECT_EQ(line.size(), LineReader::kMaxLine);
    EXPECT_TRUE(reader.cut());
    ASSERT_EQ(reader.next(line), LineReader::Status::Line);
    EXPECT_EQ(line, "b");
    EXPECT_FALSE(reader.cut());
}

TEST(LineReader, AFileWithoutLineEndsTakesBoundedMemory) {
    // 100 MB without a line end (a sparse file): only 64 KiB of it are kept. (The program
    // itself reads 2 GB under a memory limit in CommandLineTest.)
    TempDir dir;
    const std::string path = dir.file("huge.txt");
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::pwrite(fd, "1 2 3", 5, 0), 5);
    ASSERT_EQ(::ftruncate(fd, 100'000'000), 0);
    LineReader reader(fd, kNoLimit);
    std::string_view line;
    ASSERT_EQ(reader.next(line), LineReader::Status::Line);
    EXPECT_EQ(line.size(), LineReader::kMaxLine);
    EXPECT_EQ(line.substr(0, 5), "1 2 3");
    EXPECT_FALSE(reader.terminated());
    EXPECT_EQ(reader.position(), 100'000'000u);
    EXPECT_EQ(reader.next(line), LineReader::Status::End);
    ::close(fd);
}

TEST(LineReader, TellsWhetherTheLastLineEnded) {
    LineReader reader(std::string_view("a\nb"));
    std::string_view line;
    ASSERT_EQ(reader.next(line), LineReader::Status::Line);
    EXPECT_TRUE(reader.terminated());
    ASSERT_EQ(reader.next(line), LineReader::Status::Line);
    EXPECT_EQ(line, "b");
    EXPECT_FALSE(reader.terminated());
}

TEST(LineReader, ShowsTheHeadWithoutConsumingIt) {
    TempDir dir;
    std::string content = std::string("\xEF\xBB\xBF"
                                      "first\n") +
                          std::string(100'000, 'z') + "\nlast";
    const int fd = ::open(dir.write("f.txt", content).c_str(), O_RDONLY);
    LineReader reader(fd, kNoLimit);
    std::string_view head;
    ASSERT_TRUE(reader.head(head));
    EXPECT_EQ(head.size(), LineReader::kHeadSize);
    EXPECT_EQ(head.substr(0, 8), "\xEF\xBB\xBF"
                                 "first");
    EXPECT_EQ(reader.bytesRead(), LineReader::kHeadSize) << "one read of 64 KiB";
    reader.setUnits(TextUnits::Bytes, 3);
    std::string_view line;
    ASSERT_EQ(reader.next(line), LineReader::Status::Line);
    EXPECT_EQ(line, "first");
    ASSERT_EQ(reader.next(line), LineReader::Status::Line);
    EXPECT_EQ(line.size(), LineReader::kMaxLine);
    ASSERT_EQ(reader.next(line), LineReader::Status::Line);
    EXPECT_EQ(line, "last");
    ::close(fd);
}

TEST(LineReader, SplitsUtf16LinesAtTheirOwnLineFeeds) {
    // "a\u010A" then CR LF, "b": the byte 0x0A inside U+010A is no line end.
    const std::string le("\xFF\xFE"
                         "a\0\x0A\x01\r\0\n\0b\0",
                         12);
    LineReader reader(le);
    reader.setUnits(TextUnits::Utf16LE, 2);
    std::string_view line;
    ASSERT_EQ(reader.next(line), LineReader::Status::Line);
    EXPECT_EQ(line, std::string_view("a\0\x0A\x01", 4));
    ASSERT_EQ(reader.next(line), LineReader::Status::Line);
    EXPECT_EQ(line, std::string_view("b\0", 2));
    EXPECT_EQ(reader.next(line), LineReader::Status::End);

    const std::string be("\xFE\xFF\0a\x0A\0\0\n\0b", 10);
    LineReader big(be);
    big.setUnits(TextUnits::Utf16BE, 2);
    ASSERT_EQ(big.next(line), LineReader::Status::Line);
    EXPECT_EQ(line, std::string_view("\0a\x0A\0", 4));
    ASSERT_EQ(big.next(line), LineReader::Status::Line);
    EXPECT_EQ(line, std::string_view("\0b", 2));
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
    EXPECT_EQ(reader.error(), (IoError{IoStep::Read, EISDIR, {}}));
    ::close(fd);
}

} // namespace

namespace {

TEST(LineReader, StartsAtAnOffsetAndRemembersTheBytesJustRead) {
    TempDir dir;
    std::string content;
    for (int i = 0; i < 40'000; ++i)
        content += std::to_string(i) + "\n"; // about 230 KB: past one filling of the buffer
    const int fd = ::open(dir.write("f.txt", content).c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    const std::uint64_t start = content.find("30000\n");
    LineReader reader(fd, kNoLimit, start);
    std::string_view line;
    ASSERT_EQ(reader.next(line), LineReader::Status::Line);
    EXPECT_EQ(line, "30000");
    EXPECT_EQ(reader.position(), start + 6);
    while (reader.next(line) == LineReader::Status::Line) {
    }
    EXPECT_EQ(line, "39999");
    std::string bytes;
    ASSERT_TRUE(reader.recent(content.size(), 4096, bytes));
    EXPECT_EQ(bytes, content.substr(content.size() - 4096));
    EXPECT_FALSE(reader.recent(start, 10, bytes)) << "long gone from the buffer";
    ::close(fd);
}

// Even within one line that never ends, every filling of the buffer looks at the stop: the
// writer sets it more than a buffer's worth of bytes before the line would end.
TEST(LineReader, AStopEndsTheReadingAtTheNextFillingOfTheBuffer) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    std::atomic<bool> stop = false;
    std::thread writer([&] {
        const std::string chunk(512 * 1024, 'x');
        ::signal(SIGPIPE, SIG_IGN);
        [[maybe_unused]] ssize_t written = ::write(ends[1], chunk.data(), chunk.size());
        stop = true;
        written = ::write(ends[1], chunk.data(), chunk.size());
        written = ::write(ends[1], "\n", 1);
        ::close(ends[1]);
    });
    LineReader reader(ends[0], kNoLimit);
    reader.setStop(&stop);
    std::string_view line;
    EXPECT_EQ(reader.next(line), LineReader::Status::Error);
    EXPECT_TRUE(reader.stopped());
    EXPECT_FALSE(reader.error());
    ::close(ends[0]);
    writer.join();
}

} // namespace
