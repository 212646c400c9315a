#pragma once

#include "ChunkScanner.h"
#include "LineReader.h"
#include "PlainReader.h"
#include "Reader.h"
#include "ReaderState.h"

#include "measurement/io/IoError.h"

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <optional>

// A whole read of a large text file on several threads: stretches of its bytes are scanned
// for their lines' numbers on threads of their own, a few ahead, while the lines are read in
// the file's order, each scan standing in for the work it did, so the rows and the reader's
// state are those of a read on one thread, bit for bit.

// How many threads a whole read may use: the machine's cores (at most kMostReadThreads) unless
// set.
inline constexpr unsigned kMostReadThreads = 32;
unsigned WholeReadThreads();
void SetWholeReadThreads(unsigned threads);

// Files from this many bytes on are read on several threads.
inline constexpr std::uint64_t kParallelReadFrom = 16 << 20;
// The bytes scanned at a time: enough that handing them over costs nothing, few enough that
// they are still in the cache when read.
inline constexpr std::uint64_t kParallelWindow = 64 << 10;

// Whether a table row scanned at `shape` reads the same at `state`.
bool SameTableShape(const ReaderState& shape, const ReaderState& state);

// Reads a stretch's lines in order from `state`, as ReadLine would. False once the table's
// shape is no longer the one scanned for.
template <typename Sink>
bool ReadScannedLines(const ScannedChunk& chunk, const ReaderState& shape, ReaderState& state,
                      Sink& sink) {
    if (state.format == Format::Plain) {
        // Reading on several threads starts after the first row, so the reader is past the
        // header and never looks at a line's text again.
        for (std::uint32_t i = 0; i < chunk.lines; ++i) {
            ++state.lines;
            const int numbers = chunk.numbers[i];
            // Written out, not copy_n: a copy of a counted length is a call per line.
            for (int n = 0; n < 3; ++n)
                state.carried[n] = n < numbers ? chunk.plain[i].value[n] : state.carried[n];
            TakePlainNumbers(state, {}, numbers, sink);
        }
        return true;
    }
    bool shaped = SameTableShape(shape, state);
    for (std::uint32_t i = 0; i < chunk.lines; ++i) {
        const std::string_view line = chunk.line(i);
        if (chunk.numbers[i] != 0 && shaped && TakesTableRow(state, line)) {
            ++state.lines;
            state.sawDecimalComma = state.sawDecimalComma || chunk.sawComma[i];
            SendTableValues(state, chunk.row[i], sink);
        } else {
            ReadLine(state, line, sink);
            shaped = SameTableShape(shape, state);
        }
    }
    return shaped;
}

// Reads the whole lines of `reader` from where it stands to `length` a window at a time, and
// leaves it after them, or before a line too long to be scanned. False, with why in `error` or
// `stopped`, when a read failed or was stopped.
template <typename Sink>
bool ReadLinesInParallel(LineReader& reader, std::uint64_t length, unsigned threads,
                         std::uint64_t chunkBytes, ReaderState& state, Sink& sink,
                         std::optional<IoError>& error, bool& stopped) {
    std::uint64_t at = reader.position();
    for (bool reshaped = true; reshaped && at < length;) {
        reshaped = false;
        const ReaderState shape = state;
        ChunkScanner scanner(reader, at, length, shape, threads, chunkBytes);
        while (const ScannedChunk* chunk = scanner.next()) {
            if (const std::atomic<bool>* stop = reader.stopFlag();
                stop != nullptr && stop->load(std::memory_order_relaxed)) {
                stopped = true;
                return false;
            }
            if (chunk->error != 0) {
                errno = chunk->error;
                error = IoErrorFromErrno(IoStep::Read);
                return false;
            }
            // A table whose columns change is scanned on with its new shape.
            reshaped = !ReadScannedLines(*chunk, shape, state, sink);
            if (chunk->lines > 0 || chunk->endsEarly)
                at = chunk->end;
            if (chunk->endsEarly || reshaped)
                break;
        }
    }
    reader.jumpTo(at);
    return true;
}
