#include "Reload.h"

#include "ChartRanges.h"
#include "CurveChart.h"
#include "ReadoutStore.h"

#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// How far a line that straddles the length measured at opening may run on while an
// instrument appends to it; beyond that it is cut, so a tick always ends.
constexpr std::uint64_t kLastLineSlack = 64 * 1024;

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

FileFailure failure(int cause, int osError, const std::string& path) {
    return FileFailure{cause, osError, path};
}

// Feeds the chart one point per row (x = Z', y = -Z'', t = the row's ordinal, so thinning
// keeps points spread over the file) and keeps the running extremes. They start empty, so
// the axes span the data wherever it lies.
class ChartFeed final : public RowSink {
  public:
    ChartFeed(CCurveChart& chart, ReadoutStore* readout) : chart_(chart), readout_(readout) {}

    void OnRow(const Row& row) override {
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

    double lowestX = kInfinity, lowestY = kInfinity;
    double highestX = -kInfinity, highestY = -kInfinity;
    // Points that can be drawn: header lines of a plain file give none.
    std::int64_t measured = 0;

  private:
    CCurveChart& chart_;
    ReadoutStore* readout_;
};

} // namespace

bool GrowthWatch::Changed(const std::string& path, std::optional<std::uint64_t> size) {
    if (!seen_ || path != path_) {
        seen_ = true;
        path_ = path;
        size_ = size;
        return false;
    }
    const bool changed = size != size_;
    size_ = size;
    return changed;
}

std::optional<FileFailure> ReloadChart(const std::string& path, bool plusTicked, CCurveChart& chart,
                                       GrowthWatch* watch) {
    return ReloadChartWith(path, plusTicked, chart, PlotChoices{}, nullptr, watch);
}

std::optional<FileFailure> ReloadChartWith(const std::string& path, bool plusTicked,
                                           CCurveChart& chart, const PlotChoices& choices,
                                           ReadoutStore* readout, GrowthWatch* watch) {
    if (readout != nullptr)
        readout->Clear();
    chart.Clear();
    const std::string pathCopy = path;
    MeasurementFile file;
    if (::access(pathCopy.c_str(), R_OK) == 0)
        file = OpenMeasurementFile(pathCopy);
    if (!file) {
        if (watch != nullptr)
            watch->Changed(pathCopy, std::nullopt);
        if (file.failedAt == MeasurementFile::Step::Measuring)
            return failure(kCauseBadSeek, file.error, pathCopy);
        return std::nullopt;
    }

    ReadOptions options;
    options.watching = watch != nullptr;
    options.sizeChanged = watch != nullptr && watch->Changed(pathCopy, file.size);
    LineReader reader(file.fd.get(),
                      file.size > std::numeric_limits<std::uint64_t>::max() - kLastLineSlack
                          ? file.size
                          : file.size + kLastLineSlack);
    ChartFeed feed(chart, readout);
    const ReadOutcome outcome = ReadMeasurement(reader, file.size, feed, options);
    if (outcome.error != 0)
        return failure(kCauseGeneric, outcome.error, pathCopy);

    if (readout != nullptr)
        readout->SetFile(FormatName(outcome.detection.format), feed.measured);
    SetChartRanges(chart, {feed.lowestX, feed.highestX},
                   {plusTicked ? 0.0 : feed.lowestY, feed.highestY}, plusTicked, choices);
    chart.AutoScale();
    chart.Redraw();
    // Open, and unshared as far as the platform goes, until the picture is drawn.
    if (const int error = file.fd.close(); error != 0)
        return failure(kCauseDiskFull, error, pathCopy);
    return std::nullopt;
}
