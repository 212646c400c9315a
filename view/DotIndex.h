#pragma once

#include "chart/PixelPoint.h"

#include <vector>

// The dots of the last picture sorted into a grid of small cells, so the dot under the
// pointer is found by looking at a few cells rather than at every dot.
class DotIndex {
  public:
    struct Dot {
        PixelPoint at;
        int slot;
    };
    // Indexes dots drawn on a picture of width x height pixels, in drawing order.
    void Build(std::vector<Dot> dots, int width, int height);
    // The slot of the dot nearest to p within `radius` pixels, or -1. Of equally near dots
    // the one drawn last, which lies on top, wins.
    int Nearest(PixelPoint p, int radius) const;
    bool empty() const { return dots_.empty(); }

  private:
    int cellOf(int x, int y) const { return ((y + kPad) / kCell) * columns_ + (x + kPad) / kCell; }

    static constexpr int kCell = 8;
    // Dots this far beyond the edges still show a part within reach of the pointer.
    static constexpr int kPad = kCell;
    int width_ = 0, height_ = 0, columns_ = 0, rows_ = 0;
    std::vector<int> cellStart_; // dots of cell c: dots_[cellStart_[c] .. cellStart_[c + 1])
    std::vector<Dot> dots_;
};
