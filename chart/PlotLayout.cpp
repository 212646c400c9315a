#include "PlotLayout.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kClassicWidth = 534.0;
constexpr double kClassicHeight = 392.0;
constexpr double kClassicFontPx = 13.0;
// Below 8 pixels text stops being readable; margins then stay at what 8-pixel text needs.
constexpr double kSmallestScale = 8.0 / kClassicFontPx;

int scaled(double length, double scale) {
    return static_cast<int>(std::lround(length * scale));
}

PlotLayout classic(const RECT& client) {
    PlotLayout layout;
    layout.left = (client.left + 70) / 10 * 10;
    layout.top = (client.top + 10) / 10 * 10;
    layout.right = (client.right - 70) / 10 * 10;
    layout.bottom = (client.bottom - 30) / 10 * 10;
    return layout;
}

} // namespace

PlotLayout LayoutFor(const RECT& client, bool scaleWithSize) {
    const double width = client.right - client.left;
    const double height = client.bottom - client.top;
    const double fit = std::min(width / kClassicWidth, height / kClassicHeight);
    if (!scaleWithSize || fit == 1.0 || !(fit > 0.0))
        return classic(client);
    const double s = std::clamp(fit, kSmallestScale, 64.0);
    PlotLayout layout;
    layout.left = client.left + scaled(70, s);
    layout.top = client.top + scaled(10, s);
    layout.right = client.right - scaled(70, s);
    // Two text rows (labels and title) of about 1.17 font heights each, plus their gap: the
    // classic 30 pixels only held them thanks to the rounding to 10.
    layout.bottom = client.bottom - static_cast<int>(std::ceil(34 * s)) - 2;
    layout.tickLength = std::max(scaled(4, s), 1);
    layout.xLabelGap = scaled(3, s);
    layout.yLabelGap = std::max(scaled(1, s), 1);
    layout.yTitleOffset = scaled(60, s);
    layout.zLabelGap = scaled(2, s);
    layout.zTitleOffset = scaled(50, s);
    layout.fontPx = scaled(kClassicFontPx, s);
    return layout;
}
