#pragma once

#include "chart/Painter.h"
#include "chart/Render.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

// A painter that keeps the boxes of the texts and the lines drawn. It measures through
// `inner` when given one, and otherwise as 0.6 em a character (superscripts 0.7 of that),
// 0.8 em above the baseline and 0.2 em below.
struct BoxPainter final : Painter {
    Painter* inner = nullptr;
    struct Box {
        RectF at;
        std::string text;
    };
    std::vector<Box> texts;
    std::vector<std::pair<PointF, PointF>> lines;
    size_t markers = 0;
    std::vector<Color> markerColours; // one for each call that drew any
    std::vector<double> diameters;    // one for each call
    std::vector<PointF> centres, ringCentres;
    std::vector<std::pair<RectF, Color>> fills;

    static size_t characters(const std::string& s) {
        size_t n = 0;
        for (unsigned char c : s)
            n += (c & 0xC0) != 0x80;
        return n;
    }
    void Fill(const RectF& r, Color c) override { fills.emplace_back(r, c); }
    void Line(PointF a, PointF b, const Stroke&) override { lines.emplace_back(a, b); }
    void Frame(const RectF&, const Stroke&) override {}
    void Markers(std::span<const PointF> c, double diameter, Color colour) override {
        markers += c.size();
        diameters.push_back(diameter);
        centres.insert(centres.end(), c.begin(), c.end());
        if (!c.empty())
            markerColours.push_back(colour);
    }
    void Rings(std::span<const PointF> c, double, Color) override {
        ringCentres.insert(ringCentres.end(), c.begin(), c.end());
    }
    TextExtent Measure(const TextRun& run, double size, bool upward = false) override {
        if (inner != nullptr)
            return inner->Measure(run, size, upward);
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

inline bool apart(const RectF& a, const RectF& b, double gap) {
    return a.right + gap <= b.left || b.right + gap <= a.left || a.bottom + gap <= b.top ||
           b.bottom + gap <= a.top;
}

// Every text inside the picture, no two closer than 0.4 em, and each tick label centred
// within a pixel of a tick of its axis.
inline void ExpectReadable(const BoxPainter& p, const RenderResult& r, double w, double h,
                           double em) {
    for (size_t i = 0; i < p.texts.size(); ++i) {
        const RectF& a = p.texts[i].at;
        ASSERT_TRUE(a.left >= -0.01 && a.top >= -0.01 && a.right <= w + 0.01 &&
                    a.bottom <= h + 0.01)
            << p.texts[i].text << " outside " << w << "x" << h;
        for (size_t j = i + 1; j < p.texts.size(); ++j)
            ASSERT_TRUE(apart(a, p.texts[j].at, 0.4 * em - 0.01))
                << p.texts[i].text << " and " << p.texts[j].text << " at " << w << "x" << h;
        if (p.texts[i].text.find('/') != std::string::npos || a.bottom <= r.frame.top)
            continue; // a title, or the sweeps' key above the frame
        bool onTick = false;
        // On a tick of the frame of any panel, stacked one under the other.
        for (const RenderResult* panel = &r; panel != nullptr; panel = panel->below.get()) {
            const RectF& f = panel->frame;
            const bool below = a.top >= f.bottom;
            const double centre = below ? (a.left + a.right) / 2 : (a.top + a.bottom) / 2;
            for (const auto& [from, to] : p.lines) {
                const bool tickBelow = from.x == to.x && from.y == f.bottom && to.y > from.y;
                const bool right = a.left >= f.right;
                const bool tickBeside =
                    from.y == to.y && (right ? to.x > from.x && from.x == f.right
                                             : to.x < from.x && from.x == f.left);
                if ((below && tickBelow && std::fabs(from.x - centre) <= 1) ||
                    (!below && tickBeside && std::fabs(from.y - centre) <= 1))
                    onTick = true;
            }
        }
        EXPECT_TRUE(onTick) << p.texts[i].text << " at " << w << "x" << h;
    }
}
