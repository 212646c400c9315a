#include "ChartPicture.h"
#include "PictureOutput.h"
#include "PlotArea.h"
#include "PlotLook.h"
#include "view/FitLines.h"
#include "view/ReadoutText.h"
#include "view/ResidualPanel.h"

#include <QCoreApplication>

namespace {

// The window writes as its axes do: real primes, and the words in its language.
ReadoutWords windowWords() {
    return {"Z\u2032", "\u2212Z\u2033",
            QCoreApplication::translate("PlotViewControl", "phase").toStdString(),
            QCoreApplication::translate("PlotViewControl", "line").toStdString(),
            QCoreApplication::translate("PlotViewControl", "fit").toStdString()};
}

class Modern final : public PlotLook {
  public:
    std::optional<RenderResult> draw(const PlotContent& content, const PlotChoices& choices,
                                     PlotArea& area) override {
        if (!content.series)
            return std::nullopt;
        ChartModel model = content.overlay.size() > 1
                               ? OverlayModel(content.overlay, content.plus, choices)
                               : DiagramModel(content.series, content.plus, choices);
        AddKkChecks(model, content.overlay, choices, content.kkLimit);
        AddFitLines(model, content.overlay);
        model.fontPt = content.fontPt;
        model.numbers = content.numbers;
        auto shared = std::make_shared<const ChartModel>(std::move(model));
        // A dark window gets the picture light on dark; the colours move no dot.
        ChartModel onScreen = *shared;
        if (area.palette().color(QPalette::Window).lightness() < 128)
            OnDarkPaper(onScreen);
        RenderResult drawn;
        const QImage image =
            ChartImage([&](Painter& painter, double width,
                           double height) { drawn = Render(onScreen, width, height, painter); },
                       area.size(), kScreenDpi, area.devicePixelRatioF(), std::move(spare_));
        if (image.isNull())
            return std::nullopt;
        drawnModel_ = shared;
        // A picture saved or copied is the snapshot's, whatever the window's locale: its
        // numbers take the point.
        auto printed = std::make_shared<ChartModel>(*shared);
        printed->numbers = NumberStyle{};
        const ChartDrawer again = [printed](Painter& painter, double width, double height) {
            Render(*printed, width, height, painter);
        };
        spare_ = area.showPicture(
            image, {[again](QSize size) { CopyChartToClipboard(again, size, kScreenDpi); },
                    [again](QSize size, const std::string& path) {
                        return WriteChartPicture(again, size, kScreenDpi, path, std::nullopt);
                    },
                    [printed](QSize size, double dpi, double fontPt, const std::string& path) {
                        auto sized = std::make_shared<ChartModel>(*printed);
                        sized->fontPt = fontPt;
                        return WriteChartPicture(
                            [sized](Painter& painter, double width, double height) {
                                Render(*sized, width, height, painter);
                            },
                            size, dpi, path, std::nullopt);
                    }});
        return drawn;
    }

    QString dotReadout(const DrawnDot& dot) const override {
        const SeriesModel& drawnSeries = drawnModel_->series[static_cast<size_t>(dot.series)];
        const Point& p = drawnSeries.series->points()[static_cast<size_t>(dot.index)];
        // In an overlay the readout first names the dot's file.
        const QString file = drawnModel_->legend.empty()
                                 ? QString()
                                 : QString::fromStdString(drawnSeries.name) + QLatin1Char('\n');
        return file +
               QString::fromStdString(DotReadout(p.f, p.zReal, p.minusZImag, p.line,
                                                 drawnModel_->numbers, windowWords(),
                                                 drawnSeries.series->float32())) +
               (drawnModel_->sweeps ? QLatin1Char('\n') + QCoreApplication::translate(
                                                              "PlotViewControl", "sweep %1 of %2")
                                                              .arg(p.sweep)
                                                              .arg(drawnModel_->sweeps->of)
                                    : QString());
    }

    QString lineReadout(const DrawnLinePoint& at) const override {
        const SeriesModel& drawnSeries = drawnModel_->series[static_cast<size_t>(at.series)];
        const ModelLine& line = drawnSeries.lines[static_cast<size_t>(at.line)];
        const QString file = drawnModel_->legend.empty()
                                 ? QString()
                                 : QString::fromStdString(drawnSeries.name) + QLatin1Char('\n');
        return file + QString::fromStdString(
                          ModelReadout(line.label, line.points[static_cast<size_t>(at.index)],
                                       drawnModel_->numbers, windowWords()));
    }

    QString fileReadout(const std::string& format, long long points) const override {
        return QCoreApplication::translate("PlotViewControl", "format: %1").arg(format.c_str()) +
               QLatin1Char('\n') +
               (points == 1
                    ? QCoreApplication::translate("PlotViewControl", "1 point")
                    : QCoreApplication::translate("PlotViewControl", "%1 points").arg(points));
    }

  private:
    // The model the last picture was drawn from.
    std::shared_ptr<const ChartModel> drawnModel_;
    // The picture shown before the last, which the next one is drawn over.
    QImage spare_;
};

} // namespace

std::unique_ptr<PlotLook> ModernLook() {
    return std::make_unique<Modern>();
}
