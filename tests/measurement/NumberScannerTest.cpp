#include "measurement/NumberScanner.h"

#include <gtest/gtest.h>

#include <charconv>
#include <clocale>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <string_view>

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kKept = -7.25; // a value the scan must leave alone

TEST(NumberScanner, ReadsNumbersLikeScanfInTheCLocale) {
    struct Case {
        std::string_view line;
        int read;
        double a, b, c;
    };
    const Case cases[] = {
        {"1 2 3", 3, 1, 2, 3},
        {"  -1.5e3\t+2 .5 trailing words", 3, -1500, 2, 0.5},
        {"1e2 1E-2 7.", 3, 100, 0.01, 7},
        {"1-2-3", 3, 1, -2, -3},
        {"1,5 2,5 3,5", 1, 1, kKept, kKept},
        {"1;2;3", 1, 1, kKept, kKept},
        {"freq Zre Zim", 0, kKept, kKept, kKept},
        {"1 x 3", 1, 1, kKept, kKept},
        {"1 2", 2, 1, 2, kKept},
        {"", 0, kKept, kKept, kKept},
        {"   \t ", 0, kKept, kKept, kKept},
        {"+-1 2 3", 0, kKept, kKept, kKept},
        {"- 1", 0, kKept, kKept, kKept},
        {".", 0, kKept, kKept, kKept},
        {"1.5\r", 1, 1.5, kKept, kKept},
        {"1\r2\v3", 3, 1, 2, 3},
        {"1e999 -1e999 1e-999", 3, kInf, -kInf, 0.0},
        {"0.000000000000000000000000000001e330 -1e-99999999999999999999 1e99999999999999999999", 3,
         1e300, -0.0, kInf},
        {"inf -Infinity 5", 3, kInf, -kInf, 5},
        {"0x10 2 3", 1, 0, kKept, kKept},
        {std::string_view("1 2\0 3", 6), 2, 1, 2, kKept},
    };
    for (const auto& tc : cases) {
        double values[3] = {kKept, kKept, kKept};
        EXPECT_EQ(ScanThreeNumbers(tc.line, values), tc.read) << '"' << tc.line << '"';
        EXPECT_EQ(values[0], tc.a) << tc.line;
        EXPECT_EQ(values[1], tc.b) << tc.line;
        EXPECT_EQ(values[2], tc.c) << tc.line;
    }
}

TEST(NumberScanner, NotANumberIsReadAsNaN) {
    double values[3] = {0, 0, 0};
    EXPECT_EQ(ScanThreeNumbers("nan -nan 1", values), 3);
    EXPECT_TRUE(std::isnan(values[0]));
    EXPECT_TRUE(std::isnan(values[1]));
}

TEST(NumberScanner, IgnoresTheUsersDecimalComma) {
    // Where a locale with a decimal comma is installed, switch to it; the point must still
    // be the separator.
    const char* locales[] = {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "C.UTF-8"};
    for (const char* name : locales)
        if (std::setlocale(LC_ALL, name) != nullptr)
            break;
    double values[3] = {0, 0, 0};
    EXPECT_EQ(ScanThreeNumbers("0.5 1.25 -2.5", values), 3);
    EXPECT_EQ(values[1], 1.25);
    EXPECT_EQ(ScanThreeNumbers("1 2,5 3", values), 2);
    EXPECT_EQ(values[1], 2.0);
    std::setlocale(LC_ALL, "C");
}

TEST(NumberScanner, ReadsWholeFieldsWithAPointOrADecimalComma) {
    struct Case {
        std::string_view field;
        bool decimalComma;
        FieldNumber read;
        double value;
    };
    const Case cases[] = {
        {"1.5", false, FieldNumber::Point, 1.5},
        {"-3.84944724E-005", false, FieldNumber::Point, -3.84944724e-5},
        {"+2", false, FieldNumber::Point, 2},
        {"1e999", false, FieldNumber::Point, kInf},
        {"1,5", false, FieldNumber::None, kKept},
        {"1,5", true, FieldNumber::Comma, 1.5},
        {"3,84944724E-005", true, FieldNumber::Comma, 3.84944724e-5},
        {"1000024,25", true, FieldNumber::Comma, 1000024.25},
        {"1,5,5", true, FieldNumber::None, kKept},
        {"1.5 ", false, FieldNumber::None, kKept},
        {"", true, FieldNumber::None, kKept},
        {"T", true, FieldNumber::None, kKept},
        {"..........a", true, FieldNumber::None, kKept},
    };
    for (const auto& tc : cases) {
        double value = kKept;
        EXPECT_EQ(ScanField(tc.field, tc.decimalComma, value), tc.read) << tc.field;
        EXPECT_EQ(value, tc.value) << tc.field;
    }
}

// The short way of reading a decimal must give what from_chars gives, bit for bit, and stop
// where it stops: random strings of number characters, and decimals of every length and
// exponent near the edges of the short way.
TEST(NumberScanner, ReadsEveryDecimalAsFromCharsDoes) {
    std::mt19937 random(11);
    const std::string alphabet = "0123456789.-+eE x";
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int i = 0; i < 200000; ++i) {
        std::string text;
        if (i % 2 == 0) {
            for (int n = pick(24); n > 0; --n)
                text += alphabet[static_cast<size_t>(pick(static_cast<int>(alphabet.size())))];
        } else {
            text = (pick(2) ? "-" : "") + std::to_string(random()) + std::to_string(random());
            text.resize(static_cast<size_t>(1 + pick(static_cast<int>(text.size()))));
            text.insert(static_cast<size_t>(pick(static_cast<int>(text.size()) + 1)), ".");
            text += "e" + std::to_string(pick(60) - 30);
        }
        const char* begin = text.data();
        const char* end = begin + text.size();
        double want = kKept;
        const auto [stop, error] = std::from_chars(begin + (text[0] == '+'), end, want);
        if (error == std::errc::result_out_of_range || (text[0] == '+' && text[1] == '-'))
            continue;
        double got = kKept;
        const char* next = number_scanning::ScanNumber(begin, end, got);
        ASSERT_EQ(next == nullptr, error == std::errc::invalid_argument) << text;
        if (next == nullptr)
            continue;
        ASSERT_EQ(next, stop) << text;
        ASSERT_EQ(std::memcmp(&got, &want, sizeof got), 0) << text << ' ' << got << ' ' << want;
    }
}

} // namespace
