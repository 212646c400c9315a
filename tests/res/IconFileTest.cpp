#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

// The Windows icon: nine square 32-bit images, each an uncompressed bitmap (no PNG inside),
// fully opaque, with an AND mask that marks nothing transparent.
namespace {

std::uint32_t u32(const std::vector<unsigned char>& b, size_t at) {
    return b.at(at) | b.at(at + 1) << 8 | b.at(at + 2) << 16 | std::uint32_t(b.at(at + 3)) << 24;
}
std::uint16_t u16(const std::vector<unsigned char>& b, size_t at) {
    return static_cast<std::uint16_t>(b.at(at) | b.at(at + 1) << 8);
}

TEST(IconFile, HoldsNineOpaqueUncompressedImages) {
    std::ifstream in(KORVANE_ICON_FILE, std::ios::binary);
    const std::vector<unsigned char> ico((std::istreambuf_iterator<char>(in)), {});
    ASSERT_GT(ico.size(), 6u);
    EXPECT_EQ(u16(ico, 0), 0);
    EXPECT_EQ(u16(ico, 2), 1) << "an icon, not a cursor";
    ASSERT_EQ(u16(ico, 4), 9);
    const unsigned sizes[] = {16, 24, 32, 48, 64, 72, 96, 128, 256};
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(sizes[i]);
        const size_t entry = 6 + 16 * static_cast<size_t>(i);
        const unsigned size = sizes[i];
        EXPECT_EQ(ico.at(entry), size % 256);
        EXPECT_EQ(ico.at(entry + 1), size % 256);
        EXPECT_EQ(u16(ico, entry + 4), 1) << "planes";
        EXPECT_EQ(u16(ico, entry + 6), 32) << "bits per pixel";
        const size_t bytes = u32(ico, entry + 8);
        const size_t at = u32(ico, entry + 12);
        ASSERT_LE(at + bytes, ico.size());
        EXPECT_NE(std::memcmp(&ico.at(at), "\x89PNG", 4), 0);
        EXPECT_EQ(u32(ico, at), 40u) << "BITMAPINFOHEADER";
        EXPECT_EQ(u32(ico, at + 4), size);
        EXPECT_EQ(u32(ico, at + 8), 2 * size) << "colour and mask rows";
        EXPECT_EQ(u16(ico, at + 14), 32);
        EXPECT_EQ(u32(ico, at + 16), 0u) << "BI_RGB: uncompressed";
        const size_t pixels = at + 40;
        const size_t maskStride = (size + 31) / 32 * 4;
        ASSERT_EQ(bytes, 40 + size * size * 4 + maskStride * size);
        for (size_t p = 0; p < size * size; ++p)
            ASSERT_EQ(ico.at(pixels + 4 * p + 3), 255) << "alpha of pixel " << p;
        for (size_t m = pixels + size * size * 4; m < at + bytes; ++m)
            ASSERT_EQ(ico.at(m), 0) << "mask byte " << m - at;
    }
}

} // namespace
