#include "WholeFileReaders.h"

namespace {
// Sessions of many measurements reach megabytes; beyond this the file is not one of these.
constexpr std::uint64_t kLargestWholeFile = 64ull * 1024 * 1024;
} // namespace

bool ReadAllBytes(const LineReader& reader, std::uint64_t length, std::string& bytes,
                  ReadOutcome& outcome) {
    if (length > kLargestWholeFile) {
        outcome.state.refusal = Refusal::TooLarge;
        outcome.state.refusalDetail = kLargestWholeFile >> 20;
        return false;
    }
    if (!reader.bytesAt(0, static_cast<std::size_t>(length), bytes)) {
        outcome.error = IoErrorFromErrno(IoStep::Read);
        return false;
    }
    return true;
}
