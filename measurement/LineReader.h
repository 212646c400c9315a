#pragma once

#include "measurement/io/IoError.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How a text's characters are laid out in its bytes, as far as finding line ends goes: one
// byte a unit (ASCII, UTF-8, cp1252), or UTF-16 in either byte order.
enum class TextUnits : std::uint8_t { Bytes, Utf16LE, Utf16BE };

// Reads the lines of an open file (or of bytes in memory) in order, as a text-mode stream
// delivers them: a line ends at LF, a CR right before the LF is dropped, a CR elsewhere stays,
// and the last line needs no LF. A text of old Mac line ends has its lines end at CR instead. Lines
// come as the file's own bytes (for UTF-16, its 2-byte units). Only the first kMaxLine bytes of a
// line are kept; the rest of it is skipped without being stored, so memory never grows with the
// file or with its longest line.
class LineReader {
  public:
    enum class Status { Line, End, Error };

    // Bytes of one line kept for the caller.
    static constexpr std::size_t kMaxLine = 64 * 1024;
    // Bytes of the file's start that head() reads and shows.
    static constexpr std::size_t kHeadSize = 64 * 1024;

    // Reads `fd` from offset `start` (a line's first byte) up to offset `limit`; what lies
    // beyond counts as the end of the file. Offsets and positions count from the file's start.
    LineReader(int fd, std::uint64_t limit, std::uint64_t start = 0);
    // Reads `bytes`, which must outlive the reader.
    explicit LineReader(std::string_view bytes);

    // The first bytes, at most kHeadSize, read before any line and not consumed: the only
    // look at the content a caller needs to tell its encoding and format. False on a read
    // error. Call it before next(), or not at all.
    bool head(std::string_view& bytes);
    // From now on lines are made of `units` and end at `lineEnd` (LF or CR), and the first
    // `skip` bytes (a byte-order mark within the head) are passed over. Call it after head()
    // and before next().
    void setUnits(TextUnits units, std::size_t skip, char lineEnd = '\n');

    // The next line, valid until the next call. End when nothing is left; Error with the
    // failed step in error() (its path left to the caller, who knows it), or stopped().
    Status next(std::string_view& line) {
        // Most lines are bytes that lie whole in the buffer: handed out in place, inline.
        if (units_ == TextUnits::Bytes && begin_ != end_) [[likely]] {
            const char* start = data_ + begin_;
            const std::size_t look = end_ - begin_ < kMaxLine + 1 ? end_ - begin_ : kMaxLine + 1;
            if (const auto* lf = static_cast<const char*>(std::memchr(start, lineEnd_, look))) {
                const auto length = static_cast<std::size_t>(lf - start);
                begin_ += length + 1;
                position_ += length + 1;
                terminated_ = true;
                cut_ = false;
                line = std::string_view(start, length - (length > 0 && start[length - 1] == '\r'));
                return Status::Line;
            }
        }
        return nextGathered(line);
    }
    // The next `count` bytes as they stand, for a file of fixed-size records: views into the
    // buffer where they lie in it, gathered otherwise. End, consuming what was there, when
    // fewer than `count` are left.
    Status nextBytes(std::size_t count, std::string_view& bytes);
    // Passes over the next `count` bytes without keeping them. End when fewer are left.
    Status skip(std::uint64_t count);
    // The bytes at `offset`, read apart from the lines and leaving them alone (fewer where
    // the limit comes first). False on a read error, left in errno.
    bool bytesAt(std::uint64_t offset, std::size_t count, std::string& bytes) const;
    // From now on every read from the file first looks at `stop` (nullptr: never): once it is
    // set, the read ends with Error and stopped(), also within a line without line end.
    void setStop(const std::atomic<bool>* stop) { stop_ = stop; }
    const std::atomic<bool>* stopFlag() const { return stop_; }
    bool stopped() const { return stopped_; }
    // Goes on from `position` (a line's first byte at or after position()), the bytes between
    // passed over unread: their lines were taken some other way.
    void jumpTo(std::uint64_t position);
    // The byte lines end at.
    char lineEnd() const { return lineEnd_; }
    // The `count` bytes before offset `end`, when they are still in the buffer (or in what it
    // kept of its previous filling): what was read, not what the file holds now.
    bool recent(std::uint64_t end, std::size_t count, std::string& bytes) const;
    // The bytes just before the start, as an earlier reading saw them, so that recent() can
    // reach back past it. Call it before next().
    void setBytesBefore(std::string_view bytes) { previousTail_.assign(bytes); }
    // Whether the line last delivered ended with LF (a last line without one may still be
    // being written).
    bool terminated() const { return terminated_; }
    // Whether the line last delivered was longer than kMaxLine, and so cut.
    bool cut() const { return cut_; }
    // Offset of the first byte not yet delivered.
    std::uint64_t position() const { return position_; }
    // Bytes read from the file so far.
    std::uint64_t bytesRead() const { return bytesRead_; }
    const std::optional<IoError>& error() const { return error_; }

  private:
    // next() for a line that runs over the buffer's end, or of UTF-16 units.
    Status nextGathered(std::string_view& line);
    bool fill(std::size_t wanted);
    // Offset from begin_ of the first UTF-16 line end, or npos.
    std::size_t findUnitLineEnd() const;
    std::size_t unitSize() const { return units_ == TextUnits::Bytes ? 1 : 2; }

    int fd_ = -1;
    std::uint64_t limit_ = 0;
    std::uint64_t start_ = 0;
    std::uint64_t bytesRead_ = 0;
    std::uint64_t position_ = 0;
    std::vector<char> buffer_;
    const char* data_ = nullptr; // buffer_'s bytes, or the bytes in memory
    std::size_t begin_ = 0, end_ = 0;
    bool atEnd_ = false;
    bool headRead_ = false;
    TextUnits units_ = TextUnits::Bytes;
    char lineEnd_ = '\n';
    std::string longLine_;
    // The last bytes of the buffer's previous filling, which ended where the buffer starts.
    std::string previousTail_;
    const std::atomic<bool>* stop_ = nullptr;
    bool stopped_ = false;
    bool terminated_ = false;
    bool cut_ = false;
    std::optional<IoError> error_;
};
