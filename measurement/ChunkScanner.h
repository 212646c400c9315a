#pragma once

#include "LineReader.h"
#include "ReaderState.h"
#include "Table.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

// The lines that start in one stretch of a file, each scanned for its numbers as the reader at
// a given shape would: what a reader on one thread still has to do with them is cheap.
struct ScannedChunk {
    std::string bytes;                // from a line's start to the end of the last line taken
    std::uint64_t offset = 0;         // of bytes[0] in the file
    std::uint64_t end = 0;            // in the file, after the last line taken
    std::uint32_t lines = 0;          // how many were taken
    int error = 0;                    // errno of a failed read; then no line is taken
    bool endsEarly = false;           // before a line too long to scan, or one with no end yet
    bool longLine = false;            // the line it ends before is too long to scan
    std::vector<std::int8_t> numbers; // plain: how many were read; a table: 1 for a row
    struct Three {
        double value[3];
    };
    std::vector<Three> plain; // plain: the first three of each line
    // Tables only: where each line lies in `bytes` (without its line end), whether a number
    // had a decimal comma, and the row's values.
    std::vector<std::uint32_t> begin, length;
    std::vector<bool> sawComma;
    std::vector<RowValues> row;

    std::string_view line(std::uint32_t i) const { return {bytes.data() + begin[i], length[i]}; }
};

// Scans the stretches of `chunkBytes` bytes of a file in order on worker threads, a few ahead
// of the caller, who helps while it waits; each is handed out once scanned, in the file's
// order. Its memory is bounded by the stretches in flight, whatever the file's size.
class ChunkScanner {
  public:
    // Scans the whole lines of `reader` from `from`, a line's start, up to `length`, as the
    // reader at `shape` reads them, with `threads` threads in all, the caller's included.
    ChunkScanner(const LineReader& reader, std::uint64_t from, std::uint64_t length,
                 const ReaderState& shape, unsigned threads, std::uint64_t chunkBytes);
    ~ChunkScanner();
    ChunkScanner(const ChunkScanner&) = delete;
    ChunkScanner& operator=(const ChunkScanner&) = delete;

    // The next stretch, scanned; the one handed out before is done with. Null after the last.
    const ScannedChunk* next();

  private:
    struct Slot {
        std::atomic<std::uint64_t> ready{UINT64_MAX}; // the stretch scanned into it
        ScannedChunk chunk;
    };

    void work();
    bool claimAhead(std::uint64_t& index); // a stretch within reach, or false
    void scan(std::uint64_t index);

    const LineReader& reader_;
    const std::uint64_t from_, length_, chunkBytes_, count_;
    const ReaderState shape_;
    std::vector<std::unique_ptr<Slot>> slots_;
    std::atomic<std::uint64_t> claimed_{0};   // stretches given to a thread to scan
    std::atomic<std::uint64_t> handedOut_{0}; // stretches the caller has been given
    std::atomic<bool> quit_{false};
    std::vector<std::thread> workers_;
};
