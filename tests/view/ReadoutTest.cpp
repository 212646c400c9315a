#include "view/DotIndex.h"
#include "view/ReadoutText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <random>

namespace {

TEST(ReadoutText, FrequenciesTakeThreeDigitsAndAnEngineeringPrefix) {
    const struct {
        double v;
        const char* text;
    } cases[] = {
        {12589.25, "12.6 kHz"}, {0.398107, "398 mHz"}, {1.0, "1.00 Hz"},
        {999.7, "1.00 kHz"},    {100000, "100 kHz"},   {1e-6, "1.00 \u00b5Hz"},
        {-2500, "-2.50 kHz"},   {0, "0 Hz"},           {1e30, "1.00e+30 Hz"},
    };
    for (const auto& tc : cases)
        EXPECT_EQ(WithPrefix(tc.v, "Hz"), tc.text) << tc.v;
}

TEST(ReadoutText, ADotReadsOutItsValuesAsReadAndOffADotTheFile) {
    // The program takes the user's locale, whose decimal comma, where one is installed, the
    // readout leaves aside.
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE"})
        if (std::setlocale(LC_ALL, name) != nullptr)
            break;
    EXPECT_EQ(DotReadout(12589.25, 3.0, 4.0, 17), "f = 12.6 kHz\n"
                                                  "Z' = 3 \u03a9\n"
                                                  "\u2212Z'' = 4 \u03a9\n"
                                                  "|Z| = 5 \u03a9\n"
                                                  "phase = -53.13\u00b0\n"
                                                  "line 17");
    // Z' and -Z'' as the file holds them, |Z| and the phase to as many digits, never in
    // another notation.
    const struct {
        double re, negIm;
        bool float32;
        const char* parts;
    } cases[] = {
        {20.00006, 0.0795774, false, "Z' = 20.00006 \u03a9\n\u2212Z'' = 0.0795774 \u03a9\n"},
        {1877.211669921875, 12.753284454345703, true,
         "Z' = 1877.2117 \u03a9\n\u2212Z'' = 12.753284 \u03a9\n|Z| = 1877.255 \u03a9\n"
         "phase = -0.38924653\u00b0"},
        {18772.117, 2.5, false, "|Z| = 18772.117 \u03a9\nphase = -0.0076304366\u00b0"},
    };
    for (const auto& c : cases)
        EXPECT_NE(DotReadout(1, c.re, c.negIm, 1, kAsciiNumbers, {}, c.float32).find(c.parts),
                  std::string::npos)
            << DotReadout(1, c.re, c.negIm, 1, kAsciiNumbers, {}, c.float32);
    EXPECT_EQ(FileReadout("plain", 61), "format: plain\n61 points");
    EXPECT_EQ(FileReadout("plain", 1), "format: plain\n1 point");
    std::setlocale(LC_ALL, "C");
}

TEST(DotIndex, FindsTheNearestDotAsAScanWould) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> across(-20, 560), up(-20, 410);
    std::vector<DotIndex::Dot> dots;
    for (int i = 0; i < 3000; ++i)
        dots.push_back({{across(random), up(random)}, i});
    DotIndex index;
    index.Build(dots, 534, 392);
    std::uniform_int_distribution<int> x(0, 533), y(0, 391); // where a pointer can be
    for (int probe = 0; probe < 2000; ++probe) {
        const PixelPoint p{x(random), y(random)};
        int best = -1;
        long long bestDistance = 17;
        for (const DotIndex::Dot& d : dots) {
            const long long dx = d.at.x - p.x, dy = d.at.y - p.y;
            if (dx * dx + dy * dy <= bestDistance) {
                best = d.slot;
                bestDistance = dx * dx + dy * dy;
            }
        }
        ASSERT_EQ(index.Nearest(p, 4), best) << p.x << "," << p.y;
    }
}

} // namespace
