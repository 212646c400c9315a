#pragma once

#include <cstdint>
#include <string>

// Value descriptors for the drawing tools the chart makes and releases within one Draw.

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kRed{255, 0, 0};
inline constexpr Color kGreen{0, 255, 0};
inline constexpr Color kBlue{0, 0, 255};

enum class PenStyle { Solid, Dot };

struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    Color color;
    friend bool operator==(const Pen&, const Pen&) = default;
};

// A face name, a height in pixels (0: the surface's default size) and an escapement in tenths
// of a degree (900: text runs upward).
struct Font {
    std::string face;
    int height = 0;
    int escapement = 0;
    friend bool operator==(const Font&, const Font&) = default;
};

struct TextSize {
    int cx = 0;
    int cy = 0;
};

struct RECT {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const RECT&, const RECT&) = default;
};
