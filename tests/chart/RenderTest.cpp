#include "Render.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace {

// A painter that keeps the boxes of the texts and the lines drawn, measuring text as 0.6 em
// a character (superscripts 0.7 of that), 0.8 em above the baseline and 0.2 em below.
struct BoxPainter final : Painter {
    struct Box {
        RectF at;
        std::string text;
    };
    std::vector<Box> texts;
    std::vector<std::pair<PointF, PointF>> lines;
    size_t markers = 0;

    static size_t characters(const std::string& s) {
        size_t n = 0;
        for (unsigned char c : s)
            n += (c & 0xC0) != 0x80;
        return n;
    }
    void Fill(const RectF&, Color) override {}
    void Line(PointF a, PointF b, const Stroke&) override { lines.emplace_back(a, b); }
    void Frame(const RectF&, const Stroke&) override {}
    void Markers(std::span<const PointF> c, double, Color) override { markers += c.size(); }
    TextExtent Measure(const TextRun& run, double size) override {
        TextExtent e{0, 0.8 * size, 0.2 * size};
        for (const TextPiece& p : run) {
            e.width += 0.6 * size * (p.superscript ? 0.7 : 1.0) * characters(p.text);
            if (p.superscript)
                e.ascent = 1.0 * size;
        }
        return e;
    }
    void Text(const TextRun& run, PointF o, double size, Color, bool upward) override {
        const TextExtent e = Measure(run, size);
        std::string text;
        for (const TextPiece& p : run)
            text += p.text;
        texts.push_back({upward ? RectF{o.x - e.ascent, o.y - e.width, o.x + e.descent, o.y}
                                : RectF{o.x, o.y - e.ascent, o.x + e.width, o.y + e.descent},
                         text});
    }
    void Clip(std::optional<RectF>) override {}
};

bool apart(const RectF& a, const RectF& b, double gap) {
    return a.right + gap <= b.left || b.right + gap <= a.left || a.bottom + gap <= b.top ||
           b.bottom + gap <= a.top;
}

// Every text inside the picture, no two closer than 0.4 em, and each tick label centred
// within a pixel of a tick of its axis.
void ExpectReadable(const BoxPainter& p, const RenderResult& r, double w, double h, double em) {
    for (size_t i = 0; i < p.texts.size(); ++i) {
        const RectF& a = p.texts[i].at;
        ASSERT_TRUE(a.left >= -0.01 && a.top >= -0.01 && a.right <= w + 0.01 &&
                    a.bottom <= h + 0.01)
            << p.texts[i].text << " outside " << w << "x" << h;
        for (size_t j = i + 1; j < p.texts.size(); ++j)
            ASSERT_TRUE(apart(a, p.texts[j].at, 0.4 * em - 0.01))
                << p.texts[i].text << " and " << p.texts[j].text << " at " << w << "x" << h;
        if (p.texts[i].text.find('/') != std::string::npos)
            continue; // a title
        const bool below = a.top >= r.frame.bottom;
        const double centre = below ? (a.left + a.right) / 2 : (a.top + a.bottom) / 2;
        bool onTick = false;
        for (const auto& [from, to] : p.lines) {
            const bool tickBelow = from.x == to.x && from.y == r.frame.bottom && to.y > from.y;
            const bool tickBeside = from.y == to.y && to.x < from.x && from.x == r.frame.left;
            if ((below && tickBelow && std::fabs(from.x - centre) <= 1) ||
                (!below && tickBeside && std::fabs(from.y - centre) <= 1))
                onTick = true;
        }
        EXPECT_TRUE(onTick) << p.texts[i].text << " at " << w << "x" << h;
    }
}

TEST(Render, LabelsStayInsideApartAndOnTheirTicksAtAnySize) {
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int round = 0; round < 400; ++round) {
        const double span = std::pow(10.0, -9 + 21 * unit(random));
        const double offset = (unit(random) - 0.5) * span * std::pow(10.0, 3 * unit(random));
        const double w = 200 + 3800 * unit(random), h = 150 + 2850 * unit(random);
        ChartModel m;
        m.x = {offset, offset + span, false, true, "Z\u2032", "\u03a9", kBlack};
        m.y = {-offset, -offset + span * (0.1 + unit(random)), false, true, "x", "\u03a9", kBlack};
        if (round % 3 == 0) {
            m.x = {std::pow(10.0, -3 + 3 * unit(random)), 0, true, true, "f", "Hz", kBlack};
            m.x.max = m.x.min * std::pow(10.0, 0.3 + 8 * unit(random));
        }
        m.equalScales = round % 5 == 1;
        BoxPainter p;
        const RenderResult r = Render(m, w, h, p);
        SCOPED_TRACE(round);
        ExpectReadable(p, r, w, h, 12.0);
        EXPECT_GE(p.texts.size(), 4u) << "both axes labelled at " << w << "x" << h;
    }
}

TEST(Render, PadsTheDataClipsTheDotsAndMapsBothWays) {
    auto series = std::make_shared<Series>();
    for (int i = 0; i <= 10; ++i)
        series->Add({double(i), 1.0, 100.0 + i, double(i), i + 1, 1});
    ChartModel m;
    m.x = {100, 110, false, true, "Z\u2032", "\u03a9", kBlack};
    m.y = {0, 10, false, true, "\u2212Z\u2033", "\u03a9", kBlack};
    m.series.push_back({series, Quantity::ZReal, Quantity::MinusZImag, false, kOkabeBlue});
    BoxPainter p;
    RenderResult r = Render(m, 534, 392, p);
    ASSERT_EQ(r.dots.size(), 11u);
    const double padX = 0.04 * r.frame.width(), padY = 0.04 * r.frame.height();
    EXPECT_NEAR(r.dots.front().at.x, r.frame.left + padX, 1e-6);
    EXPECT_NEAR(r.dots.front().at.y, r.frame.bottom - padY, 1e-6);
    EXPECT_NEAR(r.dots.back().at.x, r.frame.right - padX, 1e-6);
    EXPECT_NEAR(r.x.ToValue(r.x.ToPixel(104.5)), 104.5, 1e-9);
    // A chosen view spans the frame edge to edge: the dots beyond it are not drawn.
    m.x = {105, 110, false, false, "Z\u2032", "\u03a9", kBlack};
    r = Render(m, 534, 392, p);
    EXPECT_EQ(r.dots.size(), 6u);
    EXPECT_DOUBLE_EQ(r.dots.front().at.x, r.frame.left);
    // Equal scales: one ohm as many pixels across as up.
    m.x.pad = true;
    m.equalScales = true;
    r = Render(m, 534, 392, p);
    EXPECT_NEAR((r.x.toPx - r.x.fromPx) / (r.x.max - r.x.min),
                (r.y.fromPx - r.y.toPx) / (r.y.max - r.y.min), 1e-6);
}

} // namespace
