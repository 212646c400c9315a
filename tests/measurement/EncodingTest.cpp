#include "measurement/Encoding.h"

#include <gtest/gtest.h>

namespace {

TEST(Encoding, ByteOrderMarksAndValidUtf8TellTheEncoding) {
    struct Case {
        std::string head;
        bool whole;
        TextEncoding encoding;
        size_t bom;
    };
    const Case cases[] = {
        {"1 2 3\n", true, TextEncoding::Utf8, 0},
        {"\xEF\xBB\xBF"
         "1 2 3",
         true, TextEncoding::Utf8Bom, 3},
        {"\xFF\xFE"
         "1\0",
         true, TextEncoding::Utf16LE, 2},
        {"\xFE\xFF\0"
         "1",
         true, TextEncoding::Utf16BE, 2},
        {"Zphz \xC2\xB0", true, TextEncoding::Utf8, 0},
        {"Zphz \xB0", true, TextEncoding::Cp1252, 0},
        {"cut \xC2", false, TextEncoding::Utf8, 0},
        {"cut \xC2", true, TextEncoding::Cp1252, 0},
        {"overlong \xC0\xAF", true, TextEncoding::Cp1252, 0},
        {"surrogate \xED\xA0\x80", true, TextEncoding::Cp1252, 0},
    };
    for (const auto& tc : cases) {
        const EncodingGuess guess = GuessEncoding(tc.head, tc.whole);
        EXPECT_EQ(guess.encoding, tc.encoding) << tc.head;
        EXPECT_EQ(guess.bomSize, tc.bom) << tc.head;
    }
}

TEST(Encoding, Utf16BecomesUtf8) {
    std::string out;
    AppendUtf8FromUtf16(std::string("a\0\xB0\0\xA9\x03<\xD8\x00\xDF", 10), false, out);
    EXPECT_EQ(out, "a\xC2\xB0\xCE\xA9\xF0\x9F\x8C\x80");
    out.clear();
    AppendUtf8FromUtf16(std::string("\0a\xD8\x00\0b\0", 7), true, out);
    EXPECT_EQ(out, "a\xEF\xBF\xBD"
                   "b\xEF\xBF\xBD")
        << "lone surrogate, odd byte";
}

TEST(Encoding, Cp1252BecomesUtf8) {
    std::string out;
    AppendUtf8FromCp1252("\xB0\xB5\x80\x81"
                         "a",
                         out);
    EXPECT_EQ(out, "\xC2\xB0\xC2\xB5\xE2\x82\xAC\xEF\xBF\xBD"
                   "a");
}

} // namespace
