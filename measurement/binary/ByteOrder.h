#pragma once

#include <bit>
#include <cstdint>

// Numbers stored in a fixed byte order, read whatever the machine's.

inline std::uint64_t LoadLittle(const char* p, int bytes) {
    std::uint64_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | static_cast<unsigned char>(p[i]);
    return v;
}

inline std::uint64_t LoadBig(const char* p, int bytes) {
    std::uint64_t v = 0;
    for (int i = 0; i < bytes; ++i)
        v = v << 8 | static_cast<unsigned char>(p[i]);
    return v;
}

inline float LoadFloat32Little(const char* p) {
    return std::bit_cast<float>(static_cast<std::uint32_t>(LoadLittle(p, 4)));
}

inline double LoadFloat64Little(const char* p) {
    return std::bit_cast<double>(LoadLittle(p, 8));
}

inline double LoadFloat64Big(const char* p) {
    return std::bit_cast<double>(LoadBig(p, 8));
}
