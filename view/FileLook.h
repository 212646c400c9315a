#pragma once

#include "chart/ChartModel.h"

#include <cstddef>

// How a file of an overlay is drawn: look 0, 1, 2… take the palette's colours in turn, then
// the same colours again in the next shape, so no two files of different looks look alike.
struct FileLook {
    Color color;
    MarkShape shape;
};

// The look of the file at `place` in an overlay that holds `look`, or none (-1).
FileLook FileLookAt(int look, std::size_t place);
