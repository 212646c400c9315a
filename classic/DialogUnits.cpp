#include "DialogUnits.h"

#include <cmath>

namespace {
int edge(int units, int numerator, int denominator) {
    return static_cast<int>(std::lround(static_cast<double>(units) * numerator / denominator));
}
} // namespace

QRect DialogUnitsToPixels(int x, int y, int w, int h) {
    const int left = edge(x, 6, 4);
    const int top = edge(y, 13, 8);
    return QRect(QPoint(left, top), QPoint(edge(x + w, 6, 4) - 1, edge(y + h, 13, 8) - 1));
}
