#include "ClippedPath.h"

#include <cmath>
#include <optional>
#include <utility>

namespace {

bool finite(PointF p) {
    return std::isfinite(p.x) && std::isfinite(p.y);
}

// Liang–Barsky: the part of a to b within the frame, if any.
std::optional<std::pair<PointF, PointF>> clipped(PointF a, PointF b, const RectF& f) {
    const double dx = b.x - a.x, dy = b.y - a.y;
    double from = 0.0, to = 1.0;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {a.x - f.left, f.right - a.x, a.y - f.top, f.bottom - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            from = std::max(from, t);
        else
            to = std::min(to, t);
    }
    if (from > to)
        return std::nullopt;
    const auto at = [&](double t) {
        return t == 0.0 ? a : t == 1.0 ? b : PointF{a.x + t * dx, a.y + t * dy};
    };
    return std::pair(at(from), at(to));
}

} // namespace

std::vector<std::vector<PointF>> ClippedPath(std::span<const PointF> points, const RectF& frame) {
    std::vector<std::vector<PointF>> pieces;
    bool open = false; // whether the last piece ends where the next segment starts
    for (size_t i = 1; i < points.size(); ++i) {
        const PointF a = points[i - 1], b = points[i];
        const auto part = finite(a) && finite(b) ? clipped(a, b, frame) : std::nullopt;
        if (!part) {
            open = false;
            continue;
        }
        if (!open || !(pieces.back().back() == part->first))
            pieces.push_back({part->first});
        pieces.back().push_back(part->second);
        open = part->second == b;
    }
    return pieces;
}
