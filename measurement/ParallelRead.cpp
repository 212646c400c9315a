#include "ParallelRead.h"

#include <algorithm>
#include <cstring>
#include <thread>

namespace {
std::atomic<unsigned> readThreads{0};
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
