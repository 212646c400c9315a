#pragma once

#include "DotIndex.h"
#include "model/Series.h"

#include <cstdint>
#include <string>

// What the pointer rests on in the last classic picture. It holds the series the picture was
// drawn from, slot for slot, so a picture that stays up after its file went away still
// reads out.
class PlotReadout {
  public:
    // How close the pointer must come to a dot, in pixels.
    static constexpr int kReach = 4;

    // Takes in the picture the chart has just drawn from `series`, read as `format`.
    void Build(CCurveChart& chart, SeriesSnapshot series, std::string format);
    void Forget();
    // The dot readout of the nearest dot within reach, else the file's; empty before any
    // picture.
    std::string TextAt(PixelPoint p) const;
    const DotIndex& index() const { return index_; }

  private:
    DotIndex index_;
    SeriesSnapshot series_;
    std::string format_;
    bool built_ = false;
};
