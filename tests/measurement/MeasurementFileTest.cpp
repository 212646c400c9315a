#include "measurement/MeasurementFile.h"
#include "tests/app/TempDir.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

namespace {

TEST(FileDescriptor, ClosesWhenItGoes) {
    int raw = -1;
    {
        FileDescriptor fd(::open("/dev/null", O_RDONLY));
        raw = fd.get();
        ASSERT_GE(raw, 0);
        FileDescriptor moved(std::move(fd));
        EXPECT_FALSE(fd);
        EXPECT_EQ(moved.get(), raw);
    }
    EXPECT_EQ(::fcntl(raw, F_GETFD), -1);
    EXPECT_EQ(errno, EBADF);

    FileDescriptor fd(::open("/dev/null", O_RDONLY));
    EXPECT_EQ(fd.close(), 0);
    EXPECT_FALSE(fd);
    EXPECT_EQ(fd.close(), 0) << "closing twice does nothing";
}

TEST(OpenMeasurementFile, OpensRegularFilesAndMeasuresThemOnce) {
    TempDir dir;
    const MeasurementFile file = OpenMeasurementFile(dir.write("m.txt", "1 2 3\n"));
    ASSERT_TRUE(file);
    EXPECT_EQ(file.size, 6u);
    EXPECT_FALSE(file.error);

    const MeasurementFile missing = OpenMeasurementFile(dir.file("none.txt"));
    EXPECT_FALSE(missing);
    EXPECT_EQ(missing.error, (IoError{IoStep::Examine, ENOENT, dir.file("none.txt")}));

    for (const std::string& path : {dir.file(""), std::string("/dev/null")}) {
        const MeasurementFile other = OpenMeasurementFile(path);
        EXPECT_FALSE(other) << path;
        EXPECT_EQ(other.error, (IoError{IoStep::Examine, 0, path})) << path;
    }
}

TEST(IoErrorText, NamesTheStepWhereCannotReadOrWriteDoesNot) {
    const std::string eio = std::strerror(EIO);
    const struct {
        IoError error;
        std::string words;
    } cases[] = {
        {{IoStep::Examine, 0, "d"}, "not a regular file"},
        {{IoStep::Open, EACCES, "m"}, std::strerror(EACCES)},
        {{IoStep::Read, EIO, "m"}, eio},
        {{IoStep::Write, ENOSPC, "o"}, std::strerror(ENOSPC)},
        {{IoStep::Measure, EIO, "m"}, "its length could not be measured (" + eio + ")"},
        {{IoStep::Close, EIO, "m"}, "it could not be closed (" + eio + ")"},
        {{IoStep::Sync, EIO, "o"}, "it could not be saved to the disk (" + eio + ")"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IoErrorText(c.error), c.words);
}

TEST(OpenMeasurementFile, NeverOpensAFifoSoItsWriterKeepsWaiting) {
    TempDir dir;
    const std::string fifo = dir.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // A writer that opens the FIFO waits until a reader opens it too.
    std::atomic<bool> writerOpened = false;
    std::thread writer([&] {
        const int fd = ::open(fifo.c_str(), O_WRONLY);
        writerOpened = true;
        if (fd >= 0)
            ::close(fd);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const MeasurementFile file = OpenMeasurementFile(fifo);
    EXPECT_FALSE(file);
    EXPECT_EQ(file.error, (IoError{IoStep::Examine, 0, fifo}));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(writerOpened) << "the writer was never released by a reader";
    // Let the writer go.
    const int reader = ::open(fifo.c_str(), O_RDONLY);
    writer.join();
    if (reader >= 0)
        ::close(reader);
}

TEST(ReadMeasurement, ReadsUtf16FilesLineByLine) {
    TempDir dir;
    // "f,Zre,Zim" CR LF "1,2,3" CR LF in UTF-16 BE with its byte-order mark.
    std::string text = "f,Zre,-Zim\r\n1,2,3\r\n4,5,6";
    std::string bytes = "\xFE\xFF";
    for (char c : text) {
        bytes += '\0';
        bytes += c;
    }
    const MeasurementFile file = OpenMeasurementFile(dir.write("m.csv", bytes));
    ASSERT_TRUE(file);
    LineReader reader(file.fd.get(), file.size);
    struct Sink final : RowSink {
        void OnRow(const Row& row) override { sum += row.frequency + row.real + row.negImag; }
        double sum = 0;
    } sink;
    const ReadOutcome outcome = ReadMeasurement(reader, file.size, sink);
    EXPECT_EQ(outcome.detection.format, Format::Csv);
    EXPECT_EQ(outcome.detection.encoding.encoding, TextEncoding::Utf16BE);
    EXPECT_EQ(outcome.state.rows, 2u);
    EXPECT_EQ(sink.sum, 21);
}

} // namespace
