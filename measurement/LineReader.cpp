#include "LineReader.h"

#include "measurement/io/ReadBytesAt.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {
constexpr std::size_t kBufferSize = 256 * 1024;
constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);
// Bytes of a buffer's filling kept when it is filled anew, for recent().
constexpr std::size_t kKeptTail = 4 * 1024;
} // namespace

LineReader::LineReader(int fd, std::uint64_t limit, std::uint64_t start)
    : fd_(fd), limit_(limit), start_(start), bytesRead_(start), position_(start),
      buffer_(kBufferSize), data_(buffer_.data()), headRead_(start != 0) {}

LineReader::LineReader(std::string_view bytes)
    : limit_(bytes.size()), bytesRead_(bytes.size()), data_(bytes.empty() ? "" : bytes.data()),
      end_(bytes.size()), atEnd_(true), headRead_(true) {}

bool LineReader::fill(std::size_t wanted) {
    if (fd_ < 0) { // bytes in memory: all of them are there from the start
        atEnd_ = true;
        return true;
    }
    if (stop_ != nullptr && stop_->load(std::memory_order_relaxed)) {
        stopped_ = true;
        return false;
    }
    if (bytesRead_ == start_ && start_ != 0 &&
        ::lseek(fd_, static_cast<off_t>(start_), SEEK_SET) < 0) {
        error_ = IoErrorFromErrno(IoStep::Seek);
        return false;
    }
    if (end_ >= kKeptTail) {
        previousTail_.assign(buffer_.data() + (end_ - kKeptTail), kKeptTail);
    } else {
        previousTail_.append(buffer_.data(), end_);
        if (previousTail_.size() > kKeptTail)
            previousTail_.erase(0, previousTail_.size() - kKeptTail);
    }
    begin_ = end_ = 0;
    const bool wholeHead = !headRead_;
    headRead_ = true;
    while (end_ < wanted && bytesRead_ < limit_) {
        const auto want =
            static_cast<std::size_t>(std::min<std::uint64_t>(wanted - end_, limit_ - bytesRead_));
        ssize_t got;
        do {
            got = ::read(fd_, buffer_.data() + end_, want);
        } while (got < 0 && errno == EINTR);
        if (got < 0) {
            error_ = IoErrorFromErrno(IoStep::Read);
            return false;
        }
        if (got == 0)
            break;
        end_ += static_cast<std::size_t>(got);
        bytesRead_ += static_cast<std::uint64_t>(got);
        // One read is enough, unless the head is being gathered or a UTF-16 unit was split
        // (then every fill but the last ends on a unit boundary).
        if (!wholeHead && (units_ == TextUnits::Bytes || end_ % 2 == 0))
            break;
    }
    atEnd_ = end_ == 0;
    return true;
}

bool LineReader::recent(std::uint64_t end, std::size_t count, std::string& bytes) const {
    // The buffer holds the offsets [bytesRead_ - end_, bytesRead_), the kept tail those just
    // before them.
    const std::uint64_t bufferStart = bytesRead_ - end_;
    const std::uint64_t keptStart = bufferStart - previousTail_.size();
    if (end > bytesRead_ || end < count || end - count < keptStart)
        return false;
    bytes.clear();
    const std::uint64_t from = end - count;
    if (from < bufferStart)
        bytes.append(previousTail_, static_cast<std::size_t>(from - keptStart),
                     static_cast<std::size_t>(std::min(end, bufferStart) - from));
    if (end > bufferStart) {
        const std::uint64_t inBuffer = std::max(from, bufferStart);
        bytes.append(data_ + (inBuffer - bufferStart), static_cast<std::size_t>(end - inBuffer));
    }
    return true;
}

bool LineReader::head(std::string_view& bytes) {
    if (!headRead_ && !fill(kHeadSize))
        return false;
    bytes = std::string_view(data_ + begin_, std::min(end_ - begin_, kHeadSize));
    return true;
}

void LineReader::setUnits(TextUnits units, std::size_t skip, char lineEnd) {
    units_ = units;
    lineEnd_ = lineEnd;
    skip = std::min(skip, end_ - begin_);
    begin_ += skip;
    position_ += skip;
}

std::size_t LineReader::findUnitLineEnd() const {
    const char* start = data_ + begin_;
    const std::size_t available = end_ - begin_;
    // A UTF-16 line end is the unit 0x000A (or 0x000D): its low byte comes first in
    // little-endian units, second in big-endian ones, and the other byte is 0. Units start at
    // even offsets from begin_.
    const std::size_t lfByte = units_ == TextUnits::Utf16LE ? 0 : 1;
    for (std::size_t from = 0; from < available;) {
        const auto* lf =
            static_cast<const char*>(std::memchr(start + from, lineEnd_, available - from));
        if (lf == nullptr)
            return kNotFound;
        const auto at = static_cast<std::size_t>(lf - start);
        if (at % 2 == lfByte) {
            const std::size_t unit = at - lfByte;
            if (unit + 1 < available && start[unit + 1 - lfByte] == 0)
                return unit;
        }
        from = at + 1;
    }
    return kNotFound;
}

LineReader::Status LineReader::nextGathered(std::string_view& line) {
    // Most lines lie inside the buffer and are handed out in place; one that runs over its
    // end is gathered in longLine_, at most kMaxLine bytes of it.
    bool gathering = false;
    bool cut = false;
    longLine_.clear();
    auto keep = [&](const char* bytes, std::size_t count) {
        const std::size_t room = kMaxLine - longLine_.size();
        longLine_.append(bytes, std::min(room, count));
        cut = cut || count > room;
    };
    for (;;) {
        if (begin_ == end_ && !atEnd_ && !fill(kBufferSize))
            return Status::Error;
        const char* start = data_ + begin_;
        const std::size_t available = end_ - begin_;
        std::size_t lineEnd;
        if (units_ == TextUnits::Bytes) [[likely]] {
            const auto* lf = static_cast<const char*>(std::memchr(start, lineEnd_, available));
            lineEnd = lf != nullptr ? static_cast<std::size_t>(lf - start) : kNotFound;
        } else {
            lineEnd = findUnitLineEnd();
        }
        if (lineEnd != kNotFound || atEnd_) {
            const bool found = lineEnd != kNotFound;
            std::size_t length = found ? lineEnd : available;
            const std::size_t consumed = found ? length + unitSize() : length;
            if (consumed == 0 && !gathering)
                return Status::End;
            begin_ += consumed;
            position_ += consumed;
            if (gathering) {
                keep(start, length);
                line = longLine_;
            } else {
                cut = length > kMaxLine;
                line = std::string_view(start, std::min(length, kMaxLine));
            }
            terminated_ = found;
            cut_ = cut;
            if (found && !cut) {
                // The CR of a CR LF pair.
                const std::size_t n = line.size();
                if (units_ == TextUnits::Bytes) {
                    if (n >= 1 && line[n - 1] == '\r')
                        line.remove_suffix(1);
                } else if (n >= 2 && line[n - 2] == (units_ == TextUnits::Utf16LE ? '\r' : 0) &&
                           line[n - 1] == (units_ == TextUnits::Utf16LE ? 0 : '\r')) {
                    line.remove_suffix(2);
                }
            }
            return Status::Line;
        }
        keep(start, available);
        position_ += available;
        begin_ = end_;
        gathering = true;
    }
}

LineReader::Status LineReader::nextBytes(std::size_t count, std::string_view& bytes) {
    if (end_ - begin_ >= count) [[likely]] {
        bytes = std::string_view(data_ + begin_, count);
        begin_ += count;
        position_ += count;
        return Status::Line;
    }
    longLine_.clear();
    for (;;) {
        const std::size_t take = std::min(end_ - begin_, count - longLine_.size());
        longLine_.append(data_ + begin_, take);
        begin_ += take;
        position_ += take;
        if (longLine_.size() == count) {
            bytes = longLine_;
            return Status::Line;
        }
        if (atEnd_)
            return Status::End;
        if (!fill(kBufferSize))
            return Status::Error;
    }
}

LineReader::Status LineReader::skip(std::uint64_t count) {
    for (;;) {
        const auto take = static_cast<std::size_t>(std::min<std::uint64_t>(end_ - begin_, count));
        begin_ += take;
        position_ += take;
        count -= take;
        if (count == 0)
            return Status::Line;
        if (atEnd_)
            return Status::End;
        if (!fill(kBufferSize))
            return Status::Error;
    }
}

bool LineReader::bytesAt(std::uint64_t offset, std::size_t count, std::string& bytes) const {
    // Sized by the read itself, so a buffer used again is not cleared first.
    if (offset >= limit_) {
        bytes.clear();
        return true;
    }
    count = static_cast<std::size_t>(std::min<std::uint64_t>(count, limit_ - offset));
    if (fd_ < 0) {
        bytes.assign(data_ + offset, count);
        return true;
    }
    return ReadBytesAt(fd_, offset, count, bytes);
}

void LineReader::jumpTo(std::uint64_t position) {
    if (position == position_)
        return;
    terminated_ = true;
    cut_ = false;
    if (fd_ < 0) {
        begin_ = static_cast<std::size_t>(position);
        position_ = position;
        return;
    }
    start_ = bytesRead_ = position_ = position;
    begin_ = end_ = 0;
    atEnd_ = false;
    previousTail_.clear();
}
