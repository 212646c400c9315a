#include "ModernSnapshot.h"

#include "CommandOutput.h"
#include "chart/Render.h"
#include "platform/PictureOutput.h"
#include "platform/WhyNotRead.h"
#include "source/Reload.h"
#include "view/DiagramModels.h"
#include "view/FitLines.h"
#include "view/PlotChoices.h"
#include "view/ResidualPanel.h"

#include <filesystem>

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

std::optional<QString> WhyNoSnapshot(const std::vector<std::string>& files,
                                     const std::string& output) {
    for (const std::string& each : files)
        if (const auto reason = WhyNotWritable(each, output, WhyNotPictureOutput))
            return CannotWrite(output, *reason);
    for (const std::string& each : files)
        if (const auto reason = whyUnreadable(each))
            return CannotRead(each, *reason);
    return std::nullopt;
}

std::optional<QString> WriteModernSnapshot(const std::vector<std::string>& files,
                                           const std::string& output, bool plus, QSize size,
                                           bool equalScales, bool bode, const SnapshotLook& look) {
    if (const auto refusal = WhyNoSnapshot(files, output))
        return refusal;
    PlotChoices choices;
    choices.diagram = bode ? Diagram::Bode : Diagram::Nyquist;
    choices.equalScales = equalScales;
    return modernSnapshot(files, output, plus, size, choices, look);
}
