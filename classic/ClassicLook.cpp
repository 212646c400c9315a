#include "ClassicLook.h"

#include "ChartSetup.h"
#include "ClassicChartFill.h"
#include "ClassicChartImage.h"
#include "ClassicStyle.h"
#include "VectorPicture.h"
#include "platform/PictureOutput.h"
#include "platform/PlotArea.h"
#include "view/ReadoutText.h"

#include <QClipboard>
#include <QGuiApplication>

ClassicLook::ClassicLook() {
    SetUpChart(*chart_);
}

std::optional<RenderResult> ClassicLook::draw(const PlotContent& content,
                                              const PlotChoices& choices, PlotArea& area) {
    ShowAs(*chart_, choices.diagram);
    const PlotLayout layout = ClassicLayout(*chart_, area.size());
    FillClassicChart(*chart_, content.series, content.plus, choices, layout);
    RenderResult drawn;
    const QImage image = ClassicChartImage(*chart_, layout, &drawn);
    if (image.isNull())
        return std::nullopt;
    drawnSeries_ = content.series;
    // The chart changes only when the next picture replaces these.
    const VectorDrawer vector = [this, layout, size = image.size()](VectorKind kind) {
        return VectorPicture(kind, size, [this, &layout](IDrawSurface& surface) {
            DrawClassicChart(*chart_, layout, surface);
            return true;
        });
    };
    area.showPicture(image, {[image](QSize) {
                                 if (QClipboard* clipboard = QGuiApplication::clipboard())
                                     clipboard->setImage(image);
                             },
                             [image, vector](QSize, const std::string& path) {
                                 return WritePicture(image, path, std::nullopt, vector);
                             },
                             {}});
    return drawn;
}

QString ClassicLook::dotReadout(const DrawnDot& dot) const {
    const Point& p = drawnSeries_->points()[static_cast<size_t>(dot.index)];
    return QString::fromStdString(DotReadout(p.f, p.zReal, p.minusZImag, p.line));
}

QString ClassicLook::fileReadout(const std::string& format, long long points) const {
    return QString::fromStdString(FileReadout(format, points));
}
