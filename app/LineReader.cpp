#include "LineReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {
constexpr size_t kBufferSize = 256 * 1024;
}

LineReader::LineReader(int fd, std::uint64_t limit)
    : fd_(fd), limit_(limit), buffer_(kBufferSize) {}

bool LineReader::fill() {
    begin_ = end_ = 0;
    if (bytesRead_ >= limit_) {
        atEnd_ = true;
        return true;
    }
    const auto wanted =
        static_cast<size_t>(std::min<std::uint64_t>(buffer_.size(), limit_ - bytesRead_));
    ssize_t got;
    do {
        got = ::read(fd_, buffer_.data(), wanted);
    } while (got < 0 && errno == EINTR);
    if (got < 0) {
        error_ = errno;
        return false;
    }
    atEnd_ = got == 0;
    end_ = static_cast<size_t>(got);
    bytesRead_ += static_cast<std::uint64_t>(got);
    return true;
}

LineReader::Status LineReader::next(std::string_view& line) {
    // Most lines lie inside the buffer and are handed out in place; one that runs over its
    // end is gathered in longLine_.
    bool gathering = false;
    longLine_.clear();
    for (;;) {
        if (begin_ == end_ && !atEnd_ && !fill())
            return Status::Error;
        const char* start = buffer_.data() + begin_;
        const size_t available = end_ - begin_;
        const auto* lf = static_cast<const char*>(std::memchr(start, '\n', available));
        if (lf != nullptr || atEnd_) {
            const size_t length = lf != nullptr ? static_cast<size_t>(lf - start) : available;
            const size_t consumed = lf != nullptr ? length + 1 : length;
            if (consumed == 0 && !gathering)
                return Status::End;
            begin_ += consumed;
            position_ += consumed;
            if (gathering) {
                longLine_.append(start, length);
                line = longLine_;
            } else {
                line = std::string_view(start, length);
            }
            if (lf != nullptr && !line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            return Status::Line;
        }
        longLine_.append(start, available);
        position_ += available;
        begin_ = end_;
        gathering = true;
    }
}
