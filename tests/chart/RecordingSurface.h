#pragma once

#include "DrawSurface.h"

#include <string>
#include <utility>
#include <vector>

// A surface that writes one text line per operation. Text is measured as 6 x 13 pixels a
// character, in any font. SelectBitmap and BitBlt can be told to fail at their n-th call.
class RecordingSurface final : public IDrawSurface {
  public:
    struct Bitmap : ISurfaceBitmap {
        explicit Bitmap(std::string n) : name(std::move(n)) {}
        std::string name;
    };

    std::vector<std::string> ops;
    int failSelectBitmapCall = 0; // 1-based; 0: never fail
    int failBitBltCall = 0;
    int selectBitmapCalls = 0;
    int bitBltCalls = 0;
    ISurfaceBitmap* selected = &stock;
    Bitmap stock{"stock"};
    Pen pen;
    Font font{"System", 0, 0};
    Color textColor = kBlack;

    ISurfaceBitmap* SelectBitmap(ISurfaceBitmap* bitmap) override {
        ++selectBitmapCalls;
        if (bitmap == nullptr || selectBitmapCalls == failSelectBitmapCall) {
            ops.push_back("SelectBitmap failed");
            return nullptr;
        }
        ops.push_back("SelectBitmap " + nameOf(bitmap));
        auto* previous = selected;
        selected = bitmap;
        return previous;
    }
    bool BitBlt(int x, int y, int w, int h, IDrawSurface& src, int sx, int sy) override {
        ++bitBltCalls;
        const bool ok = bitBltCalls != failBitBltCall;
        ops.push_back(line("BitBlt", x, y, w, h) + " from " +
                      std::string(&src == this ? "self" : "other") + line("", sx, sy) +
                      (ok ? "" : " failed"));
        return ok;
    }
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
    static std::string nameOf(ISurfaceBitmap* b) { return static_cast<Bitmap*>(b)->name; }
    template <typename... Ints> static std::string line(const std::string& name, Ints... v) {
        std::string s = name;
        (s.append(1, ' ').append(std::to_string(v)), ...);
        return s;
    }
};
