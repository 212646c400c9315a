#pragma once

#include "measurement/ReaderState.h"
#include "model/Series.h"

#include <span>
#include <vector>

// The rows of one sweep as the points an analysis takes.
inline std::vector<Point> SweepPoints(std::span<const Row> rows) {
    std::vector<Point> points;
    points.reserve(rows.size());
    for (const Row& row : rows)
        points.push_back({double(row.index), row.frequency, row.real, row.negImag,
                          static_cast<std::int64_t>(row.line), static_cast<int>(row.sweep)});
    return points;
}
