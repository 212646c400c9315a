#include "Snapshot.h"

#include "ChartSetup.h"
#include "CurveChart.h"
#include "FileChoice.h"
#include "PlotArea.h"
#include "PngFile.h"
#include "Reload.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace {

// Why the reload would not read the file, or nothing when it would.
std::optional<QString> whyUnreadable(const std::string& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    struct stat info {};
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    if (!regular)
        return QStringLiteral("not a regular file");
    return std::nullopt;
}

QString cannotRead(const std::string& file, const QString& reason) {
    return QStringLiteral("cannot read %1: %2").arg(DisplayPath(file), reason);
}

} // namespace

std::optional<QString> WriteSnapshot(const std::string& file, const QString& output, bool plus,
                                     QSize size) {
    if (const auto reason = whyUnreadable(file))
        return cannotRead(file, *reason);

    PlotArea area;
    area.resize(size);
    auto chart = std::make_unique<CCurveChart>();
    chart->Attach(&area);
    SetUpChart(*chart);
    if (const auto failure = ReloadChart(file, plus, *chart))
        return cannotRead(file, QString::fromLocal8Bit(std::strerror(failure->osError)));
    if (!area.hasPicture())
        return cannotRead(file, QStringLiteral("the diagram could not be drawn"));

    if (const auto reason = WritePng(area.picture(), output))
        return QStringLiteral("cannot write %1: %2").arg(output, *reason);
    return std::nullopt;
}
