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

using namespace classic_offsets;

int onGrid(int edge) {
    return edge / kEdgeGrid * kEdgeGrid;
}

PlotLayout classic(const RECT& client) {
    PlotLayout layout;
    layout.client = client;
    layout.left = onGrid(client.left + kLeftMargin);
    layout.top = onGrid(client.top + kTopMargin);
    layout.right = onGrid(client.right - kRightMargin);
    layout.bottom = onGrid(client.bottom - kBottomMargin);
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
    layout.client = client;
    layout.left = client.left + scaled(kLeftMargin, s);
    layout.top = client.top + scaled(kTopMargin, s);
    layout.right = client.right - scaled(kRightMargin, s);
    // Two text rows (labels and title) of about 1.17 font heights each, plus their gap: the
    // classic 30 pixels only held them thanks to the rounding to 10.
    layout.bottom = client.bottom - static_cast<int>(std::ceil(34 * s)) - 2;
    layout.tickLength = std::max(scaled(kTickLength, s), 1);
    layout.xLabelGap = scaled(kXLabelGap, s);
    layout.yLabelGap = std::max(scaled(kYLabelGap, s), 1);
    layout.yTitleOffset = scaled(kYTitleOffset, s);
    layout.zLabelGap = scaled(kZLabelGap, s);
    layout.zTitleOffset = scaled(kZTitleOffset, s);
    layout.fontPx = scaled(kClassicFontPx, s);
    return layout;
}
