#include "DotIndex.h"

#include <algorithm>

void DotIndex::Build(std::vector<Dot> dots, int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    columns_ = (width_ + 2 * kPad + kCell - 1) / kCell;
    rows_ = (height_ + 2 * kPad + kCell - 1) / kCell;
    std::vector<Dot> found;
    found.reserve(dots.size());
    for (const Dot& d : dots)
        if (d.at.x >= -kPad && d.at.y >= -kPad && d.at.x < width_ + kPad && d.at.y < height_ + kPad)
            found.push_back(d);
    // A counting sort by cell keeps the slots ascending within each cell.
    cellStart_.assign(static_cast<size_t>(columns_) * rows_ + 1, 0);
    for (const Dot& d : found)
        ++cellStart_[static_cast<size_t>(cellOf(d.at.x, d.at.y)) + 1];
    for (size_t c = 1; c < cellStart_.size(); ++c)
        cellStart_[c] += cellStart_[c - 1];
    dots_.assign(found.size(), Dot{});
    std::vector<int> fill(cellStart_.begin(), cellStart_.end() - 1);
    for (const Dot& d : found)
        dots_[static_cast<size_t>(fill[static_cast<size_t>(cellOf(d.at.x, d.at.y))]++)] = d;
}

int DotIndex::Nearest(PixelPoint p, int radius) const {
    if (dots_.empty() || radius < 0)
        return -1;
    const int x0 = std::max(p.x - radius, -kPad), x1 = std::min(p.x + radius, width_ + kPad - 1);
    const int y0 = std::max(p.y - radius, -kPad), y1 = std::min(p.y + radius, height_ + kPad - 1);
    if (x0 > x1 || y0 > y1)
        return -1;
    int best = -1;
    long long bestDistance = static_cast<long long>(radius) * radius + 1;
    for (int row = (y0 + kPad) / kCell; row <= (y1 + kPad) / kCell; ++row) {
        for (int column = (x0 + kPad) / kCell; column <= (x1 + kPad) / kCell; ++column) {
            const size_t c = static_cast<size_t>(row) * columns_ + column;
            for (int k = cellStart_[c]; k < cellStart_[c + 1]; ++k) {
                const Dot& d = dots_[static_cast<size_t>(k)];
                const long long dx = d.at.x - p.x, dy = d.at.y - p.y;
                const long long distance = dx * dx + dy * dy;
                if (distance < bestDistance || (distance == bestDistance && d.slot > best)) {
                    best = d.slot;
                    bestDistance = distance;
                }
            }
        }
    }
    return best;
}
