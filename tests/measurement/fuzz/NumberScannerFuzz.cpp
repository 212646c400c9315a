#include "measurement/NumberScanner.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

// Any line: the scan reads 0 to 3 numbers, leaves the others alone, and never reads beyond
// the line (the sanitizers watch that); the short way of reading a decimal, where it
// applies, reads what from_chars reads.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const double sentinel = -1234.5;
    double values[3] = {sentinel, sentinel, sentinel};
    const int read =
        ScanThreeNumbers(std::string_view(reinterpret_cast<const char*>(data), size), values);
    if (read < 0 || read > 3)
        std::abort();
    for (int i = read; i < 3; ++i)
        if (std::memcmp(&values[i], &sentinel, sizeof sentinel) != 0)
            std::abort();
    const char* begin = reinterpret_cast<const char*>(data);
    double fast = 0, slow = 0;
    if (const char* stop = number_scanning::ScanShortDecimal(begin, begin + size, fast)) {
        const auto parsed = std::from_chars(begin, begin + size, slow);
        if (parsed.ptr != stop || std::memcmp(&fast, &slow, sizeof fast) != 0)
            std::abort();
    }
    return 0;
}
