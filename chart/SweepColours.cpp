#include "SweepColours.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Viridis at every eighth of its length.
constexpr std::array<Color, 9> kViridis = {{{68, 1, 84},
                                            {71, 44, 122},
                                            {59, 81, 139},
                                            {44, 113, 142},
                                            {33, 144, 141},
                                            {39, 173, 129},
                                            {92, 200, 99},
                                            {170, 220, 50},
                                            {253, 231, 37}}};

// Its brightest end is lost on white paper, its darkest on black.
constexpr double kFarEnd = 0.85;

unsigned char mix(unsigned char a, unsigned char b, double t) {
    return static_cast<unsigned char>(std::lround(a + (b - a) * t));
}

} // namespace

Color SweepColour(double share, bool darkPaper) {
    share = std::clamp(std::isfinite(share) ? share : 0.0, 0.0, 1.0);
    const double along = darkPaper ? 1.0 - kFarEnd + kFarEnd * share : kFarEnd * (1.0 - share);
    const double scaled = along * (kViridis.size() - 1);
    const size_t below = std::min(static_cast<size_t>(scaled), kViridis.size() - 2);
    const double t = scaled - static_cast<double>(below);
    const Color& a = kViridis[below];
    const Color& b = kViridis[below + 1];
    return {mix(a.r, b.r, t), mix(a.g, b.g, t), mix(a.b, b.b, t)};
}
