#pragma once

#include "ReadResult.h"
#include "measurement/MeasurementFile.h"
#include "model/SeriesBuilder.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

// All that the reads of one file have taken in so far, enough to go on reading where they
// ended once the file has grown: the points as thinned, the running extents, the reader's
// state after the last line read and where the next line begins.
struct ReadProgress {
    ReadProgress() = default;
    ReadProgress(const ReadProgress&) = delete;
    ReadProgress& operator=(const ReadProgress&) = delete;

    SeriesBuilder series;
    // What was handed out last, and of how many rows: made again only when rows were added.
    SeriesSnapshot madeSeries;
    std::int64_t madeOfRows = -1;
    // Set once the format was told from the head.
    bool begun = false;
    Detection detection;
    ReaderState state;
    std::uint64_t offset = 0;  // where the first line not read yet begins
    bool lastLineOpen = false; // the last line read had no line end
    bool cutShort = false;     // the file shrank while it was read

    // What the file was when it was read: which file, its size, the bytes at its start (at
    // most kWindow of them, and whether the format was told from all of the file) and the
    // kWindow bytes before `offset`, as they were read.
    static constexpr std::size_t kWindow = 4 * 1024;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::string head;
    bool headWasWholeFile = false;
    std::string tail;
};

// How many bytes before `offset` the tail window keeps: kWindow, or fewer where the file
// starts or where bytes begin that its writer rewrites while it grows.
std::uint64_t TailWindow(const ReadProgress& progress);

// Opens the file at `path` for a read into `result`: when it is no readable regular file,
// nothing is returned and `result` says so (not found, or the failure to measure it).
MeasurementFile OpenForReading(const std::string& path, ReadResult& result);

// Reads the lines of `file` that follow what `progress` took in (from the start, telling the
// format from the head, when it has begun nothing), then puts the points taken in so far into
// `result`, or the failure or stop that ended the read, and closes the file. After a failure
// or a stop `progress` is not fit to go on from.
void ReadInto(MeasurementFile& file, ReadProgress& progress, const ReadOptions& options,
              const std::atomic<bool>* stop, ReadResult& result);
