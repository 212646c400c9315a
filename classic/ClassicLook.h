#pragma once

#include "CurveChart.h"
#include "platform/PlotLook.h"

#include <memory>

// The classic look: the chart filled anew from the series for every picture and drawn pixel
// for pixel as it always was; its readout writes as it always did. Copied and saved as PNG,
// the picture is the image shown; as SVG or PDF it is drawn again.
class ClassicLook final : public PlotLook {
  public:
    ClassicLook();
    std::optional<RenderResult> draw(const PlotContent& content, const PlotChoices& choices,
                                     PlotArea& area) override;
    QString dotReadout(const DrawnDot& dot) const override;
    QString fileReadout(const std::string& format, long long points) const override;

  private:
    std::unique_ptr<CCurveChart> chart_ = std::make_unique<CCurveChart>();
    // The series the last picture was drawn from, so it reads out while it stays up.
    SeriesSnapshot drawnSeries_;
};
