#include "ChartFeed.h"

#include "CurveChart.h"
#include "ReadoutStore.h"

#include <cmath>

void ChartFeed::OnRow(const Row& row) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    double x = row.real;
    double y = row.negImag;
    if (std::isinf(x) || std::isinf(y)) {
        // Like NaN: a point that is neither drawn nor counted in the extremes.
        x = std::isinf(x) ? kNaN : x;
        y = std::isinf(y) ? kNaN : y;
    } else {
        if (!std::isnan(x) && !std::isnan(y))
            ++measured;
        // A NaN fails every comparison and moves nothing.
        if (x < lowestX)
            lowestX = x;
        if (x > highestX)
            highestX = x;
        if (y < lowestY)
            lowestY = y;
        if (y > highestY)
            highestY = y;
    }
    chart_.AddPoint(static_cast<double>(row.index), x, y);
    if (readout_ != nullptr)
        readout_->Add(chart_, row.frequency, static_cast<std::int64_t>(row.line));
}
