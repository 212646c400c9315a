#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Reads the lines of an open file in order, as a text-mode stream delivers them: a line ends
// at LF, a CR right before the LF is dropped, a CR elsewhere stays, and the last line needs
// no LF. A line of any length comes whole. Memory grows with the longest line, never with
// the number of lines.
class LineReader {
  public:
    enum class Status { Line, End, Error };

    // Reads at most `limit` bytes of `fd`; what lies beyond counts as the end of the file.
    LineReader(int fd, std::uint64_t limit);

    // The next line, valid until the next call. End when nothing is left; Error with the
    // system's error number in error().
    Status next(std::string_view& line);
    // Offset of the first byte not yet delivered.
    std::uint64_t position() const { return position_; }
    int error() const { return error_; }

  private:
    bool fill();

    int fd_;
    std::uint64_t limit_;
    std::uint64_t bytesRead_ = 0;
    std::uint64_t position_ = 0;
    std::vector<char> buffer_;
    size_t begin_ = 0, end_ = 0;
    bool atEnd_ = false;
    std::string longLine_;
    int error_ = 0;
};
