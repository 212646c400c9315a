#pragma once

#include "Encoding.h"
#include "Format.h"
#include "LineReader.h"
#include "ParallelRead.h"
#include "Reader.h"
#include "measurement/io/FileDescriptor.h"
#include "measurement/io/IoError.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

// A measurement file opened for one reading, or why it was not.
struct MeasurementFile {
    FileDescriptor fd;
    std::string path;
    std::uint64_t size = 0; // measured once, right after opening
    // Which file it is, whatever its path now names.
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    // Why it is not open: examining the path (its type or existence), opening it, or
    // measuring it after opening failed.
    std::optional<IoError> error;

    explicit operator bool() const { return static_cast<bool>(fd); }
};

// Opens a measurement file for reading only, with no lock, without waiting for a writer.
// Only regular files: the path's type is tested before opening, so a FIFO, a device or a
// directory is never opened (a writer waiting on a FIFO is never disturbed), and again after
// opening, by the one fstat that also measures the size.
MeasurementFile OpenMeasurementFile(const std::string& path);

// How far a read may run past the length measured at opening: a line that straddles it may
// go on while an instrument appends to it; beyond that it is cut, so every read ends.
inline constexpr std::uint64_t kLastLineSlack = 64 * 1024;

// The limit of a LineReader over a file measured at `size` bytes.
inline std::uint64_t ReadLimit(std::uint64_t size) {
    return size > std::numeric_limits<std::uint64_t>::max() - kLastLineSlack
               ? size
               : size + kLastLineSlack;
}

// How to read the file's last line if it has no line end.
struct ReadOptions {
    // Hold it back when the file is growing: its size differs from the size the previous
    // look at the same file saw (`sizeChanged`), or it grew while being read. Without
    // `watching` (one look at a file as it stands) it always counts.
    bool watching = false;
    bool sizeChanged = false;
    // A whole read of at least `parallelFrom` bytes parses on this many threads (0: as many
    // as WholeReadThreads says).
    unsigned threads = 0;
    std::uint64_t parallelFrom = kParallelReadFrom;
    std::uint64_t parallelWindow = kParallelWindow; // bytes a thread scans at a time
};

// What one reading found.
struct ReadOutcome {
    Detection detection;
    ReaderState state;            // after the last line read
    std::optional<IoError> error; // a failed read (without the path, which the caller knows)
    bool stopped = false;         // ended early because the reader's stop was set
    bool heldBack = false;        // a last line without line end was held back
    // Where the first line not read begins (a held-back line's start), and whether the last
    // line read had no line end (it may still go on).
    std::uint64_t resumeAt = 0;
    bool lastLineOpen = false;
    // Bytes at the end too few for a whole record, held back until the record is whole.
    std::uint64_t cutShort = 0;
};

// Reads a file of a binary or JSON format (not IsLineFormat) from where `outcome` stands:
// an .mpr's records that start before `length` and are whole, or a whole-file format once.
void ReadBinary(LineReader& reader, std::uint64_t length, RowSink& sink, ReadOutcome& outcome);

// Tells the format from the head of `reader` and readies it and `outcome` for the first
// line. False, with the error in `outcome`, when the head cannot be read.
bool BeginReading(LineReader& reader, ReadOutcome& outcome);

// Reads the lines of `reader` that start before `length` with the reader of the format
// `outcome` holds, from its state, which it leaves as it stands after the last line read.
template <typename Sink>
void ReadLines(LineReader& reader, std::uint64_t length, Sink& sink, const ReadOptions& options,
               ReadOutcome& outcome) {
    const TextUnits units = UnitsOf(outcome.detection.encoding.encoding);
    outcome.resumeAt = reader.position();
    // A refused file gives no points at all, whatever it holds.
    if (!outcome.detection.refusal.empty())
        return;
    if (!IsLineFormat(outcome.detection.format)) {
        ReadBinary(reader, length, sink, outcome);
        return;
    }
    // A whole read of a large file, once its first row has shown where its rows begin.
    const unsigned threads = options.threads != 0 ? options.threads : WholeReadThreads();
    bool parallel = units == TextUnits::Bytes && outcome.state.lines == 0 && threads > 1 &&
                    length - std::min(length, reader.position()) >= options.parallelFrom;
    std::string decoded;
    std::string_view line;
    while (reader.position() < length) {
        if (parallel && outcome.state.rows > 0) [[unlikely]] {
            parallel = false;
            if (!ReadLinesInParallel(reader, length, threads, options.parallelWindow, outcome.state,
                                     sink, outcome.error, outcome.stopped))
                break;
            outcome.resumeAt = reader.position();
            outcome.lastLineOpen = false;
            continue;
        }
        const LineReader::Status status = reader.next(line);
        if (status == LineReader::Status::End)
            break;
        if (status == LineReader::Status::Error) {
            outcome.stopped = reader.stopped();
            outcome.error = reader.error();
            break;
        }
        // A last line without line end may be half written while the file grows.
        if (!reader.terminated() && options.watching &&
            (options.sizeChanged || reader.bytesRead() > length)) {
            outcome.heldBack = true;
            break;
        }
        if (units != TextUnits::Bytes) [[unlikely]] {
            decoded.clear();
            AppendUtf8FromUtf16(line, units == TextUnits::Utf16BE, decoded);
            line = decoded;
        }
        // A row cut short at the end is no row, whether or not it will go on.
        if (!reader.terminated() &&
            FewerFieldsThanNamed(line, outcome.state.separator, outcome.state.columns)) {
            outcome.heldBack = true;
            break;
        }
        ReadLine(outcome.state, line, sink);
        outcome.resumeAt = reader.position();
        outcome.lastLineOpen = !reader.terminated();
    }
}

// Reads the lines of `reader` that start before `length`: tells the format from the head,
// then feeds every line to the format's reader, which sends its rows to `sink` (any
// RowSink; a final class of its own is called directly, without a virtual call).
template <typename Sink>
ReadOutcome ReadMeasurement(LineReader& reader, std::uint64_t length, Sink& sink,
                            const ReadOptions& options = {}) {
    ReadOutcome outcome;
    if (BeginReading(reader, outcome))
        ReadLines(reader, length, sink, options, outcome);
    return outcome;
}

// The same for a file's bytes in memory.
ReadOutcome ReadMeasurementBytes(std::string_view bytes, RowSink& sink);
