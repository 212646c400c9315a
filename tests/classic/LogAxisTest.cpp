#include "classic/LogAxis.h"
#include "DrawnChart.h"
#include "Pixels.h"
#include "RecordingSurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <memory>

namespace {

TEST(LogAxis, DataWidensToWholeDecades) {
    const struct {
        double lowest, highest;
        std::optional<std::pair<double, double>> span;
    } cases[] = {
        {0.002, 5e6, {{1e-3, 1e7}}}, // ten decades
        {1e-3, 1e7, {{1e-3, 1e7}}},  // already on decades
        {2.0, 8.0, {{1.0, 10.0}}},   // within a single decade
        {5.0, 5.0, {{1.0, 10.0}}},   // one value
        {100.0, 100.0, {{10, 1e3}}}, // one value on a decade keeps clear of the frame
        {0.0, 5.0, std::nullopt},    // a zero, a negative or no number has no logarithm
        {-1.0, 5.0, std::nullopt},
        {kNaN, 5.0, std::nullopt},
        {1e300, 1.5e308, {{1e300, std::numeric_limits<double>::max()}}},
    };
    for (const auto& tc : cases) {
        const auto span = DecadeBounds(tc.lowest, tc.highest);
        ASSERT_EQ(span.has_value(), tc.span.has_value()) << tc.lowest << " " << tc.highest;
        if (span) {
            EXPECT_DOUBLE_EQ(span->min, tc.span->first) << tc.lowest;
            EXPECT_DOUBLE_EQ(span->max, tc.span->second) << tc.highest;
        }
    }
}

TEST(LogAxis, DecadesTheirPlacesAndTheirLabels) {
    const struct {
        double min, max;
        int stride;
        std::vector<int> decades;
    } cases[] = {
        {1e-3, 1e7, 1, {-3, -2, -1, 0, 1, 2, 3, 4, 5, 6, 7}},
        {1e-3, 1e7, 2, {-2, 0, 2, 4, 6}},
        {1.0, 10.0, 1, {0, 1}},
        {2.0, 8.0, 1, {}},
        {0.0, 10.0, 1, {}},
    };
    for (const auto& tc : cases)
        EXPECT_EQ(DecadesWithin(tc.min, tc.max, tc.stride), tc.decades) << tc.min << " " << tc.max;
    // 390 pixels for ten decades leave 39 for each: labels of 30 fit, labels of 40 skip one.
    EXPECT_EQ(DecadeStride(1e-3, 1e7, 390, 30), 1);
    EXPECT_EQ(DecadeStride(1e-3, 1e7, 390, 40), 2);
    EXPECT_EQ(DecadeLabel(-2), "10^-2");
    EXPECT_EQ(DecadeLabel(0), "10^0");

    const LogScale tenDecades(1e-3, 1e7);
    const struct {
        double value;
        std::optional<double> fraction;
    } places[] = {
        {1e-3, 0.0}, {1e2, 0.5}, {1e7, 1.0}, {1e8, 1.1},
        {0.0, {}},   {-5, {}},   {kNaN, {}}, {std::numeric_limits<double>::infinity(), {}}};
    for (const auto& p : places) {
        const auto f = tenDecades.Fraction(p.value);
        ASSERT_EQ(f.has_value(), p.fraction.has_value()) << p.value;
        if (f) {
            EXPECT_NEAR(*f, *p.fraction, 1e-12) << p.value;
        }
    }
    EXPECT_FALSE(LogScale(0.0, 10.0).Fraction(1.0)) << "an axis from zero places nothing";
    EXPECT_FALSE(LogScale(10.0, 10.0).Fraction(10.0));
}

// The Ellipses drawn with each pen colour, and the texts written.
struct Drawn {
    std::map<std::string, int> dots;
    std::vector<std::string> texts;
    RenderResult result;
};

Drawn drawBode(const CCurveChart& c) {
    RecordingSurface s;
    Drawn d;
    d.result = DrawOn(c, s);
    std::string pen;
    for (const std::string& op : s.ops) {
        if (op.rfind("SelectPen", 0) == 0)
            pen = op;
        else if (op.rfind("Ellipse", 0) == 0)
            ++d.dots[pen];
        else if (op.rfind("TextOut", 0) == 0)
            d.texts.push_back(op);
    }
    return d;
}

bool has(const std::vector<std::string>& texts, const std::string& text) {
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

TEST(LogAxisRendering, DecadeLabelsBothSeriesTheLegendAndNoDotAtOrBelowZero) {
    auto c = std::make_unique<CCurveChart>();
    c->Clear();
    c->xMode = c->yMode = kLogAxis;
    c->yName = "|Z|";
    c->zName = "-phase";
    c->ShowZAxis(true);
    c->xMin = 1e-3;
    c->xMax = 1e7;
    c->yMin = 0.1;
    c->yMax = 1e3;
    c->zMin = -10;
    c->zMax = 90;
    const double points[][3] = {{1e-3, 0.1, 0}, {1e2, 10, 45}, {0, 5, 10},
                                {-1, 5, 10},    {10, 0, 20},   {10, -3, kNaN}};
    for (const auto& p : points) {
        c->xData[c->count] = p[0];
        c->yData[c->count] = p[1];
        c->zData[c->count++] = p[2];
    }
    const Drawn d = drawBode(*c);
    // Dots and the legend's three: |Z| at 1e-3 and 1e2, -phase at 1e-3, 1e2 and 10.
    EXPECT_EQ(d.dots.at("SelectPen dot 3 0,0,255"), 2 + 3);
    EXPECT_EQ(d.dots.at("SelectPen dot 3 255,0,0"), 3 + 3);
    EXPECT_EQ(DotOf(d.result, 1), (PixelPoint{70 + 195, 360 - 175}));
    EXPECT_FALSE(DotOf(d.result, 2)) << "no place at f = 0";
    EXPECT_FALSE(DotOf(d.result, 4)) << "no place at |Z| = 0";
    EXPECT_EQ(DotOf(d.result, 4, 1), (PixelPoint{70 + 156, 360 - 105}));
    EXPECT_TRUE(d.result.x.log && d.result.y.log && !d.result.rightY->log);
    // Every decade of X below the frame, centred on its tick; the top one clear of the Z
    // labels; Y's decades beside the frame, the bottom one above the X labels.
    for (int k = -3; k <= 7; ++k)
        EXPECT_TRUE(std::any_of(d.texts.begin(), d.texts.end(), [&](const std::string& t) {
            return t.ends_with(" 363 10^" + std::to_string(k));
        })) << k;
    EXPECT_TRUE(has(d.texts, "TextOut 253 363 10^2"));
    EXPECT_TRUE(has(d.texts, "TextOut 438 363 10^7"));
    EXPECT_TRUE(has(d.texts, "TextOut 45 179 10^1"));
    EXPECT_TRUE(has(d.texts, "TextOut 39 350 10^-1"));
    EXPECT_TRUE(has(d.texts, "TextOut 462 354 -10.0"));
    EXPECT_TRUE(has(d.texts, "TextOut 418 13 |Z|"));
    EXPECT_TRUE(has(d.texts, "TextOut 418 26 -phase"));

    // Zoomed within a decade, the X axis tells its ends.
    c->xMin = 200;
    c->xMax = 500;
    const Drawn zoomed = drawBode(*c);
    EXPECT_TRUE(has(zoomed.texts, "TextOut 61 363 200"));
    EXPECT_TRUE(has(zoomed.texts, "TextOut 444 363 500"));
}

} // namespace
