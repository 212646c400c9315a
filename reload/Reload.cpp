#include "Reload.h"

#include "ChartFeed.h"
#include "CurveChart.h"
#include "PlotChoices.h"

#include <unistd.h>

#include <cstdint>
#include <limits>
#include <memory>

namespace {

// How far a line that straddles the length measured at opening may run on while an
// instrument appends to it; beyond that it is cut, so a tick always ends.
constexpr std::uint64_t kLastLineSlack = 64 * 1024;

// The chart's points in slot order, as a result carries them.
void copyPoints(const CCurveChart& chart, ReadResult& result) {
    const auto n = static_cast<size_t>(chart.count);
    result.t.assign(chart.tData, chart.tData + n);
    result.x.assign(chart.xData, chart.xData + n);
    result.y.assign(chart.yData, chart.yData + n);
}

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

ReadResult ReadWholeFile(const std::string& path, GrowthWatch* watch,
                         const std::atomic<bool>* stop) {
    (void)stop;
    ReadResult result;
    MeasurementFile file;
    if (::access(path.c_str(), R_OK) == 0)
        file = OpenMeasurementFile(path);
    if (!file) {
        if (watch != nullptr)
            watch->Changed(path, std::nullopt);
        if (file.failedAt == MeasurementFile::Step::Measuring)
            result.failure = FileFailure{kCauseBadSeek, file.error, path};
        return result;
    }
    result.found = true;

    ReadOptions options;
    options.watching = watch != nullptr;
    options.sizeChanged = watch != nullptr && watch->Changed(path, file.size);
    LineReader reader(file.fd.get(),
                      file.size > std::numeric_limits<std::uint64_t>::max() - kLastLineSlack
                          ? file.size
                          : file.size + kLastLineSlack);
    // The points gather in a chart of their own, which thins them as the window's would.
    const auto points = std::make_unique<CCurveChart>();
    ChartFeed feed(*points, &result.readout);
    const ReadOutcome outcome = ReadMeasurement(reader, file.size, feed, options);
    copyPoints(*points, result);
    if (outcome.error != 0) {
        result.failure = FileFailure{kCauseGeneric, outcome.error, path};
        return result;
    }
    result.readout.SetFile(FormatName(outcome.detection.format), feed.measured);
    result.lowestX = feed.lowestX;
    result.highestX = feed.highestX;
    result.lowestY = feed.lowestY;
    result.highestY = feed.highestY;
    if (const int error = file.fd.close(); error != 0)
        result.failure = FileFailure{kCauseDiskFull, error, path};
    return result;
}

std::optional<FileFailure> ReloadChart(const std::string& path, bool plusTicked, CCurveChart& chart,
                                       GrowthWatch* watch) {
    return ReloadChartWith(path, plusTicked, chart, PlotChoices{}, nullptr, watch);
}

std::optional<FileFailure> ReloadChartWith(const std::string& path, bool plusTicked,
                                           CCurveChart& chart, const PlotChoices& choices,
                                           ReadoutStore* readout, GrowthWatch* watch) {
    return TakeReadResult(ReadWholeFile(path, watch), plusTicked, chart, choices, readout);
}
