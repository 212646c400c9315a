#pragma once

#include "DotIndex.h"
#include "ReadoutStore.h"

#include <string>
#include <vector>

// What the pointer rests on in the last picture. It keeps its own copy of the dots' values
// and origins, so a picture that stays up after its file went away still reads out.
class PlotReadout {
  public:
    // How close the pointer must come to a dot, in pixels.
    static constexpr int kReach = 4;

    // Takes in the picture the chart has just drawn.
    void Build(CCurveChart& chart, const ReadoutStore& store);
    void Forget();
    // The dot readout of the nearest dot within reach, else the file's; empty before any
    // picture.
    std::string TextAt(PixelPoint p) const;
    const DotIndex& index() const { return index_; }

  private:
    struct Entry {
        PointOrigin origin;
        bool known = false;
    };
    DotIndex index_;
    std::vector<Entry> entries_; // by chart slot
    std::string format_;
    std::int64_t points_ = 0;
    bool built_ = false;
};
