#include "Snapshot.h"

#include "CommandOutput.h"
#include "classic/ChartSetup.h"
#include "classic/ClassicChartFill.h"
#include "classic/ClassicChartImage.h"
#include "classic/ClassicStyle.h"
#include "classic/CurveChart.h"
#include "classic/VectorPicture.h"
#include "platform/PictureOutput.h"
#include "platform/WhyNotRead.h"
#include "source/Reload.h"
#include "view/PlotChoices.h"

#include <memory>

std::optional<QString> WriteSnapshot(const std::string& file, const std::string& output, bool plus,
                                     QSize size, bool equalScales, bool bode,
                                     const SnapshotLook& look) {
    return WriteSnapshot(std::vector{file}, output, plus, size, equalScales, bode, look);
}

std::optional<QString> WriteSnapshot(const std::vector<std::string>& files,
                                     const std::string& output, bool plus, QSize size,
                                     bool equalScales, bool bode, const SnapshotLook& look) {
    if (!look.classic)
        return WriteModernSnapshot(files, output, plus, size, equalScales, bode, look);
    if (const auto refusal = WhyNoSnapshot(files, output))
        return refusal;
    const std::string& file = files.front();

    // The classic chart draws straight into a picture of its size, as it does for a window.
    const ReadResult read = ReadWholeFile(file, nullptr);
    if (read.failed())
        return CannotRead(file, WhyNotRead(read.error, read.refusal));
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
