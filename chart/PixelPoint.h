#pragma once

// A whole pixel of a picture, as the pointer names it.
struct PixelPoint {
    int x = 0, y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};
