#pragma once

#include "LineReader.h"
#include "Reader.h"
#include "ReaderState.h"
#include "Table.h"

#include "measurement/io/IoError.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A whole read of a large text file on several threads: its bytes are taken a window at a
// time, split at line ends, and each part's lines scanned for their numbers on a thread of
// its own; then the lines are read in the file's order, each scan standing in for the work it
// did, so the rows and the reader's state are those of a read on one thread, bit for bit.

// How many threads a whole read may use: the machine's cores (at most kMostReadThreads) unless
// set.
inline constexpr unsigned kMostReadThreads = 32;
unsigned WholeReadThreads();
void SetWholeReadThreads(unsigned threads);

// Files from this many bytes on are read on several threads.
inline constexpr std::uint64_t kParallelReadFrom = 16 << 20;
// The bytes a thread scans at a time: enough that starting the threads costs nothing, few
// enough to bound the memory.
inline constexpr std::uint64_t kParallelWindow = 512 << 10;

// One line of a window and its numbers, scanned before it is read.
struct ScannedLine {
    // Left unset, as a reader leaves the values it does not read: a window holds many.
    ScannedLine() {}
    std::uint32_t begin, length; // within the window's bytes, without the line end
    std::int8_t numbers;         // plain: how many were read; a table: 1 for a row
    bool sawComma;               // a table row had a number with a decimal comma
    RowValues values;            // plain: the first three
};

// The length of the mark a part's lines end with early: before a line too long to be scanned,
// or after kPartLines lines, which bound a window's memory whatever its lines' lengths.
inline constexpr std::uint32_t kLongLine = UINT32_MAX;
inline constexpr std::uint32_t kPartFull = UINT32_MAX - 1;
inline constexpr std::size_t kPartLines = 1 << 16;

// Whole lines of the file and their scans, a part a thread, in the file's order.
struct ScannedWindow {
    std::string bytes;
    std::vector<std::vector<ScannedLine>> parts;
    std::uint64_t end = 0; // the offset after the last line taken
    bool longLine = false; // it ends before a line too long to be scanned
};

// Reads the bytes of `reader` from `from` up to `upto` and scans their whole lines, as the
// reader at `shape` reads them, on `threads` threads. A part's early end ends the window.
// False on a read error, left in errno.
bool ScanWindow(const LineReader& reader, std::uint64_t from, std::uint64_t upto,
                const ReaderState& shape, unsigned threads, ScannedWindow& window);

// Whether a table row scanned at `shape` reads the same at `state`.
bool SameTableShape(const ReaderState& shape, const ReaderState& state);

// Reads the window's lines in order from `state`, as ReadLine would.
template <typename Sink>
void ReadScannedLines(const ScannedWindow& window, const ReaderState& shape, ReaderState& state,
                      Sink& sink) {
    const bool plain = state.format == Format::Plain;
    bool shaped = SameTableShape(shape, state);
    for (const std::vector<ScannedLine>& part : window.parts)
        for (const ScannedLine& scanned : part) {
            if (scanned.length >= kPartFull)
                return;
            const std::string_view line(window.bytes.data() + scanned.begin, scanned.length);
            if (plain) {
                ++state.lines;
                // Written out, not copy_n: a copy of a counted length is a call per line.
                for (int i = 0; i < 3; ++i)
                    state.carried[i] =
                        i < scanned.numbers ? scanned.values.value[i] : state.carried[i];
                TakePlainNumbers(state, line, scanned.numbers, sink);
            } else if (scanned.numbers != 0 && shaped && TakesTableRow(state, line)) {
                ++state.lines;
                state.sawDecimalComma = state.sawDecimalComma || scanned.sawComma;
                SendTableValues(state, scanned.values, sink);
            } else {
                ReadLine(state, line, sink);
                shaped = SameTableShape(shape, state);
            }
        }
}

// Reads the whole lines of `reader` from where it stands to `length` a window at a time, and
// leaves it after them, or before a line too long to be scanned. False, with why in `error` or
// `stopped`, when a read failed or was stopped.
template <typename Sink>
bool ReadLinesInParallel(LineReader& reader, std::uint64_t length, unsigned threads,
                         std::uint64_t windowPerThread, ReaderState& state, Sink& sink,
                         std::optional<IoError>& error, bool& stopped) {
    const std::uint64_t windowSize = threads * std::max<std::uint64_t>(windowPerThread, 1);
    ScannedWindow window;
    std::uint64_t at = reader.position();
    while (at < length) {
        if (const std::atomic<bool>* stop = reader.stopFlag();
            stop != nullptr && stop->load(std::memory_order_relaxed)) {
            stopped = true;
            return false;
        }
        const ReaderState shape = state;
        if (!ScanWindow(reader, at, std::min(length, at + windowSize), shape, threads, window)) {
            error = IoErrorFromErrno(IoStep::Read);
            return false;
        }
        if (window.end == at)
            break;
        ReadScannedLines(window, shape, state, sink);
        at = window.end;
        if (window.longLine)
            break;
    }
    reader.jumpTo(at);
    return true;
}
