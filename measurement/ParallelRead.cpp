#include "ParallelRead.h"

#include "NumberScanner.h"

#include <atomic>
#include <cstring>
#include <system_error>
#include <thread>

namespace {

std::atomic<unsigned> readThreads{0};

// Scans the lines of `bytes` (which end with a line end) from `begin` to `end`, stopping
// before a line too long to be read whole.
void scanLines(std::string_view bytes, std::size_t begin, std::size_t end, char lineEnd,
               const ReaderState& shape, std::vector<ScannedLine>& lines) {
    lines.clear();
    lines.reserve(std::min(kPartLines + 1, (end - begin) / 8));
    const bool plain = shape.format == Format::Plain;
    while (begin < end) {
        const auto* at =
            static_cast<const char*>(std::memchr(bytes.data() + begin, lineEnd, end - begin));
        const auto raw = static_cast<std::size_t>(at - bytes.data()) - begin;
        ScannedLine& line = lines.emplace_back();
        line.begin = static_cast<std::uint32_t>(begin);
        if (raw > LineReader::kMaxLine || lines.size() > kPartLines) {
            line.length = raw > LineReader::kMaxLine ? kLongLine : kPartFull;
            return;
        }
        // As LineReader hands a line out: a CR right before its end dropped.
        line.length = static_cast<std::uint32_t>(raw - (raw > 0 && bytes[begin + raw - 1] == '\r'));
        const std::string_view text = bytes.substr(begin, line.length);
        if (plain) {
            double numbers[3] = {};
            line.numbers = static_cast<std::int8_t>(ScanThreeNumbers(text, numbers));
            // All three, whatever was read: a fixed copy, not a call per line.
            std::copy(numbers, numbers + 3, line.values.value);
        } else {
            line.sawComma = false;
            line.numbers = ReadTableRow(text, shape.separator, shape.decimalComma, shape.columns,
                                        line.values, line.sawComma);
        }
        begin += raw + 1;
    }
}

} // namespace

unsigned WholeReadThreads() {
    const unsigned set = readThreads.load(std::memory_order_relaxed);
    return set != 0 ? set : std::clamp(std::thread::hardware_concurrency(), 1u, kMostReadThreads);
}

void SetWholeReadThreads(unsigned threads) {
    readThreads.store(threads, std::memory_order_relaxed);
}

bool SameTableShape(const ReaderState& shape, const ReaderState& state) {
    return shape.format == state.format && shape.separator == state.separator &&
           shape.decimalComma == state.decimalComma &&
           std::memcmp(&shape.columns, &state.columns, sizeof shape.columns) == 0;
}

bool ScanWindow(const LineReader& reader, std::uint64_t from, std::uint64_t upto,
                const ReaderState& shape, unsigned threads, ScannedWindow& window) {
    window.end = from;
    if (!reader.bytesAt(from, static_cast<std::size_t>(upto - from), window.bytes))
        return false;
    const char lineEnd = reader.lineEnd();
    const std::size_t whole = window.bytes.rfind(lineEnd) + 1; // 0 without a line end
    const std::string_view bytes(window.bytes.data(), whole);
    // Each part ends at a line end.
    std::vector<std::size_t> bounds{0};
    for (unsigned t = 1; t < threads; ++t) {
        const std::size_t at = std::max(bounds.back(), whole / threads * t);
        const std::size_t end = at < whole ? bytes.find(lineEnd, at) + 1 : whole;
        bounds.push_back(end);
    }
    bounds.push_back(whole);
    window.parts.resize(threads);
    std::vector<std::thread> workers;
    for (unsigned t = 1; t < threads; ++t) {
        const auto scan = [&, t] {
            scanLines(bytes, bounds[t], bounds[t + 1], lineEnd, shape, window.parts[t]);
        };
        try {
            workers.emplace_back(scan);
        } catch (const std::system_error&) {
            scan(); // no thread to be had: this one does the part
        }
    }
    scanLines(bytes, bounds[0], bounds[1], lineEnd, shape, window.parts[0]);
    for (std::thread& worker : workers)
        worker.join();
    window.end = from + whole;
    window.longLine = false;
    for (const std::vector<ScannedLine>& part : window.parts)
        if (!part.empty() && part.back().length >= kPartFull) {
            window.end = from + part.back().begin;
            window.longLine = part.back().length == kLongLine;
            break;
        }
    return true;
}
