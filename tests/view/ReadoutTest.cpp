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
    EXPECT_NE(DotReadout(1, 20.00006, 0.0795774, 1).find("Z' = 20.00006 \u03a9"),
              std::string::npos);
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
