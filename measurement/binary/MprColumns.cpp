#include "MprColumns.h"

#include <algorithm>
#include <iterator>

namespace {

// Widths confirmed on real files: the data module's length equals the first record's offset
// plus the point count times the sum of the widths.
constexpr std::uint16_t kFloat32[] = {
    5,   6,   8,   16,  17,  19,  20,  32,  33,  34,  35,  36,  37,  38,  70,  76,  77,
    96,  98,  99,  100, 101, 169, 172, 174, 430, 431, 432, 433, 434, 435, 471, 473, 474,
    476, 477, 479, 480, 486, 487, 488, 489, 490, 491, 492, 493, 494, 495, 496, 497};
constexpr std::uint16_t kFloat64[] = {4, 7, 11, 13, 24, 438, 467};
constexpr std::uint16_t kUint16[] = {39, 131};
constexpr std::uint16_t kUint32[] = {468};
constexpr std::uint16_t kFlags[] = {1, 2, 3, 21, 31, 65};

template <std::size_t N> bool listed(const std::uint16_t (&ids)[N], std::uint16_t id) {
    return std::binary_search(std::begin(ids), std::end(ids), id);
}

} // namespace

int MprColumnWidth(std::uint16_t id) {
    if (listed(kFloat32, id) || listed(kUint32, id))
        return 4;
    if (listed(kFloat64, id))
        return 8;
    if (listed(kUint16, id))
        return 2;
    if (listed(kFlags, id))
        return 1;
    return 0;
}

bool IsMprFlagColumn(std::uint16_t id) {
    return listed(kFlags, id);
}
