#include "Snapshot.h"

#include "CommandOutput.h"
#include "chart/Render.h"
#include "classic/ChartSetup.h"
#include "classic/ClassicChartFill.h"
#include "classic/ClassicChartImage.h"
#include "classic/ClassicStyle.h"
#include "classic/CurveChart.h"
#include "classic/VectorPicture.h"
#include "platform/PictureOutput.h"
#include "platform/WhyNotRead.h"
#include "source/Reload.h"
#include "view/DiagramModels.h"
#include "view/FitLines.h"
#include "view/PlotChoices.h"
#include "view/ResidualPanel.h"

#include <filesystem>
#include <memory>

namespace {

// Why the reload would not read the file, or nothing when it would.
std::optional<QString> whyUnreadable(const std::string& file) {
    const MeasurementFile opened = OpenMeasurementFile(file);
    if (opened)
        return std::nullopt;
    return WhyNotRead(opened.error);
}

QString cannotRead(const std::string& file, const ReadResult& read) {
    return CannotRead(file, WhyNotRead(read.error, read.refusal));
}

// The modern picture: the diagram's model drawn by the renderer straight into the file's
// format, no widget involved.
std::optional<QString> modernSnapshot(const std::vector<std::string>& files,
                                      const std::string& output, bool plus, QSize size,
                                      const PlotChoices& choices, const SnapshotLook& look) {
    std::vector<ShownFile> shown;
    for (const std::string& file : files) {
        const ReadResult read = ReadWholeFile(file, nullptr);
        if (read.failed())
            return cannotRead(file, read);
        shown.push_back({read.series, std::filesystem::path(file).filename().string()});
        if (look.kk && read.series)
            shown.back().checks = LiveChecks().Check(*read.series, *look.kk, std::atomic<bool>{});
        if (look.fit && read.series)
            shown.back().fits = LiveFits().Fit(*read.series, *look.fit, std::atomic<bool>{});
    }
    PlotChoices drawn = choices;
    if (look.lines)
        drawn.connectPoints = true;
    drawn.markerPt = look.markerPt;
    ChartModel model = OverlayModel(shown, plus, drawn);
    AddFitLines(model, shown);
    if (look.kk) {
        PlotChoices withPanel = choices;
        withPanel.residuals = true;
        AddKkChecks(model, shown, withPanel, look.kk->limitPercent);
    }
    model.dpi = look.dpi;
    model.fontPt = look.fontPt;
    const ChartDrawer draw = [&model](Painter& painter, double width, double height) {
        Render(model, width, height, painter);
    };
    const auto reason =
        output == kStandardOutput
            ? WriteChartPngTo(STDOUT_FILENO, draw, size, look.dpi)
            : WriteChartPicture(draw, size, look.dpi, output, IdentityOfPath(files.front()));
    if (reason)
        return CannotWrite(output, *reason);
    return std::nullopt;
}

} // namespace

std::optional<QString> WriteSnapshot(const std::string& file, const std::string& output, bool plus,
                                     QSize size, bool equalScales, bool bode,
                                     const SnapshotLook& look) {
    return WriteSnapshot(std::vector{file}, output, plus, size, equalScales, bode, look);
}

std::optional<QString> WriteSnapshot(const std::vector<std::string>& files,
                                     const std::string& output, bool plus, QSize size,
                                     bool equalScales, bool bode, const SnapshotLook& look) {
    for (const std::string& each : files)
        if (const auto reason = WhyNotWritable(each, output, WhyNotPictureOutput))
            return CannotWrite(output, *reason);
    for (const std::string& each : files)
        if (const auto reason = whyUnreadable(each))
            return CannotRead(each, *reason);
    if (!look.classic) {
        PlotChoices choices;
        choices.diagram = bode ? Diagram::Bode : Diagram::Nyquist;
        choices.equalScales = equalScales;
        return modernSnapshot(files, output, plus, size, choices, look);
    }
    const std::string& file = files.front();

    // The classic chart draws straight into a picture of its size, as it does for a window.
    const ReadResult read = ReadWholeFile(file, nullptr);
    if (read.failed())
        return cannotRead(file, read);
    auto chart = std::make_unique<CCurveChart>();
    PlotChoices choices;
    choices.diagram = bode ? Diagram::Bode : Diagram::Nyquist;
    choices.equalScales = equalScales;
    SetUpChart(*chart, choices.diagram);
    const PlotLayout layout = ClassicLayout(*chart, size);
    FillClassicChart(*chart, read.series, plus, choices, layout);
    const QImage picture = ClassicChartImage(*chart, layout);
    if (picture.isNull())
        return CannotRead(file, QStringLiteral("the diagram could not be drawn"));

    const VectorDrawer vector = [&](VectorKind kind) {
        return VectorPicture(kind, picture.size(), [&](IDrawSurface& surface) {
            DrawClassicChart(*chart, layout, surface);
            return true;
        });
    };
    const auto reason = output == kStandardOutput
                            ? WritePngTo(STDOUT_FILENO, picture)
                            : WritePicture(picture, output, IdentityOfPath(file), vector);
    if (reason)
        return CannotWrite(output, *reason);
    return std::nullopt;
}
