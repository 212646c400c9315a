#include "Snapshot.h"

#include "ChartSetup.h"
#include "CurveChart.h"
#include "FileChoice.h"
#include "PlotArea.h"
#include "PlotChoices.h"
#include "Reload.h"
#include "VectorPicture.h"

#include <unistd.h>

#include <cstring>
#include <memory>

namespace {

// Why the reload would not read the file, or nothing when it would.
std::optional<QString> whyUnreadable(const std::string& file) {
    int error = 0;
    const int fd = OpenMeasurementFile(file, error);
    if (fd >= 0) {
        ::close(fd);
        return std::nullopt;
    }
    if (error == 0)
        return QStringLiteral("not a regular file");
    return QString::fromLocal8Bit(std::strerror(error));
}

QString cannotRead(const std::string& file, const QString& reason) {
    return QStringLiteral("cannot read %1: %2").arg(DisplayPath(file), reason);
}

} // namespace

std::optional<QString> WriteSnapshot(const std::string& file, const QString& output, bool plus,
                                     QSize size, bool equalScales) {
    if (const auto reason = whyUnreadable(file))
        return cannotRead(file, *reason);

    PlotArea area;
    area.resize(size);
    auto chart = std::make_unique<CCurveChart>();
    chart->Attach(&area);
    SetUpChart(*chart);
    PlotChoices choices;
    choices.equalScales = equalScales;
    if (const auto failure = ReloadChartWith(file, plus, *chart, choices, nullptr))
        return cannotRead(file, QString::fromLocal8Bit(std::strerror(failure->osError)));
    if (!area.hasPicture())
        return cannotRead(file, QStringLiteral("the diagram could not be drawn"));

    const auto drawn = [&chart](IDrawSurface& surface) { return chart->Draw(&surface); };
    if (const auto reason = WritePictureFile(output, area.picture(), size, drawn))
        return QStringLiteral("cannot write %1: %2").arg(output, *reason);
    return std::nullopt;
}
