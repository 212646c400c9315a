#pragma once

#include "classic/DrawSurface.h"

#include <string>
#include <utility>
#include <vector>

// A surface that writes one text line per operation. Text is measured as 6 x 13 pixels a
// character, in any font.
class RecordingSurface final : public IDrawSurface {
  public:
    std::vector<std::string> ops;
    Pen pen;
    Font font{"System", 0, 0};
    Color textColor = kBlack;

    Pen SelectPen(const Pen& p) override {
        ops.push_back("SelectPen " + describe(p));
        return std::exchange(pen, p);
    }
    Font SelectFont(const Font& f) override {
        ops.push_back("SelectFont " + f.face + " " + std::to_string(f.height) + " " +
                      std::to_string(f.escapement));
        return std::exchange(font, f);
    }
    Color SetTextColor(Color c) override {
        ops.push_back("SetTextColor " + describe(c));
        return std::exchange(textColor, c);
    }
    void Rectangle(int l, int t, int r, int b) override {
        ops.push_back(line("Rectangle", l, t, r, b));
    }
    void MoveTo(int x, int y) override { ops.push_back(line("MoveTo", x, y)); }
    void LineTo(int x, int y) override { ops.push_back(line("LineTo", x, y)); }
    void Ellipse(int l, int t, int r, int b) override {
        ops.push_back(line("Ellipse", l, t, r, b));
    }
    TextSize GetTextExtent(const std::string& text) override {
        return {6 * static_cast<int>(text.size()), 13};
    }
    void TextOut(int x, int y, const std::string& text) override {
        ops.push_back(line("TextOut", x, y) + " " + text);
    }

    static std::string describe(Color c) {
        return std::to_string(c.r) + "," + std::to_string(c.g) + "," + std::to_string(c.b);
    }
    static std::string describe(const Pen& p) {
        return std::string(p.style == PenStyle::Solid ? "solid " : "dot ") +
               std::to_string(p.width) + " " + describe(p.color);
    }

  private:
    template <typename... Ints> static std::string line(const std::string& name, Ints... v) {
        std::string s = name;
        (s.append(1, ' ').append(std::to_string(v)), ...);
        return s;
    }
};
