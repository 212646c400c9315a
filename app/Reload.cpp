#include "Reload.h"

#include "ChartRanges.h"
#include "CurveChart.h"
#include "LineReader.h"
#include "NumberScanner.h"
#include "ReadoutStore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// How far a line that straddles the length measured at opening may run on while an
// instrument appends to it; beyond that it is cut, so a tick always ends.
constexpr std::uint64_t kLastLineSlack = 64 * 1024;

FileFailure failure(int cause, int osError, const std::string& path) {
    return FileFailure{cause, osError, path};
}

} // namespace

// Read-only and unlocked, so the program writing the file is never refused or slowed.
// Non-blocking, so a FIFO without a writer cannot stall the tick. Only regular files pass.
int OpenMeasurementFile(const std::string& path, int& error) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    struct stat info {};
    error = ::fstat(fd, &info) != 0 ? errno : 0;
    if (error != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

std::optional<FileFailure> ReloadChart(const std::string& path, bool plusTicked,
                                       CCurveChart& chart) {
    return ReloadChartWith(path, plusTicked, chart, PlotChoices{}, nullptr);
}

std::optional<FileFailure> ReloadChartWith(const std::string& path, bool plusTicked,
                                           CCurveChart& chart, const PlotChoices& choices,
                                           ReadoutStore* readout) {
    if (readout != nullptr)
        readout->Clear();
    double lowestX = 1e9, lowestY = 1e9;
    double highestX = -1e9, highestY = -1e9;
    chart.Clear();
    if (::access(path.c_str(), R_OK) == -1)
        return std::nullopt;
    const std::string pathCopy = path;
    int openError = 0;
    const int fd = OpenMeasurementFile(pathCopy, openError);
    if (fd < 0)
        return std::nullopt;

    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const int error = errno;
        ::close(fd);
        return failure(kCauseBadSeek, error, pathCopy);
    }
    const auto length = static_cast<std::uint64_t>(info.st_size);

    LineReader reader(fd, length > std::numeric_limits<std::uint64_t>::max() - kLastLineSlack
                              ? length
                              : length + kLastLineSlack);
    // A line that provides no number before any line has keeps NaN: a point that is never
    // drawn and moves no extreme, so a header changes nothing in the picture.
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    double numbers[3] = {kNaN, kNaN, kNaN};
    // Each point's t is its line's ordinal, so thinning keeps points spread over the file.
    double ordinal = 0;
    std::int64_t measured = 0;
    std::string_view line;
    while (reader.position() < length) {
        const LineReader::Status status = reader.next(line);
        if (status == LineReader::Status::End)
            break;
        if (status == LineReader::Status::Error) {
            ::close(fd);
            return failure(kCauseGeneric, reader.error(), pathCopy);
        }
        ScanThreeNumbers(line, numbers);
        const double x = numbers[1];
        if (x < lowestX)
            lowestX = x;
        if (x > highestX)
            highestX = x;
        const double y = -numbers[2];
        if (y < lowestY)
            lowestY = y;
        if (y > highestY)
            highestY = y;
        chart.AddPoint(ordinal, x, y);
        if (readout != nullptr)
            readout->Add(chart, numbers[0], static_cast<std::int64_t>(ordinal) + 1);
        // Header lines before the first numbers give points that are never drawn.
        if (!std::isnan(x) && !std::isnan(y))
            ++measured;
        ordinal += 1;
    }

    if (readout != nullptr)
        readout->SetFile("plain", measured);
    SetChartRanges(chart, {lowestX, highestX}, {plusTicked ? 0.0 : lowestY, highestY}, plusTicked,
                   choices);
    chart.AutoScale();
    chart.Redraw();
    if (::close(fd) != 0)
        return failure(kCauseDiskFull, errno, pathCopy);
    return std::nullopt;
}
