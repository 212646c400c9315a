#include "ChunkScanner.h"

#include "NumberScanner.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <system_error>

namespace {
// A few stretches a thread may scan ahead of the caller: enough that no thread waits on
// another's stretch, few enough to bound the memory.
constexpr std::uint64_t kAheadPerThread = 3;
// Bytes read past a stretch's end for its last line, before reading on line by line.
constexpr std::uint64_t kTailBytes = 4096;
} // namespace

ChunkScanner::ChunkScanner(const LineReader& reader, std::uint64_t from, std::uint64_t length,
                           const ReaderState& shape, unsigned threads, std::uint64_t chunkBytes)
    : reader_(reader), from_(from), length_(std::max(length, from)),
      chunkBytes_(std::max<std::uint64_t>(chunkBytes, 1)),
      count_((length_ - from_ + chunkBytes_ - 1) / chunkBytes_), shape_(shape) {
    threads = std::max(threads, 1u);
    slots_.resize(kAheadPerThread * threads);
    for (std::unique_ptr<Slot>& slot : slots_)
        slot = std::make_unique<Slot>();
    for (unsigned t = 1; t < threads && t < count_; ++t) {
        try {
            workers_.emplace_back([this] { work(); });
        } catch (const std::system_error&) {
            break; // no thread to be had: the caller scans what the others would have
        }
    }
}

ChunkScanner::~ChunkScanner() {
    quit_.store(true);
    handedOut_.store(UINT64_MAX / 2);
    handedOut_.notify_all();
    for (std::thread& worker : workers_)
        worker.join();
}

const ScannedChunk* ChunkScanner::next() {
    const std::uint64_t index = handedOut_.load(std::memory_order_relaxed);
    if (index >= count_)
        return nullptr;
    Slot& slot = *slots_[index % slots_.size()];
    for (std::uint64_t ready = slot.ready.load(std::memory_order_acquire); ready != index;
         ready = slot.ready.load(std::memory_order_acquire)) {
        if (std::uint64_t ahead; claimAhead(ahead))
            scan(ahead);
        else
            slot.ready.wait(ready, std::memory_order_acquire);
    }
    // The one handed out before is done with: its slot may take a stretch further on.
    handedOut_.store(index + 1, std::memory_order_release);
    handedOut_.notify_all();
    return &slot.chunk;
}

bool ChunkScanner::claimAhead(std::uint64_t& index) {
    // A stretch's slot is free once the caller is past the stretch that used it before.
    const std::uint64_t reach = handedOut_.load(std::memory_order_acquire) + slots_.size() - 1;
    index = claimed_.load(std::memory_order_relaxed);
    while (index < count_ && index < reach)
        if (claimed_.compare_exchange_weak(index, index + 1, std::memory_order_relaxed))
            return true;
    return false;
}

void ChunkScanner::work() {
    while (!quit_.load(std::memory_order_relaxed)) {
        const std::uint64_t index = claimed_.fetch_add(1, std::memory_order_relaxed);
        if (index >= count_)
            return;
        for (std::uint64_t out = handedOut_.load(std::memory_order_acquire);
             index >= out + slots_.size() - 1; out = handedOut_.load(std::memory_order_acquire))
            handedOut_.wait(out, std::memory_order_acquire);
        if (quit_.load(std::memory_order_relaxed))
            return;
        scan(index);
    }
}

void ChunkScanner::scan(std::uint64_t index) {
    Slot& slot = *slots_[index % slots_.size()];
    ScannedChunk& chunk = slot.chunk;
    const bool plain = shape_.format == Format::Plain;
    const char lineEnd = reader_.lineEnd();
    chunk.lines = 0;
    chunk.error = 0;
    chunk.endsEarly = chunk.longLine = false;
    chunk.end = 0;
    chunk.numbers.clear();
    chunk.plain.clear();
    chunk.begin.clear();
    chunk.length.clear();
    chunk.sawComma.clear();
    chunk.row.clear();
    const auto ready = [&] {
        slot.ready.store(index, std::memory_order_release), slot.ready.notify_all();
    };

    // A line starts in this stretch right after a line end: the byte before it tells.
    const std::uint64_t start = from_ + index * chunkBytes_;
    const std::uint64_t stop = std::min(length_, start + chunkBytes_);
    chunk.offset = index == 0 ? start : start - 1;
    // Read over the bytes of the stretch before, without clearing them first.
    const auto read = [&](std::uint64_t at, std::uint64_t upto, std::string& into) {
        if (reader_.bytesAt(at, static_cast<std::size_t>(upto - at), into))
            return true;
        chunk.error = errno != 0 ? errno : EIO;
        return false;
    };
    if (!read(chunk.offset, std::min(length_, stop + std::min(kTailBytes, chunkBytes_)),
              chunk.bytes))
        return ready();
    std::size_t at = 0;
    if (index != 0) {
        const auto* first = static_cast<const char*>(
            std::memchr(chunk.bytes.data(), lineEnd,
                        std::min<std::size_t>(stop - chunk.offset, chunk.bytes.size())));
        if (first == nullptr)
            return ready(); // a line from before goes on through the whole stretch
        at = static_cast<std::size_t>(first - chunk.bytes.data()) + 1;
    }
    std::string more;
    while (chunk.offset + at < stop) {
        const char* lf = nullptr;
        while ((lf = static_cast<const char*>(std::memchr(chunk.bytes.data() + at, lineEnd,
                                                          chunk.bytes.size() - at))) == nullptr) {
            const std::uint64_t held = chunk.offset + chunk.bytes.size();
            const bool tooLong = chunk.bytes.size() - at > LineReader::kMaxLine;
            if (tooLong || held >= length_) {
                chunk.endsEarly = true;
                chunk.longLine = tooLong;
                chunk.end = chunk.offset + at;
                return ready();
            }
            const std::uint64_t further = std::max<std::uint64_t>(chunk.bytes.size() - at, 64);
            if (!read(held, std::min(length_, held + further), more))
                return ready();
            if (more.empty()) { // the file ended before its length: the line has no end yet
                chunk.endsEarly = true;
                chunk.end = chunk.offset + at;
                return ready();
            }
            chunk.bytes += more;
        }
        const auto raw = static_cast<std::size_t>(lf - chunk.bytes.data()) - at;
        if (raw > LineReader::kMaxLine) {
            chunk.endsEarly = chunk.longLine = true;
            chunk.end = chunk.offset + at;
            return ready();
        }
        // As LineReader hands a line out: a CR right before its end dropped.
        const auto length =
            static_cast<std::uint32_t>(raw - (raw > 0 && chunk.bytes[at + raw - 1] == '\r'));
        const std::string_view text(chunk.bytes.data() + at, length);
        if (plain) {
            ScannedChunk::Three& numbers = chunk.plain.emplace_back();
            numbers = {};
            chunk.numbers.push_back(
                static_cast<std::int8_t>(ScanThreeNumbers(text, numbers.value)));
        } else {
            bool sawComma = false;
            RowValues& values = chunk.row.emplace_back();
            chunk.numbers.push_back(ReadTableRow(text, shape_.separator, shape_.decimalComma,
                                                 shape_.columns, values, sawComma));
            chunk.sawComma.push_back(sawComma);
            chunk.begin.push_back(static_cast<std::uint32_t>(at));
            chunk.length.push_back(length);
        }
        ++chunk.lines;
        at += raw + 1;
    }
    chunk.end = chunk.offset + at;
    ready();
}
