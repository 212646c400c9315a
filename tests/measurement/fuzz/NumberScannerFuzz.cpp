#include "NumberScanner.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

// Any line: the scan reads 0 to 3 numbers, leaves the others alone, and never reads beyond
// the line (the sanitizers watch that).
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
    return 0;
}
