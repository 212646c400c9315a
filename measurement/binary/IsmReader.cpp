#include "ByteOrder.h"
#include "WholeFileReaders.h"

#include <cmath>

// Big-endian throughout: after the 6-byte marker, N - 1 as a signed 48-bit number, then the
// arrays of N frequencies, magnitudes and phases (radians) as float64, N times, and N
// significances; metadata follows, which the points do not need.
void ReadIsmSamples(std::string_view bytes, RowSink& sink, ReaderState& state) {
    constexpr std::size_t kArrays = 12;
    if (bytes.size() < kArrays) {
        state.refusal = Refusal::ArraysPastEnd;
        return;
    }
    // Sign-extended from 48 bits.
    const auto last = static_cast<std::int64_t>(LoadBig(bytes.data() + 6, 6) << 16) >> 16;
    if (last < -1 || static_cast<std::uint64_t>(last + 1) > (bytes.size() - kArrays) / 34) {
        state.refusal = Refusal::ArraysPastEnd;
        return;
    }
    const auto count = static_cast<std::size_t>(last + 1);
    const char* frequency = bytes.data() + kArrays;
    const char* magnitude = frequency + 8 * count;
    const char* phase = magnitude + 8 * count;
    for (std::size_t i = 0; i < count; ++i) {
        const double f = LoadFloat64Big(frequency + 8 * i);
        const double z = LoadFloat64Big(magnitude + 8 * i);
        const double radians = LoadFloat64Big(phase + 8 * i);
        // A Thales sweep runs up from its start frequency, then down step by step: one sweep.
        const std::uint32_t sweep = FollowSweep(state, f);
        sink.OnRow(
            Row{f, z * std::cos(radians), -(z * std::sin(radians)), i + 1, state.rows, sweep});
        ++state.rows;
    }
}
